#pragma once

#include "ReceiptData.h"
#include "ReceiptPaper.h"

#include "toolkit/ReportDocument.h"

// The receipt of a transaction, laid out by the report engine.
class AccountContext;

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
Header currentHeader(const AccountContext &account);

// The layout on the chosen paper: the 70 x 100 mm slip, or a 58 mm or 80 mm roll as long as
// the content.
ReportDefinition definition(const Header &header, const Content &content,
                            ReceiptPaper::Format paper = ReceiptPaper::Format::Slip);
ReportData data(const Content &content);
// The receipt of this content, generated into pages.
ReportDocument document(const Header &header, const Content &content,
                        ReceiptPaper::Format paper = ReceiptPaper::Format::Slip);

// The closing lines of the receipt, the same figures as the settlement prompt: a caption and
// an amount with two decimals each.
QList<std::pair<QString, QString>> settlementLines(const Content &content);

} // namespace Receipt
