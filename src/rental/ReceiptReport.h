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
    QString operatorName;
    QDate day;
};

// The shop's details, the current operator's name and today.
Header currentHeader();

ReportDefinition definition(const Header &header, const Content &content);
ReportData data(const Content &content);
// The receipt of this content, generated into pages.
ReportDocument document(const Header &header, const Content &content);

// The closing lines of the receipt, the same figures as the settlement prompt: a caption and
// an amount with two decimals each.
QList<std::pair<QString, QString>> settlementLines(const Content &content);

} // namespace Receipt
