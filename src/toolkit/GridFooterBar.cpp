#include "GridFooterBar.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTreeView>

GridFooterBar::GridFooterBar(QTreeView *view, TextOf textOf, QWidget *parent)
    : QWidget(parent), m_view(view), m_textOf(std::move(textOf))
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QHeaderView *h = view->header();
    const auto repaint = [this] { update(); };
    connect(h, &QHeaderView::sectionResized, this, repaint);
    connect(h, &QHeaderView::sectionMoved, this, repaint);
    connect(h, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

QSize GridFooterBar::sizeHint() const
{
    return {100, fontMetrics().height() + 8};
}

void GridFooterBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(0, 0, width(), 0);

    // Columns are placed where the view's viewport places them.
    const int offset = mapFromGlobal(m_view->viewport()->mapToGlobal(QPoint(0, 0))).x();
    const QHeaderView *h = m_view->header();
    p.setClipRect(QRect(offset, 0, m_view->viewport()->width(), height()));
    for (int c = 0; c < h->count(); ++c) {
        if (h->isSectionHidden(c))
            continue;
        const QString text = m_textOf(c);
        if (text.isEmpty())
            continue;
        const QRect cell(offset + h->sectionViewportPosition(c) + 4, 1, h->sectionSize(c) - 8,
                         height() - 2);
        // Sums read best right-aligned, whatever the column holds.
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                   fontMetrics().elidedText(text, Qt::ElideRight, cell.width()));
        p.setPen(pal.color(QPalette::Mid));
        p.drawRect(cell.adjusted(-3, 1, 3, -2));
    }
}
