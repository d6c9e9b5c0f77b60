#include "RentalTestKeys.h"

#include "rental/PickListWindows.h"
#include "rental/PickLists.h"

#include "data/Db.h"
#include "shell/BaseWindows.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using RentalTest::key;
using RentalTest::whenModal;

class tst_PickLists : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void titleCategoriesInTheirOrder();
    void titleAnswer_data();
    void titleAnswer();
    void everyTitleIsListedWhateverItsState();
    void enterOnTheListChooses();
    void memberAnswer_data();
    void memberAnswer();
    void arrowsMoveTheHighlightEnterTakesIt();
    void statesAndChoices_data();
    void statesAndChoices();
    void searchByCodeOrName_data();
    void searchByCodeOrName();

private:
    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
};

void tst_PickLists::initTestCase()
{
    applyCommonLook();
}

void tst_PickLists::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    for (const char *c : {"动作", "喜剧", "恐怖"})
        Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"),
                 {QString::fromUtf8(c)}, m_account->db());
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    // addCopy files every title under 动作; two comedies besides.
    m_account->addCopy(QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("DVD"));
    m_account->addCopy(QStringLiteral("0002"), QStringLiteral("叶问"), QStringLiteral("DVD"));
    for (const char *code : {"0003", "0004"}) {
        const qint64 id =
            m_account->addCopy(QLatin1String(code), QStringLiteral("功夫"), QStringLiteral("DVD"));
        Db::exec(QStringLiteral("UPDATE TBName SET Categray = '喜剧' WHERE ID = ?"), {id},
                 m_account->db());
    }
    m_account->addMember(QStringLiteral("B002"), QStringLiteral("王芳"), 5);
    m_account->addMember(QStringLiteral("A001"), QStringLiteral("张伟"), 5);
}

void tst_PickLists::cleanup()
{
    delete m_boxes;
    delete m_account;
    m_boxes = nullptr;
    m_account = nullptr;
}

void tst_PickLists::titleCategoriesInTheirOrder()
{
    TSelectPicFm dlg(m_account->context());
    QStringList entries;
    for (int i = 0; i < dlg.CombCate->count(); ++i)
        entries << dlg.CombCate->itemText(i);
    QCOMPARE(entries, (QStringList{QStringLiteral("所有类型"), QStringLiteral("动作"),
                                   QStringLiteral("喜剧"), QStringLiteral("恐怖")}));
    QCOMPARE(dlg.CombCate->currentIndex(), 0);
    QCOMPARE(dlg.DBGridList->rowCount(), 4);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("选择影片"));
}

void tst_PickLists::titleAnswer_data()
{
    QTest::addColumn<int>("category"); // -1: left alone
    QTest::addColumn<int>("row");      // -1: 退出 instead of 选中
    QTest::addColumn<QString>("answer");
    QTest::newRow("退出 at once") << -1 << -1 << "";
    QTest::newRow("category chosen, then 退出: its first title") << 2 << -1 << "0003";
    QTest::newRow("empty category, then 退出") << 3 << -1 << "";
    QTest::newRow("back to all categories, then 退出") << 0 << -1 << "0001";
    QTest::newRow("选中 on the second row") << -1 << 1 << "0002";
    QTest::newRow("选中 in a category") << 2 << 1 << "0004";
}

void tst_PickLists::titleAnswer()
{
    QFETCH(int, category);
    QFETCH(int, row);
    QFETCH(QString, answer);
    whenModal<TSelectPicFm>([&](TSelectPicFm *dlg) {
        if (category == 0)
            dlg->CombCate->setCurrentIndex(2);
        if (category >= 0)
            dlg->CombCate->setCurrentIndex(category);
        if (row >= 0) {
            dlg->DBGridList->setCurrentPosition(row);
            dlg->BtnOk->click();
        } else {
            dlg->BtnClose->click();
        }
    });
    QCOMPARE(SelectTitle(m_account->context()), answer);
    QVERIFY(m_boxes->shown.isEmpty());
}

void tst_PickLists::everyTitleIsListedWhateverItsState()
{
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = 5 WHERE CustomNum = '0001'"), {},
             m_account->db());
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = 4 WHERE CustomNum = '0002'"), {},
             m_account->db());
    Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                            "DatTime) VALUES (3, 300, 1, 15, '2024-05-01')"),
             {}, m_account->db());
    TSelectPicFm dlg(m_account->context());
    QCOMPARE(dlg.DBGridList->rowCount(), 4);
    dlg.DBGridList->setCurrentPosition(0);
    dlg.BtnOk->click();
    QCOMPARE(dlg.answer(), QStringLiteral("0001"));
}

