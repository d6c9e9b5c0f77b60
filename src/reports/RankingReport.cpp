#include "RankingReport.h"

#include "data/SqlDialect.h"

namespace RankingReport {
namespace {

const ReportColumn kRank{0, 24, QStringLiteral("排  名"), Qt::AlignRight | Qt::AlignVCenter};
const ReportColumn kName{34, 110, QStringLiteral("影片名称")};
const ReportColumn kQuantity{150, 40, QString(), Qt::AlignRight | Qt::AlignVCenter};

constexpr qreal LineH = ReportStyle::LineHeight;

// Every line of the range with its film; sale lines are those of customer -1.
QString innerSql(Mode mode, Kind kind)
{
    const QString categoryColumn =
        kind == Kind::ByCategory ? QStringLiteral("b.Categray, ") : QString();
    return QStringLiteral("SELECT %1b.Name, sum(a.Amount) AS samount "
                          "FROM TBBusinessDetail AS a JOIN TBName AS b ON b.ID = a.CDNum "
                          "WHERE a.DatTime >= ? AND a.DatTime < ? AND a.Ass_Number %2 -1 "
                          "GROUP BY %1b.Name")
        .arg(categoryColumn, mode == Mode::Sales ? QStringLiteral("=") : QStringLiteral("<>"));
}

} // namespace

QString title(Mode mode)
{
    return mode == Mode::Sales ? QStringLiteral("影片销售排行榜")
                               : QStringLiteral("影片租赁排行榜");
}

QString quantityCaption(Mode mode)
{
    return mode == Mode::Sales ? QStringLiteral("销售数量") : QStringLiteral("出租次数");
}

int places(Kind kind)
{
    return kind == Kind::ByCategory ? 100 : 10;
}

ReportData rows(Mode mode, Kind kind, const QDate &from, const QDate &to, const QSqlDatabase &db)
{
    // The places with their ties, then in the order the report prints them; equal counts
    // by name, so a ranking reads the same on every build.
    const QString top =
        SqlDialect::topNWithTies(innerSql(mode, kind), QStringLiteral("samount"), places(kind));
    const QString order = kind == Kind::ByCategory
                              ? QStringLiteral(" ORDER BY r_.Categray, r_.samount DESC, r_.Name")
                              : QStringLiteral(" ORDER BY r_.samount DESC, r_.Name");
    const QString columns = kind == Kind::ByCategory ? QStringLiteral("r_.Categray, ") : QString();
    const QString sql =
        QStringLiteral("SELECT %1r_.Name, r_.samount FROM (%2) AS r_").arg(columns, top) + order;
    return ReportData::fromQuery(sql, ReportRange::dayBounds(from, to), db);
}

ReportDefinition definition(Mode mode, Kind kind, const ReportHeading &heading)
{
    ReportDefinition r = ReportStyle::a4(title(mode));

    ReportBand &head = r.pageHeader();
    const qreal top = ReportStyle::addHeading(head, heading);
    ReportColumn quantity = kQuantity;
    quantity.caption = quantityCaption(mode);
    head.setHeight(top + ReportStyle::addColumnCaptions(head, top, {kRank, kName, quantity}));

    // By category every category is a group, and the ranks count from 1 inside it.
    const bool byCategory = kind == Kind::ByCategory;
    if (byCategory) {
        ReportGroup &category = r.addGroup(QStringLiteral("Categray"));
        ReportBand &header = category.header().setHeight(LineH + 1);
        header.setBold();
        header.addText({0, 0, 24, LineH + 1}, QStringLiteral("影片类型:")).alignRight();
        header.addColumn({kName.left, 0, kName.width, LineH + 1}, QStringLiteral("Categray"));
        category.footer().setHeight(2);
    }

    ReportBand &detail = r.detail().setHeight(LineH);
    detail
        .addComputed(kRank.rect(LineH),
                     [byCategory](const ReportContext &c) {
                         return QString::number(byCategory ? c.rowInGroup(0) : c.rowNumber());
                     })
        .alignRight();
    detail.addColumn(kName.rect(LineH), QStringLiteral("Name"));
    detail.addColumn(quantity.rect(LineH), QStringLiteral("samount")).alignRight();

    r.summary().setHeight(1).setFrame(ReportFrame::lines(true, false, 0.4));
    return r;
}

} // namespace RankingReport
