#include "toolkit/WrapLayout.h"

#include "support/StripFit.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A button of a given preferred size, so the arithmetic below does not depend on fonts.
class Block : public QWidget
{
public:
    Block(int width, int height, QWidget *parent) : QWidget(parent), m_hint(width, height) {}
    QSize sizeHint() const override { return m_hint; }
    QSize minimumSizeHint() const override { return {10, m_hint.height()}; }

private:
    QSize m_hint;
};

} // namespace

class tst_WrapLayout : public QObject
{
    Q_OBJECT
private slots:
    void oneLineWhileTheWidthAllows();
    void goesOnInTheNextLineWhenNarrow();
    void stretchPushesTheRestToTheRightEnd();
    void groupsHiddenWidgetsAndSpacings();
    void heightFollowsTheWidthInABoxLayout();
    void aRowSqueezesWhereTheWrapGoesOn();
};

void tst_WrapLayout::oneLineWhileTheWidthAllows()
{
    QWidget strip;
    auto *layout = new WrapLayout(&strip);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->setSpacing(6);
    layout->setMinimumLineHeight(27);
    QList<Block *> blocks;
    for (int w : {100, 80, 120})
        blocks << new Block(w, 20, &strip);
    for (Block *b : blocks)
        layout->addWidget(b);

    // 8 + 100 + 6 + 80 + 6 + 120 + 8
    QCOMPARE(layout->sizeHint(), QSize(328, 33));
    QCOMPARE(layout->lineCount(328), 1);
    QCOMPARE(layout->heightForWidth(328), 33);
    strip.resize(400, 33);
    layout->setGeometry(strip.rect());
    QCOMPARE(blocks[0]->geometry(), QRect(8, 6, 100, 20)); // centred in the 27-pixel line
    QCOMPARE(blocks[1]->geometry(), QRect(114, 6, 80, 20));
    QCOMPARE(blocks[2]->geometry(), QRect(200, 6, 120, 20));
    // As narrow as the widest item, one line high.
    QCOMPARE(layout->minimumSize(), QSize(136, 33));
}

void tst_WrapLayout::goesOnInTheNextLineWhenNarrow()
{
    QWidget strip;
    auto *layout = new WrapLayout(&strip);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->setSpacing(6);
    layout->setLineSpacing(4);
    layout->setMinimumLineHeight(27);
    QList<Block *> blocks{new Block(100, 20, &strip), new Block(80, 30, &strip),
                          new Block(120, 20, &strip)};
    for (Block *b : blocks)
        layout->addWidget(b);

    // 327 wide: the third item misses by a pixel and opens a second line.
    QCOMPARE(layout->lineCount(327), 2);
    // 3 + 30 (the taller item) + 4 + 27 + 3
    QCOMPARE(layout->heightForWidth(327), 67);
    layout->setGeometry(QRect(0, 0, 327, 67));
    QCOMPARE(blocks[0]->geometry(), QRect(8, 8, 100, 20));
    QCOMPARE(blocks[1]->geometry(), QRect(114, 3, 80, 30));
    QCOMPARE(blocks[2]->geometry(), QRect(8, 37 + 3, 120, 20));

    // Each on its own line; an item wider than the line gets the line, not more.
    QCOMPARE(layout->lineCount(130), 3);
    layout->setGeometry(QRect(0, 0, 110, 200));
    QCOMPARE(blocks[2]->geometry().width(), 94);
    for (Block *b : blocks)
        QVERIFY(b->geometry().right() <= 110 - 8 - 1);
    for (int i = 0; i < blocks.size(); ++i)
        for (int j = i + 1; j < blocks.size(); ++j)
            QVERIFY(!blocks[i]->geometry().intersects(blocks[j]->geometry()));
}

