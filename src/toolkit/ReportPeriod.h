#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <utility>

// The periods a report or chart is usually asked for, worked out from a given day, and the
// rule for a range typed the wrong way round. Widget-free.
namespace ReportPeriod {

enum class Preset { Today, ThisWeek, ThisMonth, LastMonth, ThisYear, LastYear };

struct Choice
{
    QString caption; // "今天", "本周", ...
    Preset preset;
};

// In the order they are offered: 今天, 本周, 本月, 上月, 今年, 去年.
QList<Choice> choices();

// The first and last day of the period that holds today (weeks begin on Monday).
std::pair<QDate, QDate> range(Preset preset, const QDate &today);

// Puts from and to in order; true when they had to be swapped.
bool putInOrder(QDate &from, QDate &to);

// What the window says after swapping a range typed the wrong way round.
QString swappedNotice(const QDate &from, const QDate &to);

} // namespace ReportPeriod
