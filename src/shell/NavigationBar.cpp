#include "NavigationBar.h"

#include <QLabel>
#include <QPushButton>

NavigationBar::NavigationBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("LeftPan"));
    setFixedWidth(FullWidth);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(160, 150, 131));
    setPalette(p);

    auto *header = new QLabel(tr("导航条"), this);
    header->setObjectName(QStringLiteral("NavHeader"));
    header->setAlignment(Qt::AlignCenter);
    header->setGeometry(0, 0, FullWidth, 24);
    header->setStyleSheet(QStringLiteral("background:#6e6352;color:white;font-weight:bold;"));
}

QPushButton *NavigationBar::addButton(const QString &objectName, const QString &caption,
                                      const QString &hint, int top)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(objectName);
    b->setAccessibleName(caption);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(14, top, 125, 33);
    return b;
}

void NavigationBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeLeaveButton();
}

void NavigationBar::placeLeaveButton()
{
    if (m_leave)
        m_leave->move(m_leave->x(), height() - 100);
}
