#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>

// The columns of one TBName row as the entry and edit windows write them. Quality is not part
// of it: new rows take the column default (in stock), and editing never changes the status.
struct TitleRecord
{
    QString customNum; // the copy's code
    QString name;
    QString nlang;      // language text
    QString ver;        // fee class (disc format) text
    QString categray;   // category text
    int amount = 0;     // discs per set
    int copy = 1;       // sets the row stands for
    QDate datTime;      // purchase date
    qint64 provide = 0; // TbProvide.ID
    Money mone;         // purchase price
    QString address1;   // storage place
    QString direct;
    QString actRole;

    bool operator==(const TitleRecord &) const = default;
};
