#pragma once

// TQChildFm, the frame of every report window: a strip of controls at the top (the date range
// "从 … 到 …", the page count, "上一页", "下一页", "刷新", " 打印") and the pages in a preview
// below. It lives in the main window's work area, filling it.
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
// "刷新" runs BuildReport. " 打印" asks "是否马上打印报表？" and on Yes prints the pages shown
// on the default printer (a PDF in data/prints where there is none); a report overrides
// BBprintClick only to print something else. A report whose rows do not depend on dates hides
// the pickers with setDateRangeVisible(false) (the heading then leaves out the range); controls
// of its own go into strip().

#include "ReportHeading.h"

#include "shell/BaseWindows.h"
#include "toolkit/ReportData.h"
#include "toolkit/ReportDefinition.h"
#include "toolkit/ReportDocument.h"

#include <functional>

class QDateEdit;
class QHBoxLayout;
class QLabel;
class QPushButton;
class ReportPreview;

class TQChildFm : public TBaseFm
{
    Q_OBJECT
public:
    explicit TQChildFm(QWidget *parent = nullptr);
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

    QDate fromDate() const;
    QDate toDate() const;
    void setDateRange(const QDate &from, const QDate &to);

    // The title in the heading (QRLabel3).
    void setReportTitle(const QString &title);
    QString reportTitle() const { return m_title; }
    // The heading of the next build: title, the pickers' dates (left out while the pickers
    // are hidden), "制表日期" and today.
    ReportHeading heading() const;

    int pageCount() const { return FPageCount; }
    // The preview's current page, 1-based; 0 when none is shown.
    int currentPage() const;
    const ReportData &rows() const { return m_rows; }
    const ReportDocument &document() const;

    // Controls, named as the reports' tests and screen readers find them.
    QLabel *Label1 = nullptr; // "从"
    QDateEdit *dxDateEdit2 = nullptr;
    QLabel *Label2 = nullptr; // "到"
    QDateEdit *dxDateEdit1 = nullptr;
    QLabel *lbPg = nullptr;
    QPushButton *btnPrev = nullptr;
    QPushButton *btnNext = nullptr;
    QPushButton *FlatButton4 = nullptr;
    QPushButton *BBprint = nullptr;
    ReportPreview *QRPreview1 = nullptr;

protected:
    // Runs a report's query and keeps its rows for the next generation; a database failure is
    // shown and false returned, the rows and pages of the last build staying as they were.
    bool bindRows(const std::function<ReportData()> &query);
    void setRows(ReportData rows) { m_rows = std::move(rows); }

    // Hides or shows the two pickers and their captions.
    void setDateRangeVisible(bool visible);
    bool dateRangeVisible() const { return m_rangeVisible; }
    void setPageCountVisible(bool visible);
    // The strip of controls, for a report's own controls.
    QHBoxLayout *strip() const { return m_strip; }

    // The report layout (bands) the frame generates from.
    ReportDefinition QuickRep1;
    int FPageCount = 0;

private:
    void showPageCount(int pages);
    void syncPageButtons(int page);

    QHBoxLayout *m_strip = nullptr;
    QString m_title;
    ReportData m_rows;
    bool m_rangeVisible = true;
};

// Shows a report window in front of the main window's work area (on its own when there is
// none) and runs its BuildReport, as every report's opener does.
void showReportWindow(TQChildFm *report);
