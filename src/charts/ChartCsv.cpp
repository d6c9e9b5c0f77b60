#include "ChartCsv.h"

#include "ChartScale.h"

#include <QCoreApplication>
#include <QMap>

namespace ChartCsv {

Table slices(const QList<Charts::Slice> &slices, const QString &nameCaption,
             const QString &valueCaption)
{
    Table table;
    table.header = {nameCaption, valueCaption, QCoreApplication::translate("ChartCsv", "占比(%)")};
    qint64 total = 0;
    for (const Charts::Slice &s : slices)
        total += s.value;
    for (const Charts::Slice &s : slices) {
        QString share = ChartScale::percent(s.value, total);
        share.chop(1); // the column's caption says it is a percentage
        table.rows.append({s.label, QString::number(s.value), share});
    }
    return table;
}

Table months(const QList<Charts::MonthSpending> &spent, const QList<Charts::MonthTakings> &taken)
{
    // "yyyy-MM" sorts as the months do.
    QMap<QString, QStringList> byMonth;
    const auto row = [&](const QString &month) -> QStringList & {
        auto it = byMonth.find(month);
        if (it == byMonth.end())
            it = byMonth.insert(month, {month, QString(), QString(), QString()});
        return *it;
    };
    for (const Charts::MonthSpending &m : spent)
        row(m.month)[1] = m.spent.toString();
    for (const Charts::MonthTakings &m : taken) {
        QStringList &r = row(m.month);
        r[2] = m.rent.toString();
        r[3] = m.deposit.toString();
    }
    Table table;
    table.header = {QCoreApplication::translate("ChartCsv", "月份"),
                    QCoreApplication::translate("ChartCsv", "购片支出(元)"),
                    QCoreApplication::translate("ChartCsv", "租金收入(元)"),
                    QCoreApplication::translate("ChartCsv", "押金(元)")};
    table.rows = byMonth.values();
    return table;
}

} // namespace ChartCsv
