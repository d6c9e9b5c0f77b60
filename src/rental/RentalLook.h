#pragma once

#include <QString>

class QLabel;
class QWidget;

// The small pieces of look the rental desk's windows share.
namespace RentalLook {

// The dark strip across the top of a window with its white title text.
QLabel *titleStrip(const QString &text, QWidget *parent, int height = 28);
// A value label of the information boxes: blue text.
QLabel *valueLabel(QWidget *parent);

} // namespace RentalLook
