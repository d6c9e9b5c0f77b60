#pragma once

// A banded report: paper, bands and the fields on them. A report is configured once and then
// generated from rows into a ReportDocument (the page store), which is previewed, printed or
// saved as PDF. All positions and sizes are millimetres; a field's rectangle is relative to
// the top-left corner of its band, whose width is the paper's width inside the margins.
//
// A receipt-like report:
//
//   ReportDefinition r(QStringLiteral("单据"));
//   r.setPage(ReportPage::custom(QSizeF(70, 100), QMarginsF(0, 10, 0, 10)));
//   r.setFont(QFont(QStringLiteral("SimSun"), 9));
//
//   ReportBand &title = r.title().setHeight(16);
//   title.addText({0, 0, 70, 8}, QStringLiteral("欢迎光临"))
//       .setFont(QFont(QStringLiteral("Arial"), 16, QFont::Bold)).alignCenter();
//   title.addText({0, 8, 70, 8}, shopName).setFont(QFont(QStringLiteral("Arial"), 16,
//                                                            QFont::Bold)).alignCenter();
//
//   ReportBand &head = r.pageHeader().setHeight(5);
//   head.setBold().setFrame(ReportFrame::lines(false, true));
//   head.addText({0, 0, 40, 5}, QStringLiteral("影碟名称"));
//   head.addText({40, 0, 10, 5}, QStringLiteral("数量")).alignRight();
//
//   ReportBand &detail = r.detail().setHeight(5);
//   detail.addColumn({0, 0, 40, 5}, QStringLiteral("name"));
//   detail.addColumn({40, 0, 10, 5}, QStringLiteral("Amount")).alignRight();
//   detail.addColumn({50, 0, 20, 5}, QStringLiteral("RMoney")).setCents()
//       .setMask(QStringLiteral("#0.00")).alignRight();
//
//   ReportBand &sum = r.summary().setHeight(6);
//   sum.addText({0, 0, 20, 6}, QStringLiteral("合计：")).setBold();
//   sum.addCount({40, 0, 10, 6}).alignRight();
//   sum.addSum({50, 0, 20, 6}, QStringLiteral("RMoney")).setCents()
//       .setMask(QStringLiteral("#0.00")).alignRight().setBold();
//
//   ReportData rows = ReportData::fromQuery(QStringLiteral("select ... where b.ID > ?"), {id}, db);
//   ReportDocument doc = ReportGenerator::generate(r, rows);
//   ReportPrinter::print(doc);            // default printer, or a PDF in data/prints/
//
// Groups nest in the order they are added (the first is the outermost):
//
//   ReportGroup &day = r.addGroup(QStringLiteral("DatTime"));
//   day.header().setHeight(5).addColumn({0, 0, 30, 5}, QStringLiteral("DatTime"));
//   day.footer().setHeight(5).addSum({150, 0, 40, 5}, QStringLiteral("Deposit")).setCents()
//       .setMask(QStringLiteral("#0.00")).alignRight();
//
// A sum or a count covers the detail rows printed since its band last printed: in a group
// footer that is its group, in the summary the whole report, in the page footer the page.
// In a group header or the title it covers the rows to come (its group, the whole report).

#include "ReportData.h"

#include <QColor>
#include <QFont>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Paper size and margins in millimetres; portrait when taller than wide.
struct ReportPage
{
    QSizeF sizeMm{210, 297};
    QMarginsF marginsMm{10, 10, 10, 10};

    static ReportPage a4(qreal marginMm = 10);
    static ReportPage custom(const QSizeF &sizeMm, const QMarginsF &marginsMm);

    // The area inside the margins, in millimetres from the paper's top-left corner.
    QRectF printableRect() const;
    bool operator==(const ReportPage &) const = default;
};

// Lines drawn along the sides of a band or a field.
struct ReportFrame
{
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
    qreal widthMm = 0.2;
    QColor color = Qt::black;

    static ReportFrame box(qreal widthMm = 0.2);
    static ReportFrame lines(bool top, bool bottom, qreal widthMm = 0.2);
    bool any() const { return top || bottom || left || right; }
};

class ReportContext;

class ReportField
{
public:
    enum class Kind {
        Text,       // a fixed text
        Column,     // a column's value of the current row
        Computed,   // a text computed from the current row and position
        Sum,        // the sum of a column (or of a value function) over detail rows
        Count,      // the number of detail rows
        PageNumber, // "%1" page number, "%2" page count in the field's text
        Line        // a straight line from the rectangle's top-left to its bottom-right
    };
    using TextFunction = std::function<QString(const ReportContext &)>;
    using ValueFunction = std::function<QVariant(const ReportRow &)>;

    ReportField(Kind kind, const QRectF &rectMm);

