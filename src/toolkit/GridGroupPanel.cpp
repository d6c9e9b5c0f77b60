#include "GridGroupPanel.h"

#include "GridView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

// Chips step down and right per level, so the nesting of the groups can be read at a glance.
constexpr int kMargin = 4;
constexpr int kGap = 10;
constexpr int kStep = 6;
const char *const kChipMime = "application/x-rentora-grid-group-level";

} // namespace

QString GridGroupPanel::emptyText()
{
    return tr("把列拖到这儿，按列进行分组");
}

GridGroupPanel::GridGroupPanel(QWidget *parent) : QWidget(parent)
{
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setToolTip(emptyText());
    updateAccessibleName();
}

void GridGroupPanel::setLevels(const QList<int> &columns, const QStringList &captions)
{
    m_columns = columns;
    m_captions = captions;
    updateAccessibleName();
    updateGeometry();
    update();
}

void GridGroupPanel::updateAccessibleName()
{
    setAccessibleName(m_columns.isEmpty()
                          ? emptyText()
                          : tr("按列分组: ") + m_captions.join(QStringLiteral(" > ")));
}

QSize GridGroupPanel::sizeHint() const
{
    const int line = fontMetrics().height() + 8;
    return {200, 2 * kMargin + line + kStep * qMax(0, int(m_columns.size()) - 1)};
}

QList<QRect> GridGroupPanel::chipRects() const
{
    QList<QRect> rects;
    const QFontMetrics fm = fontMetrics();
    const int h = fm.height() + 8;
    int x = kMargin;
    for (int i = 0; i < m_captions.size(); ++i) {
        const int w = fm.horizontalAdvance(m_captions[i]) + 24;
        rects << QRect(x, kMargin + i * kStep, w, h);
        x += w + kGap;
    }
    return rects;
}

int GridGroupPanel::chipAt(const QPoint &pos) const
{
    const QList<QRect> rects = chipRects();
    for (int i = 0; i < rects.size(); ++i) {
        if (rects[i].contains(pos))
            return i;
    }
    return -1;
}

int GridGroupPanel::levelForDrop(const QPoint &pos) const
{
    const QList<QRect> rects = chipRects();
    for (int i = 0; i < rects.size(); ++i) {
        if (pos.x() < rects[i].center().x())
            return i;
    }
    return int(rects.size());
}

void GridGroupPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_columns.isEmpty()) {
        p.setPen(palette().color(QPalette::BrightText));
        p.drawText(rect().adjusted(kMargin * 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   emptyText());
        return;
    }
    const QList<QRect> rects = chipRects();
    for (int i = 0; i < rects.size(); ++i) {
        QStyleOptionButton opt;
        opt.initFrom(this);
        opt.rect = rects[i];
        opt.text = m_captions[i];
        opt.state |= QStyle::State_Raised;
        if (i == m_pressedChip)
            opt.state |= QStyle::State_Sunken;
        style()->drawControl(QStyle::CE_PushButton, &opt, &p, this);
        if (i > 0) {
            // A short elbow from the previous chip to this one.
            p.setPen(palette().color(QPalette::Shadow));
            const QRect &prev = rects[i - 1];
            const int y = rects[i].center().y();
            p.drawLine(prev.right() + 1, y, rects[i].left() - 1, y);
        }
    }
}

void GridGroupPanel::mousePressEvent(QMouseEvent *event)
{
    m_pressedChip = event->button() == Qt::LeftButton ? chipAt(event->position().toPoint()) : -1;
    m_pressPos = event->position().toPoint();
    update();
}

void GridGroupPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressedChip < 0 || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_pressPos).manhattanLength() <
        QApplication::startDragDistance())
        return;
    const int level = m_pressedChip;
    const int column = m_columns.value(level, -1);
    m_pressedChip = -1;
    update();

    auto *mime = new QMimeData;
    mime->setData(QLatin1String(kChipMime), QByteArray::number(column));
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    const QRect r = chipRects().value(level);
    drag->setPixmap(grab(r));
    drag->setHotSpot(m_pressPos - r.topLeft());
    m_dropOnSelf = false;
    drag->exec(Qt::MoveAction);
    // Dropped anywhere but on the box itself (on the headers, the rows, outside): ungroup.
    if (!m_dropOnSelf && column >= 0)
        emit ungroupRequested(column);
}

void GridGroupPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const int chip = m_pressedChip;
    m_pressedChip = -1;
    update();
    if (chip >= 0 && chip == chipAt(event->position().toPoint()))
        emit chipClicked(m_columns[chip]);
}

void GridGroupPanel::contextMenuEvent(QContextMenuEvent *event)
{
    const int chip = chipAt(event->pos());
    QMenu menu(this);
    if (chip >= 0) {
        const int column = m_columns[chip];
        menu.addAction(tr("取消分组"), this, [this, column] { emit ungroupRequested(column); });
    }
    if (!m_columns.isEmpty())
        menu.addAction(tr("清除全部分组"), this, [this] { emit clearRequested(); });
    if (!menu.isEmpty())
        menu.exec(event->globalPos());
}

bool GridGroupPanel::acceptsDrag(const QDropEvent *event) const
{
    const QMimeData *mime = event->mimeData();
    if (mime->hasFormat(QLatin1String(kChipMime)))
        return event->source() == this;
    return mime->hasFormat(QLatin1String(GridHeader::MimeType)) && m_header &&
           event->source() == m_header;
}

void GridGroupPanel::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptsDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void GridGroupPanel::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptsDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void GridGroupPanel::dropEvent(QDropEvent *event)
{
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    const QMimeData *mime = event->mimeData();
    const bool chip = mime->hasFormat(QLatin1String(kChipMime));
    const int column = mime->data(QLatin1String(chip ? kChipMime : GridHeader::MimeType)).toInt();
    int level = levelForDrop(event->position().toPoint());
    if (chip) {
        m_dropOnSelf = true;
        // Moving a level right past itself: the positions after it shift down by one.
        const int from = int(m_columns.indexOf(column));
        if (from >= 0 && level > from)
            --level;
    }
    event->acceptProposedAction();
    emit groupRequested(column, level);
}
