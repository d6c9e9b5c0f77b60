#include "ReportGenerator.h"

#include "ReportMask.h"

namespace {

struct PlacedField
{
    const ReportField *field = nullptr;
    int column = -1; // the column read by a Column or Sum field
    int font = 0;
    int flags = 0;
    int slot = -1;   // accumulator of a Sum or Count that adds up printed rows
};

struct PlacedBand
{
    const ReportBand *band = nullptr;
    std::vector<PlacedField> fields;
    bool looksAhead = false; // sums cover the rows to come (group header, title)
    bool hasAggregates = false;
};

struct Accumulator
{
    const PlacedField *field = nullptr;
    qint64 units = 0;
    qint64 count = 0;
};

constexpr qreal TextPaddingMm = 0.5;

} // namespace

// The state of one generation run.
class ReportLayout
{
public:
    ReportLayout(const ReportDefinition &definition, const ReportData &data,
                 const ReportGenerator::PageNotice &notice);
    ReportDocument run();

    // Laying out rows as they arrive: begin() once the first rows are in, feed() after more
    // have been appended, finish() when the last are in.
    void begin();
    void feed();
    void finish();
    bool begun() const { return m_page != nullptr || m_doc.pageCount() > 0; }
    // Whether rows can be laid out before all of them are in: not when a band sums the rows
    // to come (a title or group header with sums).
    bool streams() const;
    const ReportDocument &document() const { return m_doc; }

private:
    PlacedBand place(const ReportBand &band, bool looksAhead);
    QVariant key(int level, int row) const;
    int groupEnd(int level, int start) const;

    void newPage();
    void finishPage();
    void makeRoom(qreal height);
    void printGroupHeaders(int fromLevel, int row);
    void printGroupFooters(int fromLevel, int row);
    void print(const PlacedBand &band, int row, int rangeStart = 0, int rangeEnd = 0,
               const QString &continuedMark = QString());
    void accumulate(int row);
    QString aggregateText(const PlacedField &f, int rangeStart, int rangeEnd) const;
    QString fieldText(const PlacedField &f, const ReportContext &context, int rangeStart,
                      int rangeEnd) const;
    void addFrame(std::vector<ReportItem> &items, const QRectF &rect, const ReportFrame &frame);
    void setContext(int row);

    const ReportDefinition &m_def;
    const ReportData &m_data;
    const ReportGenerator::PageNotice &m_notice;
    ReportDocument m_doc;

    QRectF m_printable;
    PlacedBand m_title;
    PlacedBand m_pageHeader;
    PlacedBand m_detail;
    PlacedBand m_summary;
    PlacedBand m_pageFooter;
    std::vector<PlacedBand> m_groupHeaders;
    std::vector<PlacedBand> m_groupFooters;
    std::vector<int> m_groupColumns;
    std::vector<Accumulator> m_accumulators;

    std::vector<int> m_groupStarts; // first row of each open group
    std::vector<bool> m_groupOpen;  // header printed, footer not yet
    std::vector<ReportItem> *m_page = nullptr;
    int m_pageNumber = 0;
    qreal m_y = 0;       // from the top of the printable area, mm
    qreal m_bodyTop = 0; // where the rows of the current page begin
    qreal m_limit = 0;   // where the page footer begins
    int m_lastPrinted = -1;
    int m_next = 0; // the first row not laid out yet
    std::vector<QVariant> m_previous;
    std::vector<QVariant> m_current;
    ReportContext m_context;
};

