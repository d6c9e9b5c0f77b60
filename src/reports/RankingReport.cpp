#include "RankingReport.h"

#include "data/SqlDialect.h"

#include <QCoreApplication>

namespace RankingReport {
namespace {

const ReportColumn kRank{0, 24, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "排  名")),
                         Qt::AlignRight | Qt::AlignVCenter};
const ReportColumn kName{34, 110, QStringLiteral(QT_TRANSLATE_NOOP("ReportColumn", "影片名称"))};
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
    return mode == Mode::Sales ? QCoreApplication::translate("RankingReport", "影片销售排行榜")
                               : QCoreApplication::translate("RankingReport", "影片租赁排行榜");
}

QString countedNote(Mode mode)
{
    return mode == Mode::Sales
               ? QCoreApplication::translate("RankingReport", "只计销售数量，不含出租")
               : QCoreApplication::translate("RankingReport", "只计出租，不含销售");
}

QString quantityCaption(Mode mode)
{
    return mode == Mode::Sales ? QCoreApplication::translate("RankingReport", "销售数量")
                               : QCoreApplication::translate("RankingReport", "出租次数");
}

QString kindCaption(Kind kind)
{
    return kind == Kind::ByCategory ? QCoreApplication::translate("RankingReport", "按类型排行")
                                    : QCoreApplication::translate("RankingReport", "总排行");
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
                              ? QStringLiteral(" ORDER BY r_.Categray COLLATE PINYIN, r_.Categray, "
                                               "r_.samount DESC, r_.Name COLLATE PINYIN")
                              : QStringLiteral(" ORDER BY r_.samount DESC, r_.Name COLLATE PINYIN");
    const QString columns = kind == Kind::ByCategory ? QStringLiteral("r_.Categray, ") : QString();
    // Equal counts share a place and the next count takes the place after all of them
    // (1, 2, 2, 4); by category the places count within the category.
    const QString place =
        kind == Kind::ByCategory
            ? QStringLiteral("RANK() OVER (PARTITION BY r_.Categray ORDER BY r_.samount DESC)")
            : QStringLiteral("RANK() OVER (ORDER BY r_.samount DESC)");
    const QString sql = QStringLiteral("SELECT %1r_.Name, r_.samount, %3 AS Place FROM (%2) AS r_")
                            .arg(columns, top, place) +
                        order;
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
        category.setRepeatHeader(true, ReportStyle::continuedMark());
        ReportBand &header = category.header().setHeight(LineH + 1);
        header.setBold();
        header
            .addText({0, 0, 24, LineH + 1},
                     QCoreApplication::translate("RankingReport", "影片类型:"))
            .alignRight();
        header.addColumn({kName.left, 0, kName.width, LineH + 1}, QStringLiteral("Categray"));
        category.footer().setHeight(2);
    }

    ReportBand &detail = r.detail().setHeight(LineH);
    detail.addColumn(kRank.rect(LineH), QStringLiteral("Place")).alignRight();
    detail.addColumn(kName.rect(LineH), QStringLiteral("Name"));
    detail.addColumn(quantity.rect(LineH), QStringLiteral("samount")).alignRight();

    // What was counted, under the last place: the rental ranking and the rental analysis
    // count rentals only, the sales ranking the quantities sold.
    ReportBand &summary = r.summary().setHeight(LineH + 1);
    summary.setFrame(ReportFrame::lines(true, false, 0.4));
    summary.addText({0, 1, ReportStyle::PageWidth, LineH}, countedNote(mode));
    return r;
}

} // namespace RankingReport
