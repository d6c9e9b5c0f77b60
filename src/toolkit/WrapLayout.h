#pragma once

#include <QLayout>
#include <QList>

// A strip of controls that runs left to right in one line while the width allows, and goes on
// in further lines below when it does not: on a narrow screen nothing is squeezed under its
// size or drawn over its neighbour. Each item keeps its preferred width (a caption and its
// field put in one group() stay together); a line is as high as its tallest item, and never
// lower than the minimum line height. addStretch() pushes the items after it to the right end
// of their line, as a stretch does in a row.
class WrapLayout : public QLayout
{
public:
    explicit WrapLayout(QWidget *parent = nullptr);
    ~WrapLayout() override;

    // The space between two lines (the item spacing is spacing()).
    void setLineSpacing(int pixels) { m_lineSpacing = pixels; }
    int lineSpacing() const { return m_lineSpacing; }
    // The least height of a line, so a strip keeps its height whatever its controls are.
    void setMinimumLineHeight(int pixels) { m_minLineHeight = pixels; }
    int minimumLineHeight() const { return m_minLineHeight; }

    // The items added after this are at the right end of their line.
    void addStretch();
    void addSpacing(int pixels);
    // A box holding the widgets side by side, added as one item: they wrap together. A box
    // whose widgets are all hidden takes no room.
    QWidget *addGroup(const QList<QWidget *> &widgets);
    // The same at a place among the items (as indexOf() counts them); an item inserted
    // before the stretch's first item stays on the left.
    void insertWidget(int index, QWidget *widget);
    void insertSpacing(int index, int pixels);
    QWidget *insertGroup(int index, const QList<QWidget *> &widgets);

    // How many lines the items take in a layout width pixels wide.
    int lineCount(int width) const;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    void insertItem(int index, QLayoutItem *item);

    struct Entry
    {
        QLayoutItem *item = nullptr;
        bool right = false; // after addStretch(): at the right end of its line
    };
    // Lays the items out in rect (only measures when apply is false); returns the height used
    // and the number of lines.
    int arrange(const QRect &rect, bool apply, int *lines = nullptr) const;

    QList<Entry> m_entries;
    bool m_rightPending = false;
    int m_lineSpacing = 4;
    int m_minLineHeight = 0;
};
