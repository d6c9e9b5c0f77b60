#include "sales/SellMainWindow.h"
#include "sales/SellWindow.h"

#include "stock/StockFixtures.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "rental/SettlementWindow.h"
#include "shell/Openers.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"

#include <QPushButton>

using namespace StockFixtures;

class tst_SellMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsSaleLinesWithFooters();
    void emptyListDisablesEditAndDelete();
    void searchMovesCurrentRow();
    void undo_data();
    void undo();
    void newSaleShowsAfterTheWindowCloses();
    void editedLineIsReplaced();

private:
    qint64 addSale(qint64 copy, qint64 cents, int amount, const QString &date)
    {
        Db::exec(QStringLiteral("UPDATE TBName SET Quality = 5 WHERE ID = ?"), {copy},
                 m_account->db());
        return Db::insert(
            QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                           "DatTime, Persons) VALUES (?, ?, ?, -1, ?, 2)"),
            {copy, cents, amount, date}, m_account->db());
    }
    int quality(qint64 id)
    {
        return Db::scalar(QStringLiteral("SELECT Quality FROM TBName WHERE ID = ?"), {id},
                          m_account->db())
            .toInt();
    }

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    TSellMainFm *m_win = nullptr;
    QList<qint64> m_copies;
    QList<qint64> m_lines;
};

void tst_SellMainWindow::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 3000);
    m_copies << m_account->addCopy(QStringLiteral("A"), QStringLiteral("英雄"), "DVD", 4)
             << m_account->addCopy(QStringLiteral("B"), QStringLiteral("功夫"), "DVD")
             << m_account->addCopy(QStringLiteral("C"), QStringLiteral("Ocean's Eleven"), "DVD");
    m_lines << addSale(m_copies[0], 1000, 3, QStringLiteral("2024-03-01"))
            << addSale(m_copies[1], 500, 1, QStringLiteral("2024-01-15"));
    // A rental line is not a sale.
    Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                            "DatTime) VALUES (?, 300, 1, 15, '2024-02-01')"),
             {m_copies[2]}, m_account->db());
    CreateSellMainFm(m_account->context());
    m_win = qobject_cast<TSellMainFm *>(SellMainWindow());
    QVERIFY(m_win);
    ShowSellMainFm(m_account->context());
    QVERIFY(QTest::qWaitForWindowExposed(m_win));
}

void tst_SellMainWindow::cleanup()
{
    delete m_win;
    delete m_boxes;
    delete m_account;
}

void tst_SellMainWindow::listsSaleLinesWithFooters()
{
    DataGrid *grid = m_win->dxDBGrid1;
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->shownFields(), (QStringList{"DatTime", "Name", "Nlang", "Ver", "Categray",
                                               "Amount", "Rmoney", "Summoney"}));
    // Shown by sale date, ascending.
    QCOMPARE(grid->textAt(0, QStringLiteral("Name")), QStringLiteral("功夫"));
    QCOMPARE(grid->textAt(1, QStringLiteral("DatTime")), QStringLiteral("2024-03-01"));
    QCOMPARE(grid->textAt(1, QStringLiteral("Summoney")), QStringLiteral("30.00"));
    QCOMPARE(grid->footerText(QStringLiteral("Amount")), QStringLiteral("共4部"));
    QCOMPARE(grid->footerText(QStringLiteral("Summoney")), QStringLiteral(" 共35.00元"));
    QVERIFY(m_win->BtnEdit->isEnabled());
    QCOMPARE(m_win->BtnDel->toolTip(), QStringLiteral("删除业务记录"));
}

void tst_SellMainWindow::emptyListDisablesEditAndDelete()
{
    Db::exec(QStringLiteral("DELETE FROM TBBusinessDetail WHERE Ass_Number = -1"), {},
             m_account->db());
    m_win->RefreshList();
    QCOMPARE(m_win->dxDBGrid1->rowCount(), 0);
    QVERIFY(!m_win->BtnEdit->isEnabled());
    QVERIFY(!m_win->BtnDel->isEnabled());
    QVERIFY(m_win->BtnAdd->isEnabled());
}

