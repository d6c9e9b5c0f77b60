#pragma once

#include <QString>

// Says plainly that a function of the program is not built yet, instead of pretending.
void showNotYetBuilt(const QString &what);
