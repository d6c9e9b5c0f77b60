#include "LabelSheet.h"

#include "Barcode.h"

#include <cmath>

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>

namespace LabelSheet {
namespace {

constexpr qreal SheetMargin = 10; // A4: around the grid of labels
constexpr qreal LabelPad = 2;     // inside each label

constexpr qreal SmallestPoints = 6; // still legible on a label printer

qreal emMm(qreal points)
{
    return points * 25.4 / 72;
}

// The width text takes in millimetres at points, measured on the font itself (at a size of
// 100 pixels to the em, so the measure does not depend on a screen's resolution).
qreal widthMm(const QFont &font, qreal points, const QString &text)
{
    QFont f(font);
    f.setPixelSize(100);
    return QFontMetricsF(f).horizontalAdvance(text) / 100 * emMm(points);
}

// A line under the bars that fits the label: a smaller size down to SmallestPoints for a long
// title, and what is still too long cut off with an ellipsis. *points is the size to print at.
QString fitted(const QFont &font, const QString &text, qreal width, qreal *points)
{
    const qreal wanted = widthMm(font, *points, text);
    if (wanted <= width)
        return text;
    *points = qMax(SmallestPoints, std::floor(*points * width / wanted * 2) / 2);
    if (widthMm(font, *points, text) <= width)
        return text;
    QFont f(font);
    f.setPixelSize(100);
    return QFontMetricsF(f).elidedText(text, Qt::ElideRight, width / emMm(*points) * 100);
}

void drawLabel(ReportDocument &doc, std::vector<ReportItem> &page, const QRectF &area,
               const Barcode::Symbol &symbol, const Label &label)
{
    const QRectF inner = area.adjusted(LabelPad, LabelPad, -LabelPad, -LabelPad);
    const qreal textH = qMin<qreal>(4.5, inner.height() / 5);
    const QRectF barsArea(inner.left(), inner.top(), inner.width(),
                          inner.height() - 2 * textH - 0.5);
    for (const QRectF &bar : symbol.barsIn(barsArea)) {
        ReportItem fill;
        fill.type = ReportItem::Type::Fill;
        fill.rect = bar;
        fill.color = Qt::black;
        page.push_back(fill);
    }
    const QFont base(QStringLiteral("SimSun"), textH > 4 ? 9 : 7);
    auto text = [&](const QString &s, qreal top) {
        qreal points = base.pointSizeF();
        const QString shown = fitted(base, s, inner.width(), &points);
        QFont font(base);
        font.setPointSizeF(points);
        ReportItem t;
        t.type = ReportItem::Type::Text;
        t.rect = QRectF(inner.left(), top, inner.width(), textH);
        t.text = shown;
        t.font = doc.addFont(font);
        t.flags = Qt::AlignHCenter | Qt::AlignVCenter;
        t.color = Qt::black;
        page.push_back(t);
    };
    text(label.code, barsArea.bottom() + 0.5);
    text(label.title, barsArea.bottom() + 0.5 + textH);
}

} // namespace

QSizeF labelSize(const Layout &layout)
{
    if (layout.kind == Layout::Kind::LabelPrinter)
        return QSizeF(40, 30);
    return QSizeF((210 - 2 * SheetMargin) / qMax(1, layout.columns),
                  (297 - 2 * SheetMargin) / qMax(1, layout.rows));
}

ReportDocument document(const QList<Label> &labels, const Layout &layout, QStringList *refused)
{
    const bool printer = layout.kind == Layout::Kind::LabelPrinter;
    const ReportPage paper = printer ? ReportPage::custom(QSizeF(40, 30), QMarginsF(0, 0, 0, 0))
                                     : ReportPage::a4(SheetMargin);
    ReportDocument doc(QCoreApplication::translate("LabelSheet", "影碟标签"), paper);
    const QSizeF size = labelSize(layout);
    const int perPage = printer ? 1 : qMax(1, layout.rows) * qMax(1, layout.columns);
    const int columns = printer ? 1 : qMax(1, layout.columns);
    const qreal origin = printer ? 0 : SheetMargin;
    int placed = 0;
    for (const Label &label : labels) {
        QString why;
        const std::optional<Barcode::Symbol> symbol = Barcode::code128(label.code, &why);
        if (!symbol) {
            if (refused)
                *refused << why;
            continue;
        }
        if (placed % perPage == 0)
            doc.appendPage();
        const int slot = placed % perPage;
        const QRectF area(origin + (slot % columns) * size.width(),
                          origin + (slot / columns) * size.height(), size.width(), size.height());
        drawLabel(doc, doc.lastPage(), area, *symbol, label);
        ++placed;
    }
    return doc;
}

} // namespace LabelSheet