void tst_WrapLayout::stretchPushesTheRestToTheRightEnd()
{
    QWidget strip;
    auto *layout = new WrapLayout(&strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    auto *left = new Block(100, 20, &strip);
    auto *right1 = new Block(50, 20, &strip);
    auto *right2 = new Block(60, 20, &strip);
    layout->addWidget(left);
    layout->addStretch();
    layout->addWidget(right1);
    layout->addWidget(right2);

    layout->setGeometry(QRect(0, 0, 400, 20));
    QCOMPARE(left->x(), 0);
    QCOMPARE(right2->geometry().right(), 399);
    QCOMPARE(right1->geometry().right(), right2->x() - 5 - 1);

    // Wrapped: the right-hand items stay at the right end of the line they land in.
    layout->setGeometry(QRect(0, 0, 170, 45));
    QCOMPARE(layout->lineCount(170), 2);
    QCOMPARE(right1->y(), 0);
    QCOMPARE(right1->geometry().right(), 169);
    QCOMPARE(right2->y(), 20 + layout->lineSpacing());
    QCOMPARE(right2->geometry().right(), 169);
}

void tst_WrapLayout::groupsHiddenWidgetsAndSpacings()
{
    QWidget strip;
    auto *layout = new WrapLayout(&strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto *first = new Block(100, 20, &strip);
    auto *hidden = new Block(500, 20, &strip);
    hidden->hide();
    auto *caption = new QLabel(QStringLiteral("从"), &strip);
    auto *field = new Block(90, 20, &strip);
    layout->addWidget(first);
    layout->addWidget(hidden);
    layout->addSpacing(40);
    QWidget *group = layout->addGroup({caption, field});
    QCOMPARE(caption->parentWidget(), group);
    QCOMPARE(field->parentWidget(), group);

    // The hidden item takes no room; the spacing counts inside a line...
    const int groupWidth = group->sizeHint().width();
    QCOMPARE(layout->sizeHint().width(), 100 + 6 + 40 + 6 + groupWidth);
    strip.show();
    layout->setGeometry(QRect(0, 0, 100 + 6 + 40 + 6 + groupWidth, 20));
    QCOMPARE(group->x(), 152);
    // ...but does not open a line: the group starts the second line at its left edge, and
    // its caption and field stay side by side.
    layout->setGeometry(QRect(0, 0, 150, 60));
    QCOMPARE(layout->lineCount(150), 2);
    QCOMPARE(group->x(), 0);
    QVERIFY(group->y() > 0);
    QCOMPARE(caption->y() + caption->height() / 2, field->y() + field->height() / 2);
    QVERIFY(caption->geometry().right() < field->x());
}

void tst_WrapLayout::heightFollowsTheWidthInABoxLayout()
{
    QWidget window;
    auto *column = new QVBoxLayout(&window);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *strip = new QWidget(&window);
    auto *layout = new WrapLayout(strip);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setMinimumLineHeight(26);
    layout->setLineSpacing(4);
    for (int i = 0; i < 4; ++i)
        layout->addWidget(new Block(150, 20, strip));
    auto *below = new Block(50, 50, &window);
    below->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    column->addWidget(strip);
    column->addWidget(below, 1);

    window.resize(700, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(strip->height(), 30);
    QCOMPARE(below->y(), 30);

    window.resize(320, 400); // two of the four per line
    QTRY_COMPARE(strip->height(), 2 + 26 + 4 + 26 + 2);
    QCOMPARE(below->y(), strip->height());
    QCOMPARE(below->height(), 400 - strip->height());
}

// The same controls in a plain row and in a wrapping strip, 300 pixels wide: the row cuts
// them (as the strips did on a 1024-pixel screen), the wrapping strip does not.
void tst_WrapLayout::aRowSqueezesWhereTheWrapGoesOn()
{
    const auto fill = [](QWidget *strip, QLayout *layout) {
        auto *from = new QDateEdit(QDate(2026, 12, 31), strip);
        from->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        auto *kind = new QComboBox(strip);
        kind->addItems({QStringLiteral("Income and expense"), QStringLiteral("Income only")});
        for (QWidget *w : QList<QWidget *>{new QLabel(QStringLiteral("From"), strip), from,
                                           new QLabel(QStringLiteral("Count by"), strip), kind,
                                           new QPushButton(QStringLiteral("Refresh"), strip)})
            layout->addWidget(w);
    };
    QWidget row;
    auto *rowLayout = new QHBoxLayout(&row);
    fill(&row, rowLayout);
    QWidget wrapped;
    auto *wrapLayout = new WrapLayout(&wrapped);
    fill(&wrapped, wrapLayout);
    for (QWidget *strip : {&row, &wrapped}) {
        // Free to be narrower than the controls, as a window placed in the work area is.
        strip->layout()->setSizeConstraint(QLayout::SetNoConstraint);
        strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(strip));
        strip->resize(300, 120);
        QTRY_COMPARE(strip->width(), 300);
        QApplication::processEvents();
    }
    QVERIFY(!stripFaults(&row).isEmpty());
    QCOMPARE(stripRows(&row), 1);
    QVERIFY2(stripFaults(&wrapped).isEmpty(), qPrintable(stripFaults(&wrapped).join(u'\n')));
    QVERIFY(stripRows(&wrapped) >= 2);
}

QTEST_MAIN(tst_WrapLayout)
#include "tst_wraplayout.moc"
