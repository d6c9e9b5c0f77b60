#pragma once

#include "ReportData.h"
#include "ReportDefinition.h"
#include "ReportDocument.h"

#include <functional>
#include <memory>

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

// A report laid out while its rows arrive, so that its first pages can be shown before the
// last rows are read: rows are appended to data(), advance() lays out those in so far (the
// pages appear in document(), which copies share), finish() closes the open groups and prints
// the summary once the last rows are in. A report whose title or group headers sum the rows to
// come is laid out by finish() alone. The pages are the same as generate() makes of all rows.
class ReportGeneration
{
public:
    ReportGeneration(const ReportDefinition &definition, const QStringList &columns,
                     ReportGenerator::PageNotice notice = {});
    ~ReportGeneration();
    ReportGeneration(const ReportGeneration &) = delete;
    ReportGeneration &operator=(const ReportGeneration &) = delete;

    ReportData &data();
    void advance();
    void finish();
    bool isFinished() const;
    ReportDocument document() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
