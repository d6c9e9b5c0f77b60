#pragma once

#include <QString>

class DataGrid;
class QLabel;
class QWidget;

// The small pieces of look the rental desk's windows share.
namespace RentalLook {

// The dark strip across the top of a window with its white title text.
QLabel *titleStrip(const QString &text, QWidget *parent, int height = 28);
// A value label of the information boxes: blue text.
QLabel *valueLabel(QWidget *parent);
// A label of warnings: red, bold, empty until there is something to warn of.
QLabel *alertLabel(QWidget *parent);

// Rows of the grid whose column captioned `caption` holds a number above 0 are drawn in red,
// so overdue discs stand out.
void markRowsOver(DataGrid *grid, const QString &caption);

} // namespace RentalLook
