#pragma once

#include "toolkit/ReportDefinition.h"

#include <QString>

// The paper receipts and cash-up slips print on, chosen in the rental options (TBKindValue
// CateID 7): the 70 x 100 mm slip, or a 58 mm or 80 mm roll cut as long as the content.
class QSqlDatabase;

namespace ReceiptPaper {

enum class Format { Slip, Roll58, Roll80 };

// The stored option value: "0" the slip, "58", "80" the rolls; anything else is the slip.
Format fromOption(const QString &value);
QString optionValue(Format format);
// The option as stored in the account on db; the slip when the row is missing.
Format current(const QSqlDatabase &db);

qreal widthMm(Format format);

// The page for content of this height: the slip is always 70 x 100 mm with 10 mm top and
// bottom margins (longer content goes on to further slips); a roll has 4 mm margins and ends
// right after the content, so no blank paper is fed out.
ReportPage page(Format format, qreal contentHeightMm);

} // namespace ReceiptPaper