void tst_SellMainWindow::searchMovesCurrentRow()
{
    QVERIFY(m_win->dxDBGrid1->setCurrentPosition(0));
    QTest::mouseClick(m_win->Edsearch, Qt::LeftButton);
    QVERIFY(m_win->Edsearch->text().isEmpty());
    typeText(m_win->Edsearch, QStringLiteral("英"));
    QCOMPARE(m_win->dxDBGrid1->value(QStringLiteral("ID")).toLongLong(), m_lines[0]);
    typeText(m_win->Edsearch, QStringLiteral("x"));
    QCOMPARE(m_win->dxDBGrid1->value(QStringLiteral("ID")).toLongLong(), m_lines[0]);
}

void tst_SellMainWindow::undo_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("undone");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
}

void tst_SellMainWindow::undo()
{
    QFETCH(int, answer);
    QFETCH(bool, undone);
    QVERIFY(m_win->dxDBGrid1->locateValue(QStringLiteral("ID"), m_lines[0]));
    m_boxes->answers.enqueue(QMessageBox::StandardButton(answer));
    QTest::mouseClick(m_win->BtnDel, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{"确认要删除销售记录吗？"});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);
    QCOMPARE(m_win->dxDBGrid1->rowCount(), undone ? 1 : 2);
    // Written off before it was sold, the copy is back in stock after the undo.
    QCOMPARE(quality(m_copies[0]), undone ? Schema::QualityInStock : Schema::QualitySold);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"),
                              QStringLiteral("ID = %1").arg(m_lines[0])),
             undone ? 0 : 1);
}

void tst_SellMainWindow::newSaleShowsAfterTheWindowCloses()
{
    whenModal<TSellFm>([this](TSellFm *sale) {
        QCOMPARE(sale->saleId(), qint64(-1));
        sale->EDPic->setText(QStringLiteral("C"));
        sale->EDPrice->setText(QStringLiteral("8"));
        QCOMPARE(sale->rows().size(), 0);
        // "C" is rented out: not found, nothing added; Esc on the empty list closes.
        sale->BtnAdd->click();
        QCOMPARE(sale->rows().size(), 0);
        Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-02-03 10:00:00' "
                                "WHERE Ass_Number = 15"),
                 {}, m_account->db());
        sale->BtnAdd->click();
        QCOMPARE(sale->rows().size(), 1);
        whenModal<TInforFm>([](TInforFm *prompt) { prompt->accept(); });
        sale->BtnSaveClick();
        sale->reject();
    });
    QTest::mouseClick(m_win->BtnAdd, Qt::LeftButton);
    QCOMPARE(m_win->dxDBGrid1->rowCount(), 3);
    QVERIFY(m_win->dxDBGrid1->locate(QStringLiteral("Name"), QStringLiteral("Ocean")));
    QCOMPARE(m_win->dxDBGrid1->text(QStringLiteral("DatTime")),
             SqlDialect::dateText(QDate::currentDate()));
    QCOMPARE(m_win->dxDBGrid1->footerText(QStringLiteral("Summoney")),
             QStringLiteral(" 共43.00元"));
}

void tst_SellMainWindow::editedLineIsReplaced()
{
    m_account->context().setOperator(9);
    QVERIFY(m_win->dxDBGrid1->locateValue(QStringLiteral("ID"), m_lines[1]));
    whenModal<TSellFm>([this](TSellFm *sale) {
        QCOMPARE(sale->saleId(), m_lines[1]);
        QCOMPARE(sale->rows().size(), 1);
        QCOMPARE(sale->EDYJ->text(), QStringLiteral("5.00"));
        whenModal<TInforFm>([](TInforFm *prompt) { prompt->accept(); });
        sale->BtnSaveClick();
        sale->reject();
    });
    QTest::mouseClick(m_win->BtnEdit, Qt::LeftButton);
    QCOMPARE(m_win->dxDBGrid1->rowCount(), 2);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"),
                              QStringLiteral("ID = %1").arg(m_lines[1])),
             0);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"),
                              QStringLiteral("Ass_Number = -1 AND Persons = 9 AND DatTime = '%1'")
                                  .arg(SqlDialect::dateText(QDate::currentDate()))),
             1);
    QCOMPARE(quality(m_copies[1]), Schema::QualitySold);
}

QTEST_MAIN(tst_SellMainWindow)
#include "tst_sellmainwindow.moc"
