#pragma once

#include "ReportDocument.h"
#include "ReportPrinter.h"

#include <QWidget>

#include <algorithm>
#include <functional>

class QKeyEvent;
class QLabel;
class QPushButton;
class ReportPageKeys;
class ReportPageView;

// How big a page is shown: whole in the window, as wide as the window (scrolled), or at a
// percentage of its size on paper.
enum class ReportZoom { FitPage, FitWidth, Percent };

// Shows a generated report one page at a time, scaled to fit the window (or the window's width,
// scrolled, or a zoom percentage), with buttons for the first, previous, next and last page, the
// page number, and buttons to print on the default printer and to export a PDF file. Keys:
// PgUp/PgDn, Home/End turn pages wherever the focus is in the preview (or in the window that
// holds it, see takePageKeysFrom); on the page Ctrl with +, - or the wheel zooms, Ctrl+0 shows
// the paper's size. A report window can hide the button strip and drive the preview from its
// own controls.
class ReportPreview : public QWidget
{
    Q_OBJECT

public:
    explicit ReportPreview(QWidget *parent = nullptr);
    ~ReportPreview() override;

    // Shows the document's first page; the previous document is released.
    void setDocument(const ReportDocument &document);
    void clear();
    const ReportDocument &document() const { return m_document; }

    // The pages that can be shown: all of the document's, or while it is still being made
    // the ones finished so far (setPagesReady).
    int pageCount() const
    {
        return m_ready < 0 ? m_document.pageCount() : std::min(m_ready, m_document.pageCount());
    }
    // Limits paging to the first pages while later ones are made; -1 lifts the limit.
    void setPagesReady(int pages);
    // 1-based; 0 when there is no document.
    int currentPage() const { return m_page; }
    void setCurrentPage(int page);
    void firstPage() { setCurrentPage(1); }
    void previousPage() { setCurrentPage(m_page - 1); }
    void nextPage() { setCurrentPage(m_page + 1); }
    void lastPage() { setCurrentPage(pageCount()); }

    // Whole page in the window (the default) or the page's width, scrolled.
    void setFitWidth(bool fitWidth);
    bool fitWidth() const;

    // The zoom: a fit, or percent of the paper's size (25 to 400) for ReportZoom::Percent.
    void setZoom(ReportZoom mode, int percent = 100);
    ReportZoom zoomMode() const;
    // The page's size on screen in percent of its size on paper, whatever the mode.
    int zoomPercent() const;
    // One step up or down the zoom steps (25 % ... 400 %) from the size shown now.
    void zoomIn();
    void zoomOut();
    static QList<int> zoomSteps();

    void setToolBarVisible(bool visible);

    // The page keys turn this preview's pages wherever the focus is inside scope (the preview
    // itself unless a window holding it says otherwise): PgUp/PgDn always; Home/End too,
    // except in a field that moves its cursor or its choice with them (text and date fields,
    // drop-down lists), where Ctrl+Home/Ctrl+End turn to the first and the last page instead.
    void takePageKeysFrom(QWidget *scope);
    // Turns the page a key asks for; false when the key is no page key there.
    bool turnPageByKey(const QKeyEvent *event, bool fieldUsesHomeAndEnd);

    // Asked before the print button prints; false cancels (a question to the operator).
    void setPrintConfirmation(std::function<bool()> confirm)
    {
        m_confirmPrint = std::move(confirm);
    }
    // Chooses the file for the PDF button, given a suggested path; empty cancels. By default a
    // save dialog.
    void setPdfFileChooser(std::function<QString(const QString &)> chooser)
    {
        m_choosePdf = std::move(chooser);
    }

    // What the print and PDF buttons do, callable by a report window.
    ReportPrintOutcome print();
    bool exportPdf(const QString &path);
    QString statusText() const;

signals:
    void currentPageChanged(int page, int pageCount);
    void zoomChanged(ReportZoom mode, int percent);
    void printed(const ReportPrintOutcome &outcome);
    void statusChanged(const QString &text);

private:
    void updateControls();
    void setStatus(const QString &text);
    void exportPdfClicked();

    ReportDocument m_document;
    int m_page = 0;
    int m_ready = -1;
    std::function<bool()> m_confirmPrint;
    std::function<QString(const QString &)> m_choosePdf;

    QWidget *m_toolBar = nullptr;
    QPushButton *m_first = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_last = nullptr;
    QPushButton *m_fitWidth = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_pdf = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_status = nullptr;
    ReportPageView *m_view = nullptr;
    ReportPageKeys *m_keys = nullptr;
};
