#pragma once

#include "data/CopyRow.h"
#include "data/Money.h"

#include <QDate>
#include <QString>

// The columns of one TBName row as the entry and edit windows write them. Quality is not part
// of it: new rows take the column default (in stock), and editing never changes the status.
// The copy's code and texts are those of CopyRow; its id is not written.
struct TitleRecord : CopyRow
{
    int amount = 0;     // discs per set
    int copy = 1;       // sets the row stands for
    QDate datTime;      // purchase date
    qint64 provide = 0; // TbProvide.ID
    Money mone;         // purchase price

    bool operator==(const TitleRecord &) const = default;
};
