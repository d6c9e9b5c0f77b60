#pragma once

#include "Refusal.h"

#include <QString>

class DataGrid;
class QBoxLayout;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// Small builders the settings pages share, so every field is labelled the same way.
namespace SetupLayout {

// A caption in column `column` of grid row `row` and its field in the next column (spanning
// `span` columns); the field is the label's buddy, so its accessible name is the caption.
QLabel *addCaption(QGridLayout *grid, int row, int column, const QString &caption, QWidget *field,
                   int span = 1);
// The same with a new single-line edit named objectName.
QLineEdit *addField(QGridLayout *grid, int row, int column, const QString &caption,
                    const QString &objectName, QWidget *parent, int span = 1);
QPushButton *button(const QString &caption, const QString &objectName, QWidget *parent);
QFrame *rule(QWidget *parent);
// The three buttons of a list page in one row, right-aligned.
QBoxLayout *buttonRow(QPushButton *add, QPushButton *save, QPushButton *del);
// A list of a page, keyed by its ID column, without the grouping box.
DataGrid *listGrid(const QString &objectName, const QString &accessibleName, QWidget *parent);
// Lays page out as a list on the left and, on the right, a grid for the fields (returned in
// fields) above a rule; the caller adds the buttons to the returned column.
QVBoxLayout *listBesideFields(QWidget *page, QWidget *list, QGridLayout **fields);

// The object name of the edit that holds field; empty for Field::None.
QString fieldName(Settings::Field field);
// Shows a refused entry and puts the focus on the field at fault (its text selected).
void showRefusal(QWidget *window, const Settings::Refusal &refusal);

} // namespace SetupLayout
