#include "ReportPreview.h"

#include "MessageBox.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWheelEvent>

// The page itself: draws the current page at the widget's size, keeping the last drawing so
// that repaints (scrolling, expose) do not lay the page out again.
class ReportPageCanvas : public QWidget
{
public:
    explicit ReportPageCanvas(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void showPage(const ReportDocument &document, int pageIndex)
    {
        m_document = document;
        m_pageIndex = pageIndex;
        m_cache = QPixmap();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const qreal dpr = devicePixelRatioF();
        if (m_cache.isNull() || m_cache.size() != size() * dpr) {
            m_cache = QPixmap(size() * dpr);
            m_cache.setDevicePixelRatio(dpr);
            m_cache.fill(Qt::white);
            if (m_pageIndex >= 0) {
                QPainter p(&m_cache);
                m_document.render(m_pageIndex, p, QRectF(QPointF(0, 0), QSizeF(size())));
            }
        }
        QPainter p(this);
        p.drawPixmap(0, 0, m_cache);
    }

private:
    ReportDocument m_document;
    int m_pageIndex = -1;
    QPixmap m_cache;
};

// A grey desk with the page on it, fitted to the view or to its width, or zoomed.
class ReportPageView : public QScrollArea
{
public:
    explicit ReportPageView(ReportPreview *preview)
        : QScrollArea(preview)
        , m_preview(preview)
        , m_canvas(new ReportPageCanvas(this))
    {
        setObjectName(QStringLiteral("ReportPageView"));
        setAccessibleName(ReportPreview::tr("报表页面"));
        setBackgroundRole(QPalette::Dark);
        setAlignment(Qt::AlignCenter);
        setWidget(m_canvas);
        setWidgetResizable(false);
        setFocusPolicy(Qt::StrongFocus);
        m_canvas->hide();
        applyScrollBars();
    }

    void showPage(const ReportDocument &document, int pageIndex)
    {
        m_pageSize = document.page().sizeMm;
        m_canvas->setVisible(pageIndex >= 0);
        m_canvas->showPage(document, pageIndex);
        fitCanvas();
        verticalScrollBar()->setValue(0);
    }

    void setZoom(ReportZoom mode, int percent)
    {
        m_mode = mode;
        m_percent = std::clamp(percent, ReportPreview::zoomSteps().first(),
                               ReportPreview::zoomSteps().last());
        applyScrollBars();
        fitCanvas();
    }
    ReportZoom zoomMode() const { return m_mode; }

    // Pixels of a millimetre of paper at 100 %.
    qreal pixelsPerMm() const { return logicalDpiX() / 25.4; }

    int zoomPercent() const
    {
        if (m_mode == ReportZoom::Percent || m_pageSize.isEmpty())
            return m_percent;
        const qreal width = m_canvas->width() > 0 ? m_canvas->width() : fittedWidth();
        return std::max(1, qRound(width / (m_pageSize.width() * pixelsPerMm()) * 100));
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        fitCanvas();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->modifiers() & Qt::ControlModifier) {
            switch (event->key()) {
            case Qt::Key_Plus:
            case Qt::Key_Equal:
                m_preview->zoomIn();
                return;
            case Qt::Key_Minus:
                m_preview->zoomOut();
                return;
            case Qt::Key_0:
                m_preview->setZoom(ReportZoom::Percent, 100);
                return;
            default:
                break;
            }
        }
        if (!m_preview->turnPageByKey(event, false))
            QScrollArea::keyPressEvent(event);
    }

