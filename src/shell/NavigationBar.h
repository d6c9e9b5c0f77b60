#pragma once

#include <QFrame>

class QPushButton;

// The navigation bar on the left of the main window: a header strip and large buttons at fixed
// heights; the leave button keeps 100 pixels above the bar's bottom edge.
class NavigationBar : public QFrame
{
    Q_OBJECT
public:
    static constexpr int FullWidth = 153;

    explicit NavigationBar(QWidget *parent = nullptr);
    QPushButton *addButton(const QString &objectName, const QString &caption, const QString &hint,
                           int top);
    void setLeaveButton(QPushButton *button) { m_leave = button; placeLeaveButton(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeLeaveButton();
    QPushButton *m_leave = nullptr;
};