ReportLayout::ReportLayout(const ReportDefinition &definition, const ReportData &data,
                           const ReportGenerator::PageNotice &notice)
    : m_def(definition)
    , m_data(data)
    , m_notice(notice)
    , m_doc(definition.name(), definition.page())
    , m_printable(definition.page().printableRect())
{
    const int levels = m_def.groupCount();
    // Accumulators point at placed fields: reserve so that the vectors never move them.
    m_groupHeaders.reserve(size_t(levels));
    m_groupFooters.reserve(size_t(levels));
    m_title = place(m_def.title(), true);
    m_pageHeader = place(m_def.pageHeader(), false);
    m_detail = place(m_def.detail(), false);
    for (int l = 0; l < levels; ++l) {
        const ReportGroup &g = m_def.group(l);
        m_groupHeaders.push_back(place(g.header(), true));
        m_groupFooters.push_back(place(g.footer(), false));
        m_groupColumns.push_back(g.column().isEmpty() ? -1 : m_data.columnIndex(g.column()));
    }
    m_summary = place(m_def.summary(), false);
    m_pageFooter = place(m_def.pageFooter(), false);

    auto collect = [this](PlacedBand &b) {
        if (b.looksAhead)
            return;
        for (PlacedField &f : b.fields) {
            if (f.field->isAggregate()) {
                f.slot = int(m_accumulators.size());
                m_accumulators.push_back(Accumulator{&f, 0, 0});
            }
        }
    };
    collect(m_pageHeader);
    collect(m_detail);
    for (PlacedBand &b : m_groupFooters)
        collect(b);
    collect(m_summary);
    collect(m_pageFooter);

    m_groupStarts.assign(size_t(levels), 0);
    m_groupOpen.assign(size_t(levels), false);
    m_context.m_groupStarts = &m_groupStarts;
}

PlacedBand ReportLayout::place(const ReportBand &band, bool looksAhead)
{
    PlacedBand placed;
    placed.band = &band;
    placed.looksAhead = looksAhead;
    QFont bandFont = band.font().value_or(m_def.font());
    if (band.bold())
        bandFont.setBold(*band.bold());
    for (const ReportField &field : band.fields()) {
        PlacedField f;
        f.field = &field;
        if (!field.column().isEmpty()) {
            f.column = m_data.columnIndex(field.column());
            if (f.column < 0 && !m_data.columns().isEmpty())
                qWarning("report %s: no column named %s", qUtf8Printable(m_def.name()),
                         qUtf8Printable(field.column()));
        }
        QFont font = field.font().value_or(bandFont);
        if (field.font() && band.bold() && !field.bold())
            font.setBold(*band.bold());
        if (field.bold())
            font.setBold(*field.bold());
        if (field.pointSize())
            font.setPointSizeF(*field.pointSize());
        f.font = m_doc.addFont(font);
        Qt::Alignment align = field.alignment().value_or(band.alignment());
        if (!(align & Qt::AlignVertical_Mask))
            align |= field.wordWrap() ? Qt::AlignTop : Qt::AlignVCenter;
        f.flags = int(align) | (field.wordWrap() ? int(Qt::TextWordWrap) : 0);
        placed.hasAggregates = placed.hasAggregates || field.isAggregate();
        placed.fields.push_back(f);
    }
    return placed;
}

QVariant ReportLayout::key(int level, int row) const
{
    const ReportGroup &g = m_def.group(level);
    if (g.keyFunction())
        return g.keyFunction()(ReportRow(&m_data, row));
    const int column = m_groupColumns[size_t(level)];
    return column >= 0 ? m_data.value(row, column) : QVariant();
}

// The row after the last one of the group at level that begins at start.
int ReportLayout::groupEnd(int level, int start) const
{
    int end = start + 1;
    for (; end < m_data.rowCount(); ++end) {
        bool same = true;
        for (int l = 0; l <= level && same; ++l)
            same = key(l, end) == key(l, start);
        if (!same)
            break;
    }
    return end;
}

ReportDocument ReportLayout::run()
{
    begin();
    feed();
    finish();
    return m_doc;
}

bool ReportLayout::streams() const
{
    if (m_title.hasAggregates)
        return false;
    for (const PlacedBand &header : m_groupHeaders) {
        if (header.hasAggregates)
            return false;
    }
    return true;
}

void ReportLayout::begin()
{
    const size_t levels = size_t(m_def.groupCount());
    m_previous.assign(levels, QVariant());
    m_current.assign(levels, QVariant());
    m_next = 0;
    newPage();
}

