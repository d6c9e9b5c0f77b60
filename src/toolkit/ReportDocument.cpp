#include "ReportDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// Pages are drawn in hundredths of a millimetre so that font sizes, which a scaled painter
// takes in whole logical pixels, stay exact to within a fraction of a percent.
constexpr qreal UnitsPerMm = 100.0;

QRectF toUnits(const QRectF &mm)
{
    return QRectF(mm.x() * UnitsPerMm, mm.y() * UnitsPerMm, mm.width() * UnitsPerMm,
                  mm.height() * UnitsPerMm);
}

QString fillPageText(QString text, int page, int pages)
{
    text.replace(QLatin1String("%1"), QString::number(page));
    text.replace(QLatin1String("%2"), QString::number(pages));
    return text;
}

// The font as it is drawn: its point size turned into logical units of 1/100 mm.
QFont drawingFont(const QFont &font)
{
    QFont f(font);
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    f.setPixelSize(std::max(1, qRound(points * 25.4 / 72.0 * UnitsPerMm)));
    return f;
}

} // namespace

ReportDocument::ReportDocument(const QString &name, const ReportPage &page)
{
    m_d->name = name;
    m_d->page = page;
}

const std::vector<ReportItem> &ReportDocument::items(int pageIndex) const
{
    static const std::vector<ReportItem> none;
    if (pageIndex < 0 || pageIndex >= pageCount())
        return none;
    return m_d->pages[size_t(pageIndex)];
}

QStringList ReportDocument::pageTexts(int pageIndex) const
{
    QStringList texts;
    for (const ReportItem &item : items(pageIndex)) {
        if (item.type == ReportItem::Type::Text)
            texts << item.text;
        else if (item.type == ReportItem::Type::PageText)
            texts << fillPageText(item.text, pageIndex + 1, pageCount());
    }
    return texts;
}

int ReportDocument::addFont(const QFont &font)
{
    const QString key = font.key();
    const auto it = m_d->fontIndex.constFind(key);
    if (it != m_d->fontIndex.cend())
        return it.value();
    m_d->fonts.push_back(font);
    const int index = int(m_d->fonts.size()) - 1;
    m_d->fontIndex.insert(key, index);
    return index;
}

QPageLayout ReportDocument::pageLayout() const
{
    const QSizeF size = page().sizeMm;
    const bool landscape = size.width() > size.height();
    const QSizeF portrait = landscape ? size.transposed() : size;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter, QString(),
                                 QPageSize::FuzzyMatch),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

std::vector<ReportItem> &ReportDocument::appendPage()
{
    m_d->pages.emplace_back();
    return m_d->pages.back();
}

void ReportDocument::render(int pageIndex, QPainter &painter, const QRectF &target,
                            bool paper) const
{
    const QSizeF pageMm = page().sizeMm;
    if (pageMm.isEmpty() || target.isEmpty())
        return;
    const qreal scale = std::min(target.width() / pageMm.width(),
                                 target.height() / pageMm.height());
    const QSizeF drawn = pageMm * scale;
    const QPointF origin(target.x() + (target.width() - drawn.width()) / 2,
                         target.y() + (target.height() - drawn.height()) / 2);

    painter.save();
    painter.translate(origin);
    painter.scale(scale / UnitsPerMm, scale / UnitsPerMm);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (paper)
        painter.fillRect(QRectF(QPointF(0, 0), pageMm * UnitsPerMm), Qt::white);

    std::vector<QFont> fonts;
    fonts.reserve(m_d->fonts.size());
    for (const QFont &f : m_d->fonts)
        fonts.push_back(drawingFont(f));

    int currentFont = -1;
    for (const ReportItem &item : items(pageIndex)) {
        switch (item.type) {
        case ReportItem::Type::Fill:
            painter.fillRect(toUnits(item.rect), item.color);
            break;
        case ReportItem::Type::Line: {
            QPen pen(item.color);
            pen.setWidthF(std::max<qreal>(item.widthMm, 0.05) * UnitsPerMm);
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            const QRectF r = toUnits(item.rect);
            painter.drawLine(QLineF(r.topLeft(), r.bottomRight()));
            break;
        }
        case ReportItem::Type::Text:
        case ReportItem::Type::PageText: {
            if (item.font != currentFont && item.font >= 0 && size_t(item.font) < fonts.size()) {
                painter.setFont(fonts[size_t(item.font)]);
                currentFont = item.font;
            }
            painter.setPen(item.color);
            const QString text = item.type == ReportItem::Type::PageText
                                     ? fillPageText(item.text, pageIndex + 1, pageCount())
                                     : item.text;
            // drawText clips to the rectangle unless told otherwise.
            painter.drawText(toUnits(item.rect), item.flags, text);
            break;
        }
        }
    }
    painter.restore();
}

bool ReportDocument::exportPdf(const QString &path, QString *why) const
{
    auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (isEmpty())
        return fail(tr("报表没有页面"));
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(tr("无法创建文件夹：%1").arg(info.absolutePath()));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(tr("无法写入文件：%1（%2）").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(name());
        writer.setCreator(QStringLiteral("Rentora"));
        writer.setResolution(600);
        writer.setPageLayout(pageLayout());
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return fail(tr("无法写入文件：%1").arg(path));
        }
        const QRectF target(0, 0, writer.width(), writer.height());
        for (int i = 0; i < pageCount(); ++i) {
            if (i > 0)
                writer.newPage();
            render(i, painter, target, false);
        }
        painter.end();
    }
    if (!file.commit())
        return fail(tr("无法写入文件：%1（%2）").arg(path, file.errorString()));
    return true;
}
