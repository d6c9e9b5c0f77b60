#pragma once

#include "StockStore.h"
#include "TypedCounts.h"

#include <QList>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// Small pieces the stock and sales windows share: banners, captions, key filters and the
// drop-down lists of languages, categories, versions and suppliers.
namespace EntryHelpers {

// The coloured banner line at the top of a window.
QLabel *banner(const QString &text, QWidget *parent);

// A caption label whose buddy is field, so the field's accessible name is the caption.
QLabel *caption(const QString &text, QWidget *field, QWidget *parent);

// Accepts only the digits 0 to 9 and Backspace as typed characters; every other character
// (a decimal point, a letter, a minus) is dropped. Moving keys and Enter are left alone.
void acceptDigitsOnly(QLineEdit *edit);

// Reads the count typed into edit within bounds. When it is not a whole number or lies
// beyond the bounds, says so in a message box over window, selects the text and gives edit the
// focus (when it can take it), and returns false.
bool readCount(QWidget *window, QLineEdit *edit, TypedCounts::Bounds bounds, int *value);

// A click into the box empties it (it may hold a prompt such as "请输入查询的影片名称").
void emptyOnClick(QLineEdit *edit);

// Fills a drop-down list with items (each carrying its ID), sorted by text when asked,
// and selects the first item.
void fillLookup(QComboBox *box, const QList<StockStore::LookupItem> &items, bool sortByText);

// Selects the item whose text equals text; none (index -1) when no item has it.
void selectText(QComboBox *box, const QString &text);
// Selects the item whose ID equals id; none when no item has it.
void selectId(QComboBox *box, qint64 id);

} // namespace EntryHelpers
