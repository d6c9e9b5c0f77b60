#include "WorkArea.h"

#include <QMainWindow>
#include <QMouseEvent>
#include <QStatusBar>

namespace {
QPointer<WorkArea> g_area;
}

WorkArea *mainWorkArea()
{
    return g_area;
}

void setMainWorkArea(WorkArea *area)
{
    g_area = area;
}

void showStatusNotice(const QString &text)
{
    if (!g_area)
        return;
    if (auto *main = qobject_cast<QMainWindow *>(g_area->window()))
        main->statusBar()->showMessage(text, 15000);
}

WorkArea::WorkArea(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainPanel"));
}

void WorkArea::place(QWidget *window)
{
    window->hide();
    window->setParent(this, Qt::Widget);
    window->setGeometry(rect());
    // A work window covers the ones behind it, also where its own widgets leave gaps.
    window->setAutoFillBackground(true);
    m_windows.append(window);
}

void WorkArea::bringToFront(QWidget *window)
{
    window->setGeometry(rect());
    window->show();
    window->raise();
}

QList<QWidget *> WorkArea::placedWindows() const
{
    QList<QWidget *> list;
    for (const QPointer<QWidget> &w : m_windows) {
        if (w)
            list << w;
    }
    return list;
}

void WorkArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    for (QWidget *w : placedWindows())
        w->setGeometry(rect());
}

void WorkArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    emit doubleClickedEmpty();
}