void ReportLayout::feed()
{
    const int rows = m_data.rowCount();
    const int levels = m_def.groupCount();
    for (int i = m_next; i < rows; ++i) {
        for (int l = 0; l < levels; ++l)
            m_current[size_t(l)] = key(l, i);
        int breakLevel = levels;
        if (i == 0) {
            breakLevel = 0;
        } else {
            for (int l = 0; l < levels; ++l) {
                if (m_current[size_t(l)] != m_previous[size_t(l)]) {
                    breakLevel = l;
                    break;
                }
            }
        }
        if (i > 0 && breakLevel < levels)
            printGroupFooters(breakLevel, i - 1);
        for (int l = breakLevel; l < levels; ++l)
            m_groupStarts[size_t(l)] = i;
        if (breakLevel < levels)
            printGroupHeaders(breakLevel, i);

        makeRoom(m_detail.band->height());
        accumulate(i);
        print(m_detail, i);
        m_lastPrinted = i;
        std::swap(m_previous, m_current);
    }
    m_next = rows;
}

void ReportLayout::finish()
{
    feed();
    const int rows = m_data.rowCount();
    if (rows > 0)
        printGroupFooters(0, rows - 1);
    makeRoom(m_summary.band->height());
    print(m_summary, rows - 1);
    finishPage();
}

void ReportLayout::setContext(int row)
{
    m_context.m_row = ReportRow(&m_data, row);
    m_context.m_rowNumber = row >= 0 && row < m_data.rowCount() ? row + 1 : 0;
    m_context.m_pageNumber = m_pageNumber;
}

void ReportLayout::newPage()
{
    if (m_page)
        finishPage();
    m_page = &m_doc.appendPage();
    ++m_pageNumber;
    m_y = 0;
    m_limit = m_printable.height() - m_pageFooter.band->height();
    const int next = std::min(m_lastPrinted + 1, m_data.rowCount() - 1);
    if (m_pageNumber == 1)
        print(m_title, 0, 0, m_data.rowCount());
    print(m_pageHeader, next);
    for (int l = 0; l < m_def.groupCount(); ++l) {
        if (m_groupOpen[size_t(l)] && m_def.group(l).repeatHeader()) {
            const PlacedBand &header = m_groupHeaders[size_t(l)];
            const int start = m_groupStarts[size_t(l)];
            // The header shows its own group's values, whatever row comes next.
            m_context.m_continued = true;
            print(header, start, start, header.hasAggregates ? groupEnd(l, start) : start + 1,
                  m_def.group(l).continuedMark());
            m_context.m_continued = false;
        }
    }
    m_bodyTop = m_y;
}

void ReportLayout::finishPage()
{
    if (!m_page)
        return;
    m_y = m_limit;
    print(m_pageFooter, m_lastPrinted);
    m_page = nullptr;
    if (m_notice)
        m_notice(m_doc.pageCount());
}

// Starts a new page unless a band of this height fits below what the page holds. A band taller
// than a whole page is printed on a page of its own and cut at the paper's edge.
void ReportLayout::makeRoom(qreal height)
{
    if (height <= 0)
        return;
    if (m_y + height > m_limit + 1e-9 && m_y > m_bodyTop + 1e-9)
        newPage();
}

void ReportLayout::printGroupHeaders(int fromLevel, int row)
{
    const int levels = m_def.groupCount();
    // Keep the headers together with the group's first row.
    qreal needed = m_detail.band->height();
    for (int l = fromLevel; l < levels; ++l)
        needed += m_groupHeaders[size_t(l)].band->height();
    makeRoom(needed);
    for (int l = fromLevel; l < levels; ++l) {
        const PlacedBand &header = m_groupHeaders[size_t(l)];
        makeRoom(header.band->height());
        const int end = header.hasAggregates ? groupEnd(l, row) : row + 1;
        print(header, row, row, end);
        m_groupOpen[size_t(l)] = true;
    }
}