    void wheelEvent(QWheelEvent *event) override
    {
        const int delta = event->angleDelta().y();
        if (event->modifiers() & Qt::ControlModifier) {
            if (delta > 0)
                m_preview->zoomIn();
            else if (delta < 0)
                m_preview->zoomOut();
            event->accept();
            return;
        }
        // A page that fits turns with the wheel; a page taller than the view scrolls, and
        // turns at either end.
        QScrollBar *bar = verticalScrollBar();
        const bool scrolls = bar->maximum() > bar->minimum();
        const bool atEnd = delta < 0 ? bar->value() >= bar->maximum()
                                     : bar->value() <= bar->minimum();
        if (!scrolls || atEnd) {
            if (delta < 0) {
                m_preview->nextPage();
            } else if (delta > 0 && m_preview->currentPage() > 1) {
                m_preview->previousPage();
                if (scrolls)
                    bar->setValue(bar->maximum());
            }
            event->accept();
            return;
        }
        QScrollArea::wheelEvent(event);
    }

private:
    void applyScrollBars()
    {
        setVerticalScrollBarPolicy(m_mode == ReportZoom::FitPage ? Qt::ScrollBarAlwaysOff
                                                                 : Qt::ScrollBarAsNeeded);
        setHorizontalScrollBarPolicy(m_mode == ReportZoom::Percent ? Qt::ScrollBarAsNeeded
                                                                   : Qt::ScrollBarAlwaysOff);
    }

    // The canvas width of the fits, from the room in the view.
    int fittedWidth() const
    {
        const int gap = 12;
        const QSize room = viewport()->size() - QSize(2 * gap, 2 * gap);
        if (room.width() <= 0 || room.height() <= 0 || m_pageSize.isEmpty())
            return 0;
        const qreal ratio = m_pageSize.height() / m_pageSize.width();
        int width = room.width();
        if (m_mode == ReportZoom::FitPage)
            width = std::min<int>(width, int(room.height() / ratio));
        return width;
    }

    void fitCanvas()
    {
        if (m_pageSize.isEmpty())
            return;
        const qreal ratio = m_pageSize.height() / m_pageSize.width();
        const int width = m_mode == ReportZoom::Percent
                              ? qRound(m_pageSize.width() * pixelsPerMm() * m_percent / 100.0)
                              : fittedWidth();
        if (width <= 0)
            return;
        m_canvas->resize(width, qRound(width * ratio));
    }

    ReportPreview *m_preview;
    ReportPageCanvas *m_canvas;
    QSizeF m_pageSize;
    ReportZoom m_mode = ReportZoom::FitPage;
    int m_percent = 100;
};

// Sees the keys typed anywhere in the application first and hands the page keys typed
// inside its scope (not in a pop-up of it, such as an open drop-down list) to the preview.
class ReportPageKeys : public QObject
{
public:
    ReportPageKeys(ReportPreview *preview, QWidget *scope)
        : QObject(preview)
        , m_preview(preview)
        , m_scope(scope)
    {
        qApp->installEventFilter(this);
    }

    void setScope(QWidget *scope) { m_scope = scope; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || !m_scope)
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if ((widget != m_scope && !m_scope->isAncestorOf(widget)) ||
            widget->window() != m_scope->window() || !m_scope->isVisible()) {
            return false;
        }
        return m_preview->turnPageByKey(static_cast<QKeyEvent *>(event), usesHomeAndEnd(widget));
    }

private:
    // Fields that move their cursor or their choice with Home and End.
    static bool usesHomeAndEnd(const QWidget *widget)
    {
        return qobject_cast<const QLineEdit *>(widget) ||
               qobject_cast<const QAbstractSpinBox *>(widget) ||
               qobject_cast<const QComboBox *>(widget) ||
               qobject_cast<const QAbstractItemView *>(widget) ||
               qobject_cast<const QTextEdit *>(widget) ||
               qobject_cast<const QPlainTextEdit *>(widget);
    }

    ReportPreview *m_preview;
    QPointer<QWidget> m_scope;
};

