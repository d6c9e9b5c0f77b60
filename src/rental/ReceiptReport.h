#pragma once

#include "ReceiptData.h"

#include "toolkit/ReportDocument.h"

// The 70 x 100 mm receipt of a transaction, laid out by the report engine.
namespace Receipt {

struct Header
{
    QString company;
    QString address;
    QString tel;
    int operatorId = 0;
    QDate day;
};

// The shop's details, the current operator and today.
Header currentHeader();

ReportDefinition definition(const Header &header, const QList<Line> &lines);
ReportData data(const QList<Line> &lines);
// The receipt of these lines, generated into pages.
ReportDocument document(const Header &header, const QList<Line> &lines);

} // namespace Receipt
