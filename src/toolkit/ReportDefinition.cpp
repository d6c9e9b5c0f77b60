#include "ReportDefinition.h"

#include <utility>

ReportPage ReportPage::a4(qreal marginMm)
{
    return ReportPage{QSizeF(210, 297), QMarginsF(marginMm, marginMm, marginMm, marginMm)};
}

ReportPage ReportPage::custom(const QSizeF &sizeMm, const QMarginsF &marginsMm)
{
    return ReportPage{sizeMm, marginsMm};
}

QRectF ReportPage::printableRect() const
{
    const QRectF paper(QPointF(0, 0), sizeMm);
    const QRectF inner = paper.marginsRemoved(marginsMm);
    return QRectF(inner.topLeft(), QSizeF(std::max<qreal>(inner.width(), 0),
                                          std::max<qreal>(inner.height(), 0)));
}

ReportFrame ReportFrame::box(qreal widthMm)
{
    ReportFrame f;
    f.top = f.bottom = f.left = f.right = true;
    f.widthMm = widthMm;
    return f;
}

ReportFrame ReportFrame::lines(bool top, bool bottom, qreal widthMm)
{
    ReportFrame f;
    f.top = top;
    f.bottom = bottom;
    f.widthMm = widthMm;
    return f;
}

// ---- ReportField ----

ReportField::ReportField(Kind kind, const QRectF &rectMm)
    : m_kind(kind)
    , m_rect(rectMm)
{
}

ReportField &ReportField::setText(const QString &text)
{
    m_text = text;
    return *this;
}

ReportField &ReportField::setColumn(const QString &column)
{
    m_column = column;
    return *this;
}

ReportField &ReportField::setFunction(TextFunction function)
{
    m_function = std::move(function);
    return *this;
}

ReportField &ReportField::setValueFunction(ValueFunction function)
{
    m_valueFunction = std::move(function);
    return *this;
}

ReportField &ReportField::setMask(const QString &mask)
{
    m_mask = mask;
    return *this;
}

ReportField &ReportField::setValueDivisor(int divisor)
{
    m_divisor = divisor > 0 ? divisor : 1;
    return *this;
}

ReportField &ReportField::setPrefix(const QString &prefix)
{
    m_prefix = prefix;
    return *this;
}

ReportField &ReportField::setSuffix(const QString &suffix)
{
    m_suffix = suffix;
    return *this;
}

ReportField &ReportField::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    return *this;
}

ReportField &ReportField::setFont(const QFont &font)
{
    m_font = font;
    return *this;
}

ReportField &ReportField::setBold(bool bold)
{
    m_bold = bold;
    return *this;
}

ReportField &ReportField::setPointSize(qreal points)
{
    if (points > 0)
        m_pointSize = points;
    return *this;
}

ReportField &ReportField::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    return *this;
}

ReportField &ReportField::setColor(const QColor &color)
{
    m_color = color;
    return *this;
}

ReportField &ReportField::setBackground(const QColor &color)
{
    m_background = color;
    return *this;
}

ReportField &ReportField::setFrame(const ReportFrame &frame)
{
    m_frame = frame;
    return *this;
}

ReportField &ReportField::setLineWidth(qreal widthMm)
{
    m_lineWidth = std::max<qreal>(widthMm, 0);
    return *this;
}

ReportField &ReportField::setResetAfterPrint(bool reset)
{
    m_resetAfterPrint = reset;
    return *this;
}

// ---- ReportBand ----

ReportBand::ReportBand(Kind kind)
    : m_kind(kind)
{
}

ReportBand &ReportBand::setHeight(qreal mm)
{
    m_height = std::max<qreal>(mm, 0);
    return *this;
}

ReportBand &ReportBand::setFont(const QFont &font)
{
    m_font = font;
    return *this;
}

ReportBand &ReportBand::setBold(bool bold)
{
    m_bold = bold;
    return *this;
}