void tst_PickLists::enterOnTheListChooses()
{
    whenModal<TSelectPicFm>([](TSelectPicFm *dlg) {
        dlg->DBGridList->view()->setFocus();
        dlg->DBGridList->setCurrentPosition(0);
        key(dlg, Qt::Key_Down);
        key(dlg, Qt::Key_Return);
    });
    QCOMPARE(SelectTitle(m_account->context()), QStringLiteral("0002"));
}

void tst_PickLists::memberAnswer_data()
{
    QTest::addColumn<int>("row"); // -1: 退出
    QTest::addColumn<QString>("answer");
    // Shown by number: the walk-in customer's empty number first, then A001, B002.
    QTest::newRow("退出") << -1 << "";
    QTest::newRow("first member by number") << 1 << "A001";
    QTest::newRow("second member by number") << 2 << "B002";
}

void tst_PickLists::memberAnswer()
{
    QFETCH(int, row);
    QFETCH(QString, answer);
    int listed = 0;
    whenModal<TSelectPerFm>([&](TSelectPerFm *dlg) {
        listed = dlg->DBGridList->rowCount();
        if (row >= 0) {
            dlg->DBGridList->setCurrentPosition(row);
            dlg->BtnOk->click();
        } else {
            key(dlg, Qt::Key_Escape);
        }
    });
    QCOMPARE(SelectMember(m_account->context()), answer);
    QCOMPARE(listed, 3);
}

void tst_PickLists::arrowsMoveTheHighlightEnterTakesIt()
{
    QStringList shown;
    whenModal<TSelectPicFm>([&](TSelectPicFm *dlg) {
        QCOMPARE(QApplication::focusWidget(), dlg->EDSearch);
        for (int k = 0; k < dlg->DBGridList->rowCount(); ++k)
            shown << dlg->DBGridList->textAt(k, QStringLiteral("CustomNum"));
        key(dlg, Qt::Key_Down);
        key(dlg, Qt::Key_Down);
        key(dlg, Qt::Key_Down);
        key(dlg, Qt::Key_Up);
        // The row taken is the one highlighted.
        const QModelIndexList selected =
            dlg->DBGridList->view()->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(dlg->DBGridList->currentPosition(), 2);
        key(dlg, Qt::Key_Return);
    });
    const QString answer = SelectTitle(m_account->context());
    QCOMPARE(answer, shown.value(2));
}

void tst_PickLists::statesAndChoices_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("offered"); // code:state
    QTest::newRow("any") << int(TitleChoice::Any)
                         << QStringList{"0001:已出租", "0002:已售出", "0003:已报废", "0004:在库"};
    QTest::newRow("available") << int(TitleChoice::Available)
                               << QStringList{"0003:已报废", "0004:在库"};
    QTest::newRow("out") << int(TitleChoice::Out) << QStringList{"0001:已出租"};
}

void tst_PickLists::statesAndChoices()
{
    QFETCH(int, choice);
    QFETCH(QStringList, offered);
    Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                            "DatTime) VALUES (1, 300, 1, 15, '2024-05-01')"),
             {}, m_account->db());
    Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                            "DatTime) VALUES (2, 2500, 1, -1, '2024-05-01')"),
             {}, m_account->db());
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = 4 WHERE CustomNum = '0003'"), {},
             m_account->db());
    TSelectPicFm dlg(m_account->context(), nullptr, TitleChoice(choice));
    QStringList got;
    for (int k = 0; k < dlg.DBGridList->rowCount(); ++k) {
        got << dlg.DBGridList->textAt(k, QStringLiteral("CustomNum")) + QLatin1Char(':') +
                   dlg.DBGridList->textAt(k, QStringLiteral("State"));
    }
    got.sort();
    QCOMPARE(got, offered);
}

void tst_PickLists::searchByCodeOrName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("rows");
    QTest::newRow("part of a code") << "003" << 1;
    QTest::newRow("part of a name") << "功" << 2;
    QTest::newRow("a percent sign is a character") << "%" << 0;
    QTest::newRow("nothing matches") << "xyz" << 0;
}

void tst_PickLists::searchByCodeOrName()
{
    QFETCH(QString, typed);
    QFETCH(int, rows);
    TSelectPicFm dlg(m_account->context());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    for (QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, dlg.EDSearch, Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    QCOMPARE(dlg.DBGridList->rowCount(), rows);
    TSelectPerFm members(m_account->context());
    members.EDSearch->setText(QStringLiteral("王"));
    QCOMPARE(members.DBGridList->rowCount(), 1);
    QCOMPARE(members.DBGridList->text(QStringLiteral("Num")), QStringLiteral("B002"));
}

QTEST_MAIN(tst_PickLists)
#include "tst_picklists.moc"
