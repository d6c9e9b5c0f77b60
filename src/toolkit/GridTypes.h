#pragma once

#include <QString>
#include <Qt>

// The vocabulary shared by the data grid's model, its widgets and its users.
namespace Grid {

// How a column's values are stored, sorted and shown.
enum class Kind {
    Text,     // shown as stored, sorted by text
    Integer,  // whole numbers, right-aligned
    Money,    // integer cents, shown "%0.2f", summed exactly
    Date,     // stored "yyyy-MM-dd" (a time part, if any, is not shown)
    DateTime, // stored "yyyy-MM-dd HH:mm:ss"
    Real,     // floating point read from a computed column (averages); avoid for amounts
};

// What a footer cell (and the matching cell of a group row) adds up.
enum class Summary {
    Sum,   // the sum of a numeric column
    Count, // the number of rows
};

// Which row "the first row that begins with" means for locate.
enum class SearchOrder {
    Shown, // the first in the order shown (sorted, grouped): what the operator sees first
    Read,  // the first in the order the query returned the rows
};

// One column of a grid as a window configures it.
struct Column
{
    QString field;   // name of the column in the query result
    QString caption; // header text
    Kind kind = Kind::Text;
    int width = 0;                // pixels; 0 lets the grid choose
    Qt::Alignment alignment = {}; // empty: right for numbers, left otherwise
    bool visible = true;          // hidden columns (keys) are readable but not shown
};

// A footer cell: shown under column `underField`, summing `ofField` (or counting rows).
struct Footer
{
    QString underField;
    Summary summary = Summary::Sum;
    QString mask;    // "共0.00 元": 0 stands for the digits, the rest is printed unchanged
    QString ofField; // empty: the column the footer sits under
};

// The alignment a column gets when the window does not choose one.
inline Qt::Alignment defaultAlignment(Kind kind)
{
    switch (kind) {
    case Kind::Integer:
    case Kind::Money:
    case Kind::Real:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace Grid