ReportBand &ReportBand::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    return *this;
}

ReportBand &ReportBand::setBackground(const QColor &color)
{
    m_background = color;
    return *this;
}

ReportBand &ReportBand::setFrame(const ReportFrame &frame)
{
    m_frame = frame;
    return *this;
}

ReportField &ReportBand::add(ReportField field)
{
    m_fields.push_back(std::move(field));
    return m_fields.back();
}

ReportField &ReportBand::addText(const QRectF &rectMm, const QString &text)
{
    return add(ReportField(ReportField::Kind::Text, rectMm).setText(text));
}

ReportField &ReportBand::addColumn(const QRectF &rectMm, const QString &column)
{
    return add(ReportField(ReportField::Kind::Column, rectMm).setColumn(column));
}

ReportField &ReportBand::addComputed(const QRectF &rectMm, ReportField::TextFunction function)
{
    return add(ReportField(ReportField::Kind::Computed, rectMm).setFunction(std::move(function)));
}

ReportField &ReportBand::addSum(const QRectF &rectMm, const QString &column)
{
    return add(ReportField(ReportField::Kind::Sum, rectMm).setColumn(column));
}

ReportField &ReportBand::addSum(const QRectF &rectMm, ReportField::ValueFunction value)
{
    return add(ReportField(ReportField::Kind::Sum, rectMm).setValueFunction(std::move(value)));
}

ReportField &ReportBand::addCount(const QRectF &rectMm)
{
    return add(ReportField(ReportField::Kind::Count, rectMm));
}

ReportField &ReportBand::addPageNumber(const QRectF &rectMm, const QString &format)
{
    return add(ReportField(ReportField::Kind::PageNumber, rectMm).setText(format));
}

ReportField &ReportBand::addLine(const QPointF &fromMm, const QPointF &toMm, qreal widthMm)
{
    return add(ReportField(ReportField::Kind::Line, QRectF(fromMm, toMm)).setLineWidth(widthMm));
}

// ---- ReportGroup ----

ReportGroup::ReportGroup() = default;

ReportGroup::ReportGroup(const QString &column)
    : m_column(column)
{
}

ReportGroup::ReportGroup(KeyFunction key)
    : m_key(std::move(key))
{
}

ReportGroup &ReportGroup::setColumn(const QString &column)
{
    m_column = column;
    m_key = nullptr;
    return *this;
}

ReportGroup &ReportGroup::setKeyFunction(KeyFunction key)
{
    m_key = std::move(key);
    m_column.clear();
    return *this;
}

ReportGroup &ReportGroup::clearKey()
{
    m_key = nullptr;
    m_column.clear();
    return *this;
}

ReportGroup &ReportGroup::setRepeatHeader(bool repeat, const QString &continuedMark)
{
    m_repeatHeader = repeat;
    m_continuedMark = continuedMark;
    return *this;
}

// ---- ReportDefinition ----

ReportDefinition::ReportDefinition(const QString &name)
    : m_name(name)
    , m_font(QStringLiteral("SimSun"), 9)
{
}

ReportGroup &ReportDefinition::addGroup(const QString &column)
{
    m_groups.emplace_back(column);
    return m_groups.back();
}

ReportGroup &ReportDefinition::addGroup(ReportGroup::KeyFunction key)
{
    m_groups.emplace_back(std::move(key));
    return m_groups.back();
}

ReportGroup &ReportDefinition::addGroup()
{
    m_groups.emplace_back();
    return m_groups.back();
}

int ReportContext::rowInGroup(int level) const
{
    if (m_rowNumber <= 0)
        return 0;
    if (!m_groupStarts || m_groupStarts->empty())
        return m_rowNumber;
    const size_t l = level < 0 || size_t(level) >= m_groupStarts->size()
                         ? m_groupStarts->size() - 1
                         : size_t(level);
    return m_row.index() - (*m_groupStarts)[l] + 1;
}
