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
    // A text wider than its column runs on to the left over columns that show no footer,
    // so a count such as "共 100000 部" is read in full.
    int freeLeft = offset;
    for (int v = 0; v < h->count(); ++v) {
        const int c = h->logicalIndex(v);
        if (h->isSectionHidden(c))
            continue;
        const int left = offset + h->sectionViewportPosition(c);
        const QString text = m_textOf(c);
        if (text.isEmpty())
            continue;
        const QRect cell(left + 4, 1, h->sectionSize(c) - 8, height() - 2);
        const int needed = fontMetrics().horizontalAdvance(text);
        QRect textRect = cell;
        if (needed > cell.width())
            textRect.setLeft(qMax(freeLeft + 4, cell.right() - needed));
        p.setPen(pal.color(QPalette::Mid));
        p.drawRect(textRect.adjusted(-3, 1, 3, -2));
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter,
                   fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
        freeLeft = left + h->sectionSize(c);
    }
}
