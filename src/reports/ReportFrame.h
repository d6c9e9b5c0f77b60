#pragma once

// TQChildFm, the frame of every report window: a strip of controls at the top (the date range
// "从 … 到 …", "刷新", " 打印", "打印…", "导出"), the pages in a preview below it, and under
// them the paging ("上一页", the page number, the page count, "下一页") and the zoom. It lives
// in the main window's work area, filling it.
//
// How a report plugs in:
//
//   class TMyRepFm : public TQChildFm
//   {
//   public:
//       TMyRepFm() { setObjectName(QStringLiteral("TMyRepFm"));
//                    setReportTitle(QStringLiteral("我 的 报 表")); }
//       void BuildReport() override
//       {
//           // 1. The rows, read by a parameterised query (reports_core) from the pickers'
//           //    dates. A failure is shown and the pages already on screen stay.
//           if (!bindRows([this] { return MyReport::rows(fromDate(), toDate()); }))
//               return;
//           // 2. The bands: a ReportDefinition whose page header begins with the common
//           //    heading, ReportStyle::addHeading(def.pageHeader(), heading()).
//           QuickRep1 = MyReport::definition(heading());
//           // 3. The frame generates the pages, shows the first one and counts them, or says
//           //    "我没有找到您需要的数据!" when there are no rows.
//           TQChildFm::BuildReport();
//       }
//   };
//
//   // 4. The opener: one window for the program's life, shown and rebuilt on every call.
//   void ShowMyRep()
//   {
//       static QPointer<TMyRepFm> window;
//       if (!window)
//           window = new TMyRepFm;
//       showReportWindow(window);
//   }
//
// "刷新" runs BuildReport; a range whose start is after its end is swapped first, and the
// window says so. " 打印" asks "是否马上打印报表？" and on Yes prints the pages shown on the
// default printer (a PDF in data/prints where there is none); "打印…" opens the print dialog
// (printer, pages, copies); "导出" saves the pages as PDF or the rows as a CSV table (the file
// asked for through ReportFiles, which tests answer). A report
// overrides BBprintClick only to print something else, and names its CSV columns with
// setCsvColumns. A report whose rows do not depend on dates hides the pickers with
// setDateRangeVisible(false) (the heading then leaves out the range); controls of its own go
// into strip().

#include "ReportCsv.h"
#include "ReportHeading.h"

#include "shell/BaseWindows.h"
#include "toolkit/ReportData.h"
#include "toolkit/ReportDefinition.h"
#include "toolkit/ReportDocument.h"
#include "toolkit/ReportGenerator.h"

#include <functional>
#include <memory>
#include <optional>

class AccountContext;
class QAction;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class WrapLayout;
class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;
class ReportPreview;

namespace Db {
class DbError;
}

class TQChildFm : public TBaseFm
{
    Q_OBJECT
public:
    explicit TQChildFm(AccountContext &account, QWidget *parent = nullptr);
    ~TQChildFm() override;

    // Generates the report from QuickRep1 and the bound rows and shows its first page; with no
    // rows hides the preview, disables " 打印" and says so. Reports override it to read their
    // rows and lay out their bands first, then call this version.
    virtual void BuildReport();

    // The handlers of the strip's buttons.
    void btnNextClick();
    void btnPrevClick();
    virtual void FlatButton4Click(); // "刷新": BuildReport
    virtual void BBprintClick();     // " 打印": ask, then print the pages shown
    void BBprintDialogClick();       // "打印…": the print dialog, then print as chosen there
    bool exportPdfClick();           // "导出 PDF…": a file chosen, the pages written into it
    bool exportCsvClick();           // "导出 CSV…": a file chosen, the rows written into it

    // Shows the print dialog on printer; false when cancelled. Tests answer in its place.
    using PrintDialogRunner = std::function<bool(QWidget *parent, QPrinter &printer)>;
    static void setPrintDialogRunner(PrintDialogRunner runner);

    QDate fromDate() const;
    QDate toDate() const;
    void setDateRange(const QDate &from, const QDate &to);

    // "我没有找到您需要的数据!", said when a build finds no rows.
    static QString noDataText();