namespace {

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(caption.trimmed());
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

ReportPreview::ReportPreview(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ReportPreview"));
    m_toolBar = new QWidget(this);
    m_first = button(tr("首页"), "PreviewFirst", m_toolBar);
    m_previous = button(tr("上一页"), "PreviewPrevious", m_toolBar);
    m_next = button(tr("下一页"), "PreviewNext", m_toolBar);
    m_last = button(tr("末页"), "PreviewLast", m_toolBar);
    m_pageLabel = new QLabel(m_toolBar);
    m_pageLabel->setObjectName(QStringLiteral("PreviewPage"));
    m_pageLabel->setMinimumWidth(
        m_pageLabel->fontMetrics().horizontalAdvance(tr("第 0000 页 / 共 0000 页")));
    m_pageLabel->setAlignment(Qt::AlignCenter);
    m_fitWidth = button(tr("页宽"), "PreviewFitWidth", m_toolBar);
    m_fitWidth->setCheckable(true);
    m_fitWidth->setToolTip(tr("按页宽显示，滚动查看整页"));
    m_print = button(tr("打印"), "PreviewPrint", m_toolBar);
    m_pdf = button(tr("导出PDF"), "PreviewPdf", m_toolBar);
    m_status = new QLabel(m_toolBar);
    m_status->setObjectName(QStringLiteral("PreviewStatus"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *strip = new QHBoxLayout(m_toolBar);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->addWidget(m_first);
    strip->addWidget(m_previous);
    strip->addWidget(m_pageLabel);
    strip->addWidget(m_next);
    strip->addWidget(m_last);
    strip->addSpacing(12);
    strip->addWidget(m_fitWidth);
    strip->addWidget(m_print);
    strip->addWidget(m_pdf);
    strip->addSpacing(12);
    strip->addWidget(m_status, 1);

    m_view = new ReportPageView(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view, 1);

    connect(m_first, &QPushButton::clicked, this, &ReportPreview::firstPage);
    connect(m_previous, &QPushButton::clicked, this, &ReportPreview::previousPage);
    connect(m_next, &QPushButton::clicked, this, &ReportPreview::nextPage);
    connect(m_last, &QPushButton::clicked, this, &ReportPreview::lastPage);
    connect(m_fitWidth, &QPushButton::toggled, this, &ReportPreview::setFitWidth);
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (m_confirmPrint && !m_confirmPrint())
            return;
        print();
    });
    connect(m_pdf, &QPushButton::clicked, this, &ReportPreview::exportPdfClicked);
    m_keys = new ReportPageKeys(this, this);
    updateControls();
}

void ReportPreview::takePageKeysFrom(QWidget *scope)
{
    m_keys->setScope(scope ? scope : this);
}

bool ReportPreview::turnPageByKey(const QKeyEvent *event, bool fieldUsesHomeAndEnd)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_PageDown:
        if (!plain)
            return false;
        nextPage();
        return true;
    case Qt::Key_PageUp:
        if (!plain)
            return false;
        previousPage();
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        // Ctrl+Home/Ctrl+End everywhere; plain Home/End where the field has no use for them.
        if (modifiers != Qt::ControlModifier && (fieldUsesHomeAndEnd || !plain))
            return false;
        if (event->key() == Qt::Key_Home)
            firstPage();
        else
            lastPage();
        return true;
    default:
        return false;
    }
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::setPagesReady(int pages)
{
    m_ready = pages;
    updateControls();
}

void ReportPreview::setDocument(const ReportDocument &document)
{
    m_document = document;
    m_ready = -1;
    m_page = 0;
    setStatus(QString());
    setCurrentPage(1);
    if (m_page == 0) {
        m_view->showPage(m_document, -1);
        updateControls();
        emit currentPageChanged(0, 0);
    }
}

void ReportPreview::clear()
{
    setDocument(ReportDocument());
}

void ReportPreview::setCurrentPage(int page)
{
    const int clamped = pageCount() == 0 ? 0 : std::clamp(page, 1, pageCount());
    if (clamped == m_page)
        return;
    m_page = clamped;
    m_view->showPage(m_document, m_page - 1);
    updateControls();
    emit currentPageChanged(m_page, pageCount());
}