    ReportField &setText(const QString &text);
    ReportField &setColumn(const QString &column);
    ReportField &setFunction(TextFunction function);
    ReportField &setValueFunction(ValueFunction function);
    // Display mask for numbers, e.g. "#0.00", "共0.00元" (see ReportMask.h).
    ReportField &setMask(const QString &mask);
    // The values are integers in 1/divisor units; setCents() is divisor 100 (money columns).
    ReportField &setValueDivisor(int divisor);
    ReportField &setCents() { return setValueDivisor(100); }
    // Printed before and after the value when there is one (a column or computed text).
    ReportField &setPrefix(const QString &prefix);
    ReportField &setSuffix(const QString &suffix);

    ReportField &setAlignment(Qt::Alignment alignment);
    ReportField &alignLeft() { return setAlignment(Qt::AlignLeft | Qt::AlignVCenter); }
    ReportField &alignRight() { return setAlignment(Qt::AlignRight | Qt::AlignVCenter); }
    ReportField &alignCenter() { return setAlignment(Qt::AlignCenter); }
    ReportField &setFont(const QFont &font);
    ReportField &setBold(bool bold = true);
    ReportField &setPointSize(qreal points);
    // Off: a text too long for the rectangle is cut at its edge. On: it wraps onto further
    // lines inside the rectangle, and what still does not fit is cut.
    ReportField &setWordWrap(bool wrap = true);
    ReportField &setColor(const QColor &color);
    ReportField &setBackground(const QColor &color);
    ReportField &setFrame(const ReportFrame &frame);
    ReportField &setLineWidth(qreal widthMm);
    // Sums and counts: false keeps adding across prints (a running total).
    ReportField &setResetAfterPrint(bool reset);

    Kind kind() const { return m_kind; }
    QRectF rect() const { return m_rect; }
    QString text() const { return m_text; }
    QString column() const { return m_column; }
    const TextFunction &function() const { return m_function; }
    const ValueFunction &valueFunction() const { return m_valueFunction; }
    QString mask() const { return m_mask; }
    int valueDivisor() const { return m_divisor; }
    QString prefix() const { return m_prefix; }
    QString suffix() const { return m_suffix; }
    std::optional<Qt::Alignment> alignment() const { return m_alignment; }
    std::optional<QFont> font() const { return m_font; }
    std::optional<bool> bold() const { return m_bold; }
    std::optional<qreal> pointSize() const { return m_pointSize; }
    bool wordWrap() const { return m_wordWrap; }
    QColor color() const { return m_color; }
    QColor background() const { return m_background; }
    ReportFrame frame() const { return m_frame; }
    qreal lineWidth() const { return m_lineWidth; }
    bool resetAfterPrint() const { return m_resetAfterPrint; }
    bool isAggregate() const { return m_kind == Kind::Sum || m_kind == Kind::Count; }

private:
    Kind m_kind;
    QRectF m_rect;
    QString m_text;
    QString m_column;
    TextFunction m_function;
    ValueFunction m_valueFunction;
    QString m_mask;
    int m_divisor = 1;
    QString m_prefix;
    QString m_suffix;
    std::optional<Qt::Alignment> m_alignment;
    std::optional<QFont> m_font;
    std::optional<bool> m_bold;
    std::optional<qreal> m_pointSize;
    bool m_wordWrap = false;
    QColor m_color = Qt::black;
    QColor m_background;
    ReportFrame m_frame;
    qreal m_lineWidth = 0.2;
    bool m_resetAfterPrint = true;
};

class ReportBand
{
public:
    enum class Kind { Title, PageHeader, GroupHeader, Detail, GroupFooter, Summary, PageFooter };

    explicit ReportBand(Kind kind);

    Kind kind() const { return m_kind; }
    // A band of height 0 (the default) never prints.
    ReportBand &setHeight(qreal mm);
    qreal height() const { return m_height; }
    bool prints() const { return m_height > 0; }

    // The font, alignment and colour of the band's fields unless a field sets its own.
    ReportBand &setFont(const QFont &font);
    ReportBand &setBold(bool bold = true);
    ReportBand &setAlignment(Qt::Alignment alignment);
    ReportBand &setBackground(const QColor &color);
    ReportBand &setFrame(const ReportFrame &frame);

    std::optional<QFont> font() const { return m_font; }
    std::optional<bool> bold() const { return m_bold; }
    Qt::Alignment alignment() const { return m_alignment; }
    QColor background() const { return m_background; }
    ReportFrame frame() const { return m_frame; }

    ReportField &addText(const QRectF &rectMm, const QString &text);
    ReportField &addColumn(const QRectF &rectMm, const QString &column);
    ReportField &addComputed(const QRectF &rectMm, ReportField::TextFunction function);
    ReportField &addSum(const QRectF &rectMm, const QString &column);
    ReportField &addSum(const QRectF &rectMm, ReportField::ValueFunction value);
    ReportField &addCount(const QRectF &rectMm);
    // format: "%1" is replaced by the page number, "%2" by the number of pages.
    ReportField &addPageNumber(const QRectF &rectMm, const QString &format = QStringLiteral("%1"));
    ReportField &addLine(const QPointF &fromMm, const QPointF &toMm, qreal widthMm = 0.2);

