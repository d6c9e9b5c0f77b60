#pragma once

#include <QWidget>

#include <functional>

class QTreeView;

// The footer row under a DataGrid: each footer text drawn under its column, following the
// columns as they are moved, resized and scrolled sideways.
class GridFooterBar : public QWidget
{
    Q_OBJECT
public:
    using TextOf = std::function<QString(int column)>;

    GridFooterBar(QTreeView *view, TextOf textOf, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTreeView *m_view;
    TextOf m_textOf;
};
