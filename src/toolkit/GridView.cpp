#include "GridView.h"

#include "DataGridModel.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

const char *const GridHeader::MimeType = "application/x-rentora-grid-column";

GridHeader::GridHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsMovable(true);
    setSectionsClickable(true);
    setSortIndicatorShown(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    setSectionResizeMode(QHeaderView::Interactive);
}

void GridHeader::initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    // The arrow points up for an ascending order, as the operators know it from Windows
    // lists (Qt draws it the other way round).
    if (option->sortIndicator == QStyleOptionHeader::SortDown)
        option->sortIndicator = QStyleOptionHeader::SortUp;
    else if (option->sortIndicator == QStyleOptionHeader::SortUp)
        option->sortIndicator = QStyleOptionHeader::SortDown;
}

void GridHeader::mousePressEvent(QMouseEvent *event)
{
    m_pressedSection = -1;
    if (event->button() == Qt::LeftButton) {
        const int x = event->position().toPoint().x();
        // A press on the grip between two sections resizes; only a press inside one drags.
        const int section = logicalIndexAt(x);
        const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
        const int left = sectionViewportPosition(section);
        if (section >= 0 && x > left + grip && x < left + sectionSize(section) - grip) {
            m_pressedSection = section;
            m_pressPos = event->position().toPoint();
        }
    }
    QHeaderView::mousePressEvent(event);
}

void GridHeader::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_groupDrag && m_pressedSection >= 0 && (event->buttons() & Qt::LeftButton) &&
        pos.y() < -QApplication::startDragDistance()) {
        startGroupDrag(m_pressedSection);
        return;
    }
    QHeaderView::mouseMoveEvent(event);
}

void GridHeader::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressedSection = -1;
    QHeaderView::mouseReleaseEvent(event);
}

void GridHeader::startGroupDrag(int section)
{
    m_pressedSection = -1;
    // End the header's own move first: back over the pressed section, then a release beside
    // every section, so the header neither moves the column nor takes it for a click.
    const QPointF back(m_pressPos);
    QMouseEvent move(QEvent::MouseMove, back, mapToGlobal(back), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QHeaderView::mouseMoveEvent(&move);
    const QPointF beside(-100000, m_pressPos.y());
    QMouseEvent release(QEvent::MouseButtonRelease, beside, mapToGlobal(beside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QHeaderView::mouseReleaseEvent(&release);

    auto *mime = new QMimeData;
    mime->setData(QLatin1String(MimeType), QByteArray::number(section));
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    const QRect r(sectionViewportPosition(section), 0, sectionSize(section), height());
    drag->setPixmap(viewport()->grab(r));
    drag->setHotSpot(m_pressPos - r.topLeft());
    drag->exec(Qt::MoveAction);
}

GridView::GridView(QWidget *parent) : QTreeView(parent), m_header(new GridHeader(this))
{
    setHeader(m_header);
    // The view sorts through the grid, not through QTreeView's own sorting, which would
    // switch these off.
    m_header->setSectionsClickable(true);
    m_header->setSortIndicatorShown(true);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setRootIsDecorated(false);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(true);
    setAlternatingRowColors(true);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setIndentation(12);
}

void GridView::drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                       const QModelIndex &index) const
{
    if (index.data(DataGridModel::IsGroupRole).toBool()) {
        drawGroupRow(painter, option, index);
        return;
    }
    QTreeView::drawRow(painter, option, index);
}

void GridView::drawGroupRow(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    const QHeaderView *h = header();
    const QRect row(0, option.rect.y(), qMax(viewport()->width(), h->length()),
                    option.rect.height());
    const bool selected =
        selectionModel() && selectionModel()->isRowSelected(index.row(), index.parent());
    const QPalette &pal = option.palette;
    painter->save();
    painter->fillRect(row, pal.brush(selected ? QPalette::Highlight : QPalette::Button));
    painter->setPen(pal.color(QPalette::Mid));
    painter->drawLine(row.bottomLeft(), row.bottomRight());

    int firstVisual = 0;
    while (firstVisual < h->count() && h->isSectionHidden(h->logicalIndex(firstVisual)))
        ++firstVisual;
    const int x0 =
        firstVisual < h->count() ? h->sectionViewportPosition(h->logicalIndex(firstVisual)) : 0;
    const int level = index.data(DataGridModel::GroupLevelRole).toInt();
    const int branchWidth = indentation() * (level + 1);
    painter->restore();
    drawBranches(painter, QRect(x0, row.y(), branchWidth, row.height()), index);
    painter->save();

    const QColor textColor =
        selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::ButtonText);
    painter->setPen(textColor);
    const int margin = 4;
    const int captionLeft = x0 + branchWidth + margin;

    // Sums are written under their columns; one wider than its column runs on to the left
    // over columns without a sum, but never over the caption, which is cut short instead.
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    const QFontMetrics fm = painter->fontMetrics();
    const QString caption = index.data(DataGridModel::GroupCaptionRole).toString();
    const int captionEnd = captionLeft + fm.horizontalAdvance(caption) + 2 * margin;
    int limit = captionEnd;
    int captionRight = row.right() - margin;
    for (int v = 0; v < h->count(); ++v) {
        const int c = h->logicalIndex(v);
        if (h->isSectionHidden(c))
            continue;
        const QModelIndex cell = index.siblingAtColumn(c);
        const QString sum = cell.data(DataGridModel::GroupSummaryRole).toString();
        if (sum.isEmpty())
            continue;
        QRect cellRect(h->sectionViewportPosition(c) + margin, row.y(),
                       h->sectionSize(c) - 2 * margin, row.height());
        auto align = Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt());
        const int needed = fm.horizontalAdvance(sum);
        if (needed > cellRect.width()) {
            cellRect.setLeft(qMax(limit, cellRect.right() - needed));
            align = Qt::AlignRight;
        }
        captionRight = qMin(captionRight, cellRect.left() - margin);
        painter->drawText(cellRect, int((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter),
                          fm.elidedText(sum, Qt::ElideRight, cellRect.width()));
        limit = cellRect.right() + 2 * margin;
    }
    const QRect captionRect(captionLeft, row.y(), qMax(0, captionRight - captionLeft),
                            row.height());
    painter->drawText(captionRect, int(Qt::AlignLeft | Qt::AlignVCenter),
                      fm.elidedText(caption, Qt::ElideRight, captionRect.width()));
    if (currentIndex().isValid() && currentIndex().row() == index.row() &&
        currentIndex().parent() == index.parent() && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = row.adjusted(0, 0, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, this);
    }
    painter->restore();
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QModelIndex current = currentIndex();
        if (current.isValid()) {
            if (current.data(DataGridModel::IsGroupRole).toBool()) {
                const QModelIndex first = current.siblingAtColumn(0);
                setExpanded(first, !isExpanded(first));
            } else {
                emit rowActivated(current);
            }
            event->accept();
            return;
        }
    }
    QTreeView::keyPressEvent(event);
}

void GridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() &&
        !index.data(DataGridModel::IsGroupRole).toBool()) {
        emit rowActivated(index);
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}