    // The title in the heading (QRLabel3); the window's caption is the title without the
    // spaces between its Chinese characters.
    void setReportTitle(const QString &title);
    QString reportTitle() const { return m_title; }
    // The heading of the next build: title, the pickers' dates (left out while the pickers
    // are hidden), "制表日期" and today.
    ReportHeading heading() const;

    int pageCount() const { return FPageCount; }
    // True while the pages of a long report are still being made (the first are on show).
    bool isGenerating() const { return m_generation != nullptr; }
    // The preview's current page, 1-based; 0 when none is shown.
    int currentPage() const;
    const ReportData &rows() const { return m_rows; }
    const ReportDocument &document() const;

    // Controls, named as the reports' tests and screen readers find them.
    QLabel *Label1 = nullptr; // "从"
    QDateEdit *dxDateEdit2 = nullptr;
    QLabel *Label2 = nullptr; // "到"
    QDateEdit *dxDateEdit1 = nullptr;
    QComboBox *ComBPeriod = nullptr; // 今天, 本周, 本月, 上月, 今年, 去年
    QSpinBox *EDPage = nullptr;      // "第 n 页": the page shown, typed to go there
    QLabel *lbPg = nullptr;
    QPushButton *btnPrev = nullptr;
    QPushButton *btnNext = nullptr;
    QComboBox *ComBZoom = nullptr; // 整页, 页宽, 50% ... 200%
    QPushButton *FlatButton4 = nullptr;
    QPushButton *BBprint = nullptr;
    QPushButton *BBprintDialog = nullptr; // "打印…"
    QPushButton *BtnExport = nullptr;     // "导出" with its menu
    QAction *ActExportPdf = nullptr;
    QAction *ActExportCsv = nullptr;
    ReportPreview *QRPreview1 = nullptr;

signals:
    // Every page of the build is made (at once, or after the last part of a long report).
    void reportBuilt();

protected:
    // Runs a report's query and keeps its rows for the next generation; a database failure is
    // shown and false returned, the rows and pages of the last build staying as they were.
    bool bindRows(const std::function<ReportData()> &query);

    // A report read in parts: its columns, and a function that appends the next rows (at
    // least minRows unless the end comes first) and tells whether more are to come. The first
    // page shows as soon as it is laid out; the rest are read and laid out a part at a time
    // while the window stays usable, the page count growing.
    struct RowSource
    {
        QStringList columns;
        std::function<bool(ReportData &into, int minRows)> readMore;
    };
    // Opens the source for the next build; a database failure is shown and false returned.
    bool bindRowSource(const std::function<RowSource()> &open);
    void setRows(ReportData rows) { m_rows = std::move(rows); }
    // The columns of the CSV export; without any, every column of the rows under its own name.
    void setCsvColumns(const QList<ReportCsvColumn> &columns) { m_csvColumns = columns; }
    // Puts the two dates in order before a build; a swap is said in a message. False when
    // the range cannot be used.
    bool orderDateRange();

    // Hides or shows the two pickers and their captions.
    void setDateRangeVisible(bool visible);
    bool dateRangeVisible() const { return m_rangeVisible; }
    void setPageCountVisible(bool visible);
    // The strip of controls, for a report's own controls.
    WrapLayout *strip() const { return m_strip; }

    // The report layout (bands) the frame generates from.
    ReportDefinition QuickRep1;
    int FPageCount = 0;

private:
    void showPageCount(int pages);
    void syncPageButtons(int page);
    void syncZoomBox();
    void buildInParts();
    void generateSome(int buildId, qint64 budgetMs);
    void finishParts();
    void failParts(const Db::DbError &why);
    void zoomBoxChosen(int index);
    void enableOutput(bool enabled);
    QString suggestedFile(const QString &suffix) const;

    WrapLayout *m_strip = nullptr;
    QString m_title;
    ReportData m_rows;
    QList<ReportCsvColumn> m_csvColumns;
    std::optional<RowSource> m_source;
    std::unique_ptr<ReportGeneration> m_generation;
    bool m_moreRows = false;
    int m_buildId = 0;
    bool m_rangeVisible = true;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};

// Shows a report window in front of the main window's work area (on its own when there is
// none) and runs its BuildReport, as every report's opener does.
void showReportWindow(TQChildFm *report);