    const std::deque<ReportField> &fields() const { return m_fields; }
    std::deque<ReportField> &fields() { return m_fields; }
    void clearFields() { m_fields.clear(); }

private:
    ReportField &add(ReportField field);

    Kind m_kind;
    qreal m_height = 0;
    std::optional<QFont> m_font;
    std::optional<bool> m_bold;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor m_background;
    ReportFrame m_frame;
    std::deque<ReportField> m_fields;
};

// A group: rows with the same key one after another form one group; a new group starts
// wherever the key differs from the previous row's. The header prints before a group's first
// row, the footer after its last. Without a key the whole report is one group.
class ReportGroup
{
public:
    using KeyFunction = std::function<QVariant(const ReportRow &)>;

    ReportGroup();
    explicit ReportGroup(const QString &column);
    explicit ReportGroup(KeyFunction key);

    ReportGroup &setColumn(const QString &column);
    ReportGroup &setKeyFunction(KeyFunction key);
    ReportGroup &clearKey();
    // Prints the header again at the top of every page the group continues on. A mark such
    // as " (续)" follows the first value of a header printed again, so that the reader sees
    // the group goes on from the page before.
    ReportGroup &setRepeatHeader(bool repeat, const QString &continuedMark = QString());

    QString column() const { return m_column; }
    const KeyFunction &keyFunction() const { return m_key; }
    bool hasKey() const { return !m_column.isEmpty() || m_key; }
    bool repeatHeader() const { return m_repeatHeader; }
    QString continuedMark() const { return m_continuedMark; }

    ReportBand &header() { return m_header; }
    ReportBand &footer() { return m_footer; }
    const ReportBand &header() const { return m_header; }
    const ReportBand &footer() const { return m_footer; }

private:
    QString m_column;
    KeyFunction m_key;
    bool m_repeatHeader = false;
    QString m_continuedMark;
    ReportBand m_header{ReportBand::Kind::GroupHeader};
    ReportBand m_footer{ReportBand::Kind::GroupFooter};
};

class ReportDefinition
{
public:
    explicit ReportDefinition(const QString &name = QString());

    // Names the PDF document, the print job and the files written for the report.
    void setName(const QString &name) { m_name = name; }
    QString name() const { return m_name; }

    void setPage(const ReportPage &page) { m_page = page; }
    ReportPage page() const { return m_page; }

    // The font of every band that does not set its own (SimSun 9 pt at first).
    void setFont(const QFont &font) { m_font = font; }
    QFont font() const { return m_font; }

    ReportBand &title() { return m_title; }           // first page, at the top
    ReportBand &pageHeader() { return m_pageHeader; } // every page (column headers)
    ReportBand &detail() { return m_detail; }         // one per row
    ReportBand &summary() { return m_summary; }       // after the last row, last page
    ReportBand &pageFooter() { return m_pageFooter; } // bottom of every page
    const ReportBand &title() const { return m_title; }
    const ReportBand &pageHeader() const { return m_pageHeader; }
    const ReportBand &detail() const { return m_detail; }
    const ReportBand &summary() const { return m_summary; }
    const ReportBand &pageFooter() const { return m_pageFooter; }

    ReportGroup &addGroup(const QString &column);
    ReportGroup &addGroup(ReportGroup::KeyFunction key);
    ReportGroup &addGroup();
    int groupCount() const { return int(m_groups.size()); }
    ReportGroup &group(int level) { return m_groups.at(size_t(level)); }
    const ReportGroup &group(int level) const { return m_groups.at(size_t(level)); }
    void clearGroups() { m_groups.clear(); }

private:
    QString m_name;
    ReportPage m_page;
    QFont m_font;
    ReportBand m_title{ReportBand::Kind::Title};
    ReportBand m_pageHeader{ReportBand::Kind::PageHeader};
    ReportBand m_detail{ReportBand::Kind::Detail};
    ReportBand m_summary{ReportBand::Kind::Summary};
    ReportBand m_pageFooter{ReportBand::Kind::PageFooter};
    std::deque<ReportGroup> m_groups;
};

// What a computed field sees while its band is being laid out.
class ReportContext
{
public:
    // The current row: the detail's row, a group header's first row, a group footer's last
    // row, the title's first row and the summary's last row. Invalid when there are no rows.
    const ReportRow &row() const { return m_row; }
    QVariant value(const QString &column) const { return m_row.value(column); }
    // 1-based position of the current row in the report; 0 when there is none.
    int rowNumber() const { return m_rowNumber; }
    // 1-based position of the current row in its group at level (-1: the innermost group;
    // without groups, the report).
    int rowInGroup(int level = -1) const;
    int pageNumber() const { return m_pageNumber; }
    // True while a group header is printed again at the top of a page its group goes on to.
    bool continued() const { return m_continued; }

private:
    friend class ReportLayout;
    bool m_continued = false;
    ReportRow m_row;
    int m_rowNumber = 0;
    int m_pageNumber = 0;
    const std::vector<int> *m_groupStarts = nullptr; // first row index of each open group
};
