#include "WrapLayout.h"

#include <QHBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {

// A hidden widget takes no room, nor does a group whose widgets are all hidden; a spacing
// counts as empty to Qt but does take its room here.
bool isHidden(QLayoutItem *item)
{
    if (QWidget *w = item->widget(); w && w->layout() && w->layout()->isEmpty())
        return true;
    return item->isEmpty() && !item->spacerItem();
}

} // namespace

WrapLayout::WrapLayout(QWidget *parent) : QLayout(parent)
{
    setSpacing(6);
}

WrapLayout::~WrapLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void WrapLayout::addStretch()
{
    m_rightPending = true;
}

void WrapLayout::addSpacing(int pixels)
{
    addItem(new QSpacerItem(pixels, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
}

QWidget *WrapLayout::addGroup(const QList<QWidget *> &widgets)
{
    return insertGroup(count(), widgets);
}

QWidget *WrapLayout::insertGroup(int index, const QList<QWidget *> &widgets)
{
    auto *box = new QWidget(parentWidget());
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(spacing());
    for (QWidget *w : widgets)
        row->addWidget(w);
    insertWidget(index, box);
    return box;
}

void WrapLayout::insertWidget(int index, QWidget *widget)
{
    addChildWidget(widget);
    insertItem(index, new QWidgetItem(widget));
}

void WrapLayout::insertSpacing(int index, int pixels)
{
    insertItem(index, new QSpacerItem(pixels, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
}

void WrapLayout::insertItem(int index, QLayoutItem *item)
{
    if (index < 0 || index >= m_entries.size()) {
        addItem(item);
        return;
    }
    // Left of the stretch when the item now at its place is.
    m_entries.insert(index, Entry{item, m_entries.at(index).right});
    invalidate();
}

void WrapLayout::addItem(QLayoutItem *item)
{
    m_entries.append(Entry{item, m_rightPending});
    invalidate();
}

int WrapLayout::count() const
{
    return int(m_entries.size());
}

QLayoutItem *WrapLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).item : nullptr;
}

QLayoutItem *WrapLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem *item = m_entries.takeAt(index).item;
    invalidate();
    return item;
}

Qt::Orientations WrapLayout::expandingDirections() const
{
    return {};
}

bool WrapLayout::hasHeightForWidth() const
{
    return true;
}

int WrapLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

int WrapLayout::lineCount(int width) const
{
    int lines = 0;
    arrange(QRect(0, 0, width, 0), false, &lines);
    return lines;
}

QSize WrapLayout::minimumSize() const
{
    // As narrow as the widest item, as low as one line: the height of the lines a width
    // takes comes through heightForWidth.
    int widest = 0;
    for (const Entry &e : m_entries) {
        if (!isHidden(e.item) && !e.item->spacerItem())
            widest = std::max(widest, e.item->sizeHint().width());
    }
    const QMargins m = contentsMargins();
    return {widest + m.left() + m.right(), arrange(QRect(0, 0, QWIDGETSIZE_MAX, 0), false)};
}

QSize WrapLayout::sizeHint() const
{
    // Everything in one line.
    const QMargins m = contentsMargins();
    int width = 0;
    bool first = true;
    for (const Entry &e : m_entries) {
        if (isHidden(e.item))
            continue;
        width += e.item->sizeHint().width() + (first ? 0 : spacing());
        first = false;
    }
    return {width + m.left() + m.right(), arrange(QRect(0, 0, QWIDGETSIZE_MAX, 0), false)};
}

void WrapLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int WrapLayout::arrange(const QRect &rect, bool apply, int *lines) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int available = std::max(1, area.width());
    const int gap = std::max(0, spacing());

    struct Placed
    {
        QLayoutItem *item;
        int width;
        bool right;
    };
    QList<QList<Placed>> rows(1);
    int x = 0;
    for (const Entry &e : m_entries) {
        if (isHidden(e.item)) {
            // A box of hidden widgets keeps no room it had, so it covers nothing.
            if (apply && e.item->widget())
                e.item->widget()->setGeometry(QRect(area.topLeft(), QSize(0, 0)));
            continue;
        }
        const bool spacer = e.item->spacerItem() != nullptr;
        int width = std::min(e.item->sizeHint().width(), available);
        width = std::max(width, std::min(e.item->minimumSize().width(), available));
        const int start = rows.last().isEmpty() ? 0 : x + gap;
        if (!rows.last().isEmpty() && start + width > available) {
            // A spacing that would open a line is left out.
            if (spacer)
                continue;
            rows.append(QList<Placed>());
            x = 0;
        } else if (rows.last().isEmpty() && spacer) {
            continue;
        } else {
            x = start;
        }
        rows.last().append(Placed{e.item, width, e.right});
        x += width;
    }

    int y = area.top();
    int count = 0;
    for (const QList<Placed> &row : std::as_const(rows)) {
        if (row.isEmpty())
            continue;
        int height = m_minLineHeight;
        int used = 0;
        for (const Placed &p : row) {
            height = std::max(height, p.item->sizeHint().height());
            used += p.width;
        }
        used += gap * int(row.size() - 1);
        if (count > 0)
            y += m_lineSpacing;
        if (apply) {
            int left = area.left();
            bool pushed = false;
            for (const Placed &p : row) {
                if (p.right && !pushed) {
                    // The rest of the line goes to its right end.
                    left += std::max(0, available - used);
                    pushed = true;
                }
                const int h = std::min(height, p.item->sizeHint().height());
                p.item->setGeometry(QRect(left, y + (height - h) / 2, p.width, h));
                left += p.width + gap;
            }
        }
        y += height;
        ++count;
    }
    if (count == 0)
        y += m_minLineHeight;
    if (lines)
        *lines = std::max(count, 1);
    const QMargins m = contentsMargins();
    return y - area.top() + m.top() + m.bottom();
}
