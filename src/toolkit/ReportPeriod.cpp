#include "ReportPeriod.h"

#include <QCoreApplication>

namespace ReportPeriod {

QList<Choice> choices()
{
    return {{QCoreApplication::translate("ReportPeriod", "今天"), Preset::Today},
            {QCoreApplication::translate("ReportPeriod", "本周"), Preset::ThisWeek},
            {QCoreApplication::translate("ReportPeriod", "本月"), Preset::ThisMonth},
            {QCoreApplication::translate("ReportPeriod", "上月"), Preset::LastMonth},
            {QCoreApplication::translate("ReportPeriod", "今年"), Preset::ThisYear},
            {QCoreApplication::translate("ReportPeriod", "去年"), Preset::LastYear}};
}

std::pair<QDate, QDate> range(Preset preset, const QDate &today)
{
    const QDate monthStart(today.year(), today.month(), 1);
    switch (preset) {
    case Preset::Today:
        return {today, today};
    case Preset::ThisWeek: {
        const QDate monday = today.addDays(1 - today.dayOfWeek());
        return {monday, monday.addDays(6)};
    }
    case Preset::ThisMonth:
        return {monthStart, monthStart.addMonths(1).addDays(-1)};
    case Preset::LastMonth:
        return {monthStart.addMonths(-1), monthStart.addDays(-1)};
    case Preset::ThisYear:
        return {QDate(today.year(), 1, 1), QDate(today.year(), 12, 31)};
    case Preset::LastYear:
        return {QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
    }
    return {today, today};
}

bool putInOrder(QDate &from, QDate &to)
{
    if (!from.isValid() || !to.isValid() || from <= to)
        return false;
    std::swap(from, to);
    return true;
}

QString swappedNotice(const QDate &from, const QDate &to)
{
    return QCoreApplication::translate("ReportPeriod", "开始日期晚于结束日期，已将两个日期对调：从%1到%2。")
        .arg(from.toString(QStringLiteral("yyyy-MM-dd")), to.toString(QStringLiteral("yyyy-MM-dd")));
}

} // namespace ReportPeriod
