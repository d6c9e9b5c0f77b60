#pragma once

#include "CashUp.h"

#include "rental/ReceiptPaper.h"
#include "toolkit/ReportDocument.h"

// The cash-up slip printed on the receipt printer when a shift is closed, and the report of
// past cash-ups by day and operator.
namespace CashUpSlip {

ReportDefinition definition(const CashUp::Record &record, const QString &shopName,
                            ReceiptPaper::Format format);
ReportDocument document(const CashUp::Record &record, const QString &shopName,
                        ReceiptPaper::Format format);

// "交班结算报表": the cash-ups of the rows of CashUp::listSql, grouped by day, one line per
// cash-up with its operator, expected and counted cash and the difference, sums per day and
// in total.
ReportDocument report(const ReportData &rows, const QDate &from, const QDate &to);

} // namespace CashUpSlip