void ReportPreview::setFitWidth(bool fitWidth)
{
    setZoom(fitWidth ? ReportZoom::FitWidth : ReportZoom::FitPage);
}

bool ReportPreview::fitWidth() const
{
    return m_view->zoomMode() == ReportZoom::FitWidth;
}

void ReportPreview::setZoom(ReportZoom mode, int percent)
{
    m_view->setZoom(mode, percent);
    const bool width = mode == ReportZoom::FitWidth;
    if (m_fitWidth->isChecked() != width) {
        const QSignalBlocker block(m_fitWidth);
        m_fitWidth->setChecked(width);
    }
    emit zoomChanged(mode, zoomPercent());
}

ReportZoom ReportPreview::zoomMode() const
{
    return m_view->zoomMode();
}

int ReportPreview::zoomPercent() const
{
    return m_view->zoomPercent();
}

QList<int> ReportPreview::zoomSteps()
{
    return {25, 50, 75, 100, 125, 150, 200, 300, 400};
}

void ReportPreview::zoomIn()
{
    const int now = zoomPercent();
    for (int step : zoomSteps()) {
        if (step > now) {
            setZoom(ReportZoom::Percent, step);
            return;
        }
    }
    setZoom(ReportZoom::Percent, zoomSteps().last());
}

void ReportPreview::zoomOut()
{
    const int now = zoomPercent();
    const QList<int> steps = zoomSteps();
    for (auto it = steps.crbegin(); it != steps.crend(); ++it) {
        if (*it < now) {
            setZoom(ReportZoom::Percent, *it);
            return;
        }
    }
    setZoom(ReportZoom::Percent, steps.first());
}

void ReportPreview::setToolBarVisible(bool visible)
{
    m_toolBar->setVisible(visible);
}

void ReportPreview::updateControls()
{
    const int pages = pageCount();
    m_first->setEnabled(m_page > 1);
    m_previous->setEnabled(m_page > 1);
    m_next->setEnabled(m_page < pages);
    m_last->setEnabled(m_page < pages);
    m_print->setEnabled(pages > 0);
    m_pdf->setEnabled(pages > 0);
    m_pageLabel->setText(pages > 0 ? tr("第 %1 页 / 共 %2 页").arg(m_page).arg(pages) : QString());
}

void ReportPreview::setStatus(const QString &text)
{
    if (m_status->text() == text)
        return;
    m_status->setText(text);
    m_status->setToolTip(text);
    emit statusChanged(text);
}

QString ReportPreview::statusText() const
{
    return m_status->text();
}

ReportPrintOutcome ReportPreview::print()
{
    if (m_document.isEmpty())
        return {};
    const ReportPrintOutcome outcome = ReportPrinter::print(m_document);
    setStatus(outcome.message);
    if (!outcome.ok)
        Msg::error(this, outcome.message);
    emit printed(outcome);
    return outcome;
}

bool ReportPreview::exportPdf(const QString &path)
{
    if (m_document.isEmpty() || path.isEmpty())
        return false;
    QString why;
    if (!m_document.exportPdf(path, &why)) {
        setStatus(tr("导出PDF失败：%1").arg(why));
        Msg::error(this, tr("导出PDF失败：%1").arg(why));
        return false;
    }
    setStatus(tr("已导出 PDF 文件：%1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void ReportPreview::exportPdfClicked()
{
    if (m_document.isEmpty())
        return;
    const QString suggested =
        ReportPrinter::printsFolder() +
        ReportPrinter::pdfFileName(m_document.name(), QDateTime::currentDateTime());
    QString path;
    if (m_choosePdf) {
        path = m_choosePdf(suggested);
    } else {
        path = QFileDialog::getSaveFileName(this, tr("导出PDF"), suggested, tr("PDF 文件 (*.pdf)"));
    }
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    exportPdf(path);
}
