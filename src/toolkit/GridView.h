#pragma once

#include <QHeaderView>
#include <QTreeView>

// The column header of a DataGrid. Besides clicking (sort), moving and resizing, a section
// dragged up out of the header is handed over as a drag that the group box accepts.
class GridHeader : public QHeaderView
{
    Q_OBJECT
public:
    static const char *const MimeType; // payload: the model column as decimal text

    explicit GridHeader(QWidget *parent = nullptr);
    void setGroupDragEnabled(bool enabled) { m_groupDrag = enabled; }

protected:
    void initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void startGroupDrag(int section);

    bool m_groupDrag = true;
    int m_pressedSection = -1;
    QPoint m_pressPos;
};

// The tree view of a DataGrid: data rows as usual, group rows drawn across the whole width
// (caption at the left, group sums under their columns).
class GridView : public QTreeView
{
    Q_OBJECT
public:
    explicit GridView(QWidget *parent = nullptr);
    GridHeader *gridHeader() const { return m_header; }

signals:
    // Double click or Enter on a data row.
    void rowActivated(const QModelIndex &index);

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                 const QModelIndex &index) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void drawGroupRow(QPainter *painter, const QStyleOptionViewItem &option,
                      const QModelIndex &index) const;

    GridHeader *m_header;
};