void ReportLayout::printGroupFooters(int fromLevel, int row)
{
    for (int l = m_def.groupCount() - 1; l >= fromLevel; --l) {
        const PlacedBand &footer = m_groupFooters[size_t(l)];
        makeRoom(footer.band->height());
        print(footer, row);
        m_groupOpen[size_t(l)] = false;
    }
}

void ReportLayout::accumulate(int row)
{
    const ReportRow r(&m_data, row);
    for (Accumulator &a : m_accumulators) {
        ++a.count;
        const ReportField &field = *a.field->field;
        if (field.kind() != ReportField::Kind::Sum)
            continue;
        const QVariant value = field.valueFunction() ? field.valueFunction()(r)
                                                     : m_data.value(row, a.field->column);
        if (const auto units = ReportMask::toUnits(value, field.valueDivisor()))
            a.units += *units;
    }
}

QString ReportLayout::aggregateText(const PlacedField &f, int rangeStart, int rangeEnd) const
{
    const ReportField &field = *f.field;
    qint64 units = 0;
    if (f.slot >= 0) {
        const Accumulator &a = m_accumulators[size_t(f.slot)];
        units = field.kind() == ReportField::Kind::Count ? a.count * ReportMask::UnitsPerOne
                                                          : a.units;
    } else if (field.kind() == ReportField::Kind::Count) {
        units = qint64(std::max(rangeEnd - rangeStart, 0)) * ReportMask::UnitsPerOne;
    } else {
        for (int row = rangeStart; row < rangeEnd; ++row) {
            const QVariant value = field.valueFunction()
                                       ? field.valueFunction()(ReportRow(&m_data, row))
                                       : m_data.value(row, f.column);
            if (const auto u = ReportMask::toUnits(value, field.valueDivisor()))
                units += *u;
        }
    }
    return field.prefix() + ReportMask::format(units, field.mask()) + field.suffix();
}

QString ReportLayout::fieldText(const PlacedField &f, const ReportContext &context,
                                int rangeStart, int rangeEnd) const
{
    const ReportField &field = *f.field;
    QString text;
    switch (field.kind()) {
    case ReportField::Kind::Text:
    case ReportField::Kind::PageNumber:
        return field.text();
    case ReportField::Kind::Sum:
    case ReportField::Kind::Count:
        return aggregateText(f, rangeStart, rangeEnd);
    case ReportField::Kind::Column:
        text = ReportMask::display(context.row().value(f.column), field.mask(),
                                   field.valueDivisor());
        break;
    case ReportField::Kind::Computed:
        text = field.function() ? field.function()(context) : QString();
        if (!field.mask().isEmpty() && !text.isEmpty())
            text = ReportMask::display(text, field.mask(), field.valueDivisor());
        break;
    case ReportField::Kind::Line:
        return QString();
    }
    if (text.isEmpty())
        return text;
    return field.prefix() + text + field.suffix();
}

void ReportLayout::addFrame(std::vector<ReportItem> &items, const QRectF &r,
                            const ReportFrame &frame)
{
    auto line = [&](const QPointF &a, const QPointF &b) {
        ReportItem item;
        item.type = ReportItem::Type::Line;
        item.rect = QRectF(a, b);
        item.color = frame.color;
        item.widthMm = frame.widthMm;
        items.push_back(item);
    };
    if (frame.top)
        line(r.topLeft(), r.topRight());
    if (frame.bottom)
        line(r.bottomLeft(), r.bottomRight());
    if (frame.left)
        line(r.topLeft(), r.bottomLeft());
    if (frame.right)
        line(r.topRight(), r.bottomRight());
}

