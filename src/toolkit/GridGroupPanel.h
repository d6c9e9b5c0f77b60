#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class QHeaderView;

// The group box above a DataGrid's headers. Empty it reads "把列拖到这儿，按列进行分组";
// otherwise it shows one button-like chip per group level, outermost first. A column header
// dropped here adds a level (at the drop position); a chip dragged out of the box removes
// its level, dragged within the box moves it; a click on a chip reverses that group's order.
class GridGroupPanel : public QWidget
{
    Q_OBJECT
public:
    static QString emptyText(); // the hint shown while nothing is grouped

    explicit GridGroupPanel(QWidget *parent = nullptr);

    // The header whose drags are accepted (drags from other grids are refused).
    void setHeader(QHeaderView *header) { m_header = header; }
    // The levels: model columns and their captions, outermost first.
    void setLevels(const QList<int> &columns, const QStringList &captions);
    QList<int> levels() const { return m_columns; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The column should be grouped at this level (0 outermost); it may be grouped already.
    void groupRequested(int column, int level);
    void ungroupRequested(int column);
    void clearRequested();
    void chipClicked(int column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QList<QRect> chipRects() const;
    int chipAt(const QPoint &pos) const;
    int levelForDrop(const QPoint &pos) const;
    bool acceptsDrag(const QDropEvent *event) const;
    void updateAccessibleName();

    QHeaderView *m_header = nullptr;
    QList<int> m_columns;
    QStringList m_captions;
    int m_pressedChip = -1;
    QPoint m_pressPos;
    bool m_dropOnSelf = false; // set by dropEvent while one of our chips is being dragged
};
