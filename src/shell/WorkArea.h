#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The main window's work area (MainPanel). Work, report and chart windows place themselves
// here as borderless children filling it; showing one brings it in front of the others.
class WorkArea : public QWidget
{
    Q_OBJECT
public:
    explicit WorkArea(QWidget *parent = nullptr);

    // Makes window a borderless child filling the area, hidden until shown.
    void place(QWidget *window);
    // Shows a placed window in front of the others.
    void bringToFront(QWidget *window);
    QList<QWidget *> placedWindows() const;

signals:
    void doubleClickedEmpty();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QList<QPointer<QWidget>> m_windows;
};

// The work area of the running program's main window; null before the main window exists.
WorkArea *mainWorkArea();
void setMainWorkArea(WorkArea *area);

// A passing notice in the running main window's status bar (where a print went); the clock and
// account line come back after some seconds. Does nothing before the main window exists.
void showStatusNotice(const QString &text);