void ReportLayout::print(const PlacedBand &placed, int row, int rangeStart, int rangeEnd,
                         const QString &continuedMark)
{
    QString mark = continuedMark; // goes after the first value, then is used up
    const ReportBand &band = *placed.band;
    const qreal height = band.height();
    if (height <= 0 || !m_page)
        return;
    setContext(row);
    std::vector<ReportItem> &items = *m_page;
    const QPointF origin(m_printable.left(), m_printable.top() + m_y);
    const QRectF bandRect(origin, QSizeF(m_printable.width(), height));
    if (band.background().isValid()) {
        ReportItem fill;
        fill.type = ReportItem::Type::Fill;
        fill.rect = bandRect;
        fill.color = band.background();
        items.push_back(fill);
    }
    for (const PlacedField &f : placed.fields) {
        const ReportField &field = *f.field;
        const QRectF rect = field.rect().translated(origin);
        if (field.kind() == ReportField::Kind::Line) {
            ReportItem line;
            line.type = ReportItem::Type::Line;
            line.rect = rect;
            line.color = field.color();
            line.widthMm = field.lineWidth();
            items.push_back(line);
            continue;
        }
        if (field.background().isValid()) {
            ReportItem fill;
            fill.type = ReportItem::Type::Fill;
            fill.rect = rect;
            fill.color = field.background();
            items.push_back(fill);
        }
        QString text = fieldText(f, m_context, rangeStart, rangeEnd);
        if (!mark.isEmpty() && !text.isEmpty() &&
            (field.kind() == ReportField::Kind::Column ||
             field.kind() == ReportField::Kind::Computed)) {
            text += mark;
            mark.clear();
        }
        if (!text.isEmpty()) {
            ReportItem item;
            item.type = field.kind() == ReportField::Kind::PageNumber ? ReportItem::Type::PageText
                                                                      : ReportItem::Type::Text;
            const bool padded = field.frame().left || field.frame().right ||
                                field.background().isValid();
            item.rect = padded ? rect.adjusted(TextPaddingMm, 0, -TextPaddingMm, 0) : rect;
            item.text = text;
            item.font = f.font;
            item.flags = f.flags;
            item.color = field.color();
            items.push_back(std::move(item));
        }
        if (field.frame().any())
            addFrame(items, rect, field.frame());
    }
    if (band.frame().any())
        addFrame(items, bandRect, band.frame());
    m_y += height;

    // A band's own sums start again once it has printed.
    for (const PlacedField &f : placed.fields) {
        if (f.slot >= 0 && f.field->resetAfterPrint()) {
            Accumulator &a = m_accumulators[size_t(f.slot)];
            a.units = 0;
            a.count = 0;
        }
    }
}

ReportDocument ReportGenerator::generate(const ReportDefinition &definition,
                                         const ReportData &data, const PageNotice &notice)
{
    ReportLayout layout(definition, data, notice);
    return layout.run();
}

struct ReportGeneration::Private
{
    ReportDefinition definition;
    ReportData data;
    ReportGenerator::PageNotice notice;
    std::unique_ptr<ReportLayout> layout;
    bool finished = false;
};

ReportGeneration::ReportGeneration(const ReportDefinition &definition, const QStringList &columns,
                                   ReportGenerator::PageNotice notice)
    : d(std::make_unique<Private>())
{
    d->definition = definition;
    d->data = ReportData(columns);
    d->notice = std::move(notice);
    d->layout = std::make_unique<ReportLayout>(d->definition, d->data, d->notice);
}

ReportGeneration::~ReportGeneration() = default;

ReportData &ReportGeneration::data()
{
    return d->data;
}

void ReportGeneration::advance()
{
    // The title and the page header take their values from the first row: the first page
    // begins once there is one.
    if (d->finished || !d->layout->streams() || d->data.isEmpty())
        return;
    if (!d->layout->begun())
        d->layout->begin();
    d->layout->feed();
}

void ReportGeneration::finish()
{
    if (d->finished)
        return;
    if (!d->layout->begun())
        d->layout->begin();
    d->layout->finish();
    d->finished = true;
}

bool ReportGeneration::isFinished() const
{
    return d->finished;
}

ReportDocument ReportGeneration::document() const
{
    return d->layout->document();
}
