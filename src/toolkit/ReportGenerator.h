#pragma once

#include "ReportData.h"
#include "ReportDefinition.h"
#include "ReportDocument.h"

#include <functional>

// Lays a report's bands out over its rows into pages. A band never splits: one that does not
// fit below what is already on the page moves to the next page, a group header moves together
// with the first row of its group. The title prints at the top of the first page, the page
// header at the top of every page (below the title on the first), the summary after the last
// row, the page footer at the bottom of every page. A report without rows still gets its title,
// header and summary on one page.
class ReportGenerator
{
public:
    // Called after each page is complete with the number of pages generated so far.
    using PageNotice = std::function<void(int pagesGenerated)>;

    static ReportDocument generate(const ReportDefinition &definition, const ReportData &data,
                                   const PageNotice &notice = {});
};
