#pragma once

#include <QString>

class QWidget;

// Lets only the given characters be typed into an entry field. Keys that are not characters
// (Backspace, arrows, Home, Delete, Enter) and Ctrl shortcuts pass unchanged, so editing and
// the field's own Enter handling keep working. Pasted text is not filtered: the code that
// reads the field checks it again.
void acceptOnlyCharacters(QWidget *field, const QString &allowed);
