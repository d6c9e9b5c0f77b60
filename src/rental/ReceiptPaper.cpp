#include "ReceiptPaper.h"

#include "data/ShopOptions.h"

#include <QtMath>

namespace ReceiptPaper {

Format fromOption(const QString &value)
{
    const QString v = value.trimmed();
    if (v == QLatin1String("58"))
        return Format::Roll58;
    if (v == QLatin1String("80"))
        return Format::Roll80;
    return Format::Slip;
}

QString optionValue(Format format)
{
    switch (format) {
    case Format::Roll58:
        return QStringLiteral("58");
    case Format::Roll80:
        return QStringLiteral("80");
    case Format::Slip:
        break;
    }
    return QStringLiteral("0");
}

Format current(const QSqlDatabase &db)
{
    return fromOption(ShopOptions::read(db).receiptRoll);
}

qreal widthMm(Format format)
{
    switch (format) {
    case Format::Roll58:
        return 58;
    case Format::Roll80:
        return 80;
    case Format::Slip:
        break;
    }
    return 70;
}

ReportPage page(Format format, qreal contentHeightMm)
{
    if (format == Format::Slip)
        return ReportPage::custom(QSizeF(70, 100), QMarginsF(0, 10, 0, 10));
    constexpr qreal Margin = 4;
    // Whole millimetres and one to spare, so rounding the page to whole points never pushes
    // the last line onto a second page.
    const qreal length = qCeil(contentHeightMm) + 1 + 2 * Margin;
    return ReportPage::custom(QSizeF(widthMm(format), length), QMarginsF(0, Margin, 0, Margin));
}

} // namespace ReceiptPaper
