#pragma once

#include "ReportHeading.h"

#include "data/Db.h"
#include "toolkit/ReportData.h"

// The rental and sales rankings: the films that went out most often in a date range, over
// all categories (the first ten) or by category (the first hundred), with every film that ties
// with the last place. Rentals count rental lines; sales count the quantities of sale lines.
namespace RankingReport {

enum class Mode { Rentals = 0, Sales = 1 };
enum class Kind { Overall = 0, ByCategory = 1 };

// The kinds as the window offers them: "总排行", "按类型排行".
QString kindCaption(Kind kind);

QString title(Mode mode);
// What the ranking counts, printed under it: "只计出租，不含销售" or "只计销售数量，不含出租".
QString countedNote(Mode mode);
// The quantity column's caption: "出租次数" or "销售数量".
QString quantityCaption(Mode mode);
// How many places a ranking keeps: 10 overall, 100 by category.
int places(Kind kind);

// Columns: Categray (by category only), Name, samount and Place (equal counts share a
// place: 1, 2, 2, 4). Overall: highest count first.
// By category: the categories in order, each with its films highest count first.
ReportData rows(Mode mode, Kind kind, const QDate &from, const QDate &to, const QSqlDatabase &db);

ReportDefinition definition(Mode mode, Kind kind, const ReportHeading &heading);

} // namespace RankingReport
