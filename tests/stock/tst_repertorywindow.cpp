#include "stock/RepertoryWindow.h"
#include "stock/TitleEditWindow.h"
#include "stock/TitleEntryWindow.h"

#include "StockFixtures.h"

#include "data/Db.h"
#include "data/Schema.h"
#include "shell/Openers.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeView>

using namespace StockFixtures;

class tst_RepertoryWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsStockWithFooters();
    void searchMovesCurrentRow_data();
    void searchMovesCurrentRow();
    void deleteAsksAndKeepsRental_data();
    void deleteAsksAndKeepsRental();
    void writeOffRemovesOpenRental();
    void failureChangesNothingAndKeepsItsCause_data();
    void failureChangesNothingAndKeepsItsCause();
    void emptyListChangesNothing();
    void addAndEditReReadTheList();
    void openerShowsCurrentStock();

private:
    int quality(qint64 id)
    {
        return Db::scalar(QStringLiteral("SELECT Quality FROM TBName WHERE ID = ?"), {id},
                          m_account->db())
            .toInt();
    }
    qint64 addRental(qint64 copy)
    {
        return Db::insert(
            QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                           "DatTime, Deposit, Persons) VALUES (?, 300, 1, 15, '2024-01-02', "
                           "3000, 1)"),
            {copy}, m_account->db());
    }

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    TRepertoryFm *m_win = nullptr;
    QList<qint64> m_ids;
};

void tst_RepertoryWindow::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    addSupplier(m_account->db(), QStringLiteral("中凯文化"));
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 3000);
    // Prices are 10.00 each (the fixture's); statuses 0..5.
    const char *names[] = {"英雄", "英雄本色", "Ocean's Eleven", "大话西游", "功夫", "霸王别姬"};
    for (int q = 0; q <= 5; ++q) {
        m_ids << m_account->addCopy(QStringLiteral("000%1").arg(q), QString::fromUtf8(names[q]),
                                    QStringLiteral("DVD"), q);
    }
    m_win = new TRepertoryFm(m_account->context());
    m_win->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_win));
}

void tst_RepertoryWindow::cleanup()
{
    delete m_win;
    delete m_boxes;
    delete m_account;
}

void tst_RepertoryWindow::listsStockWithFooters()
{
    QCOMPARE(m_win->windowTitle(), QStringLiteral("影片库存"));
    DataGrid *grid = m_win->dxDBGrid1;
    QCOMPARE(grid->rowCount(), 3); // Quality 0, 1 and 2
    QCOMPARE(grid->footerText(QStringLiteral("Direct")), QStringLiteral("共 3 部"));
    QCOMPARE(grid->footerText(QStringLiteral("ActRole")), QStringLiteral("共30.00 元"));
    QCOMPARE(grid->shownFields(),
             (QStringList{"CustomNum", "Name", "Ver", "Direct", "ActRole", "Amount", "Mone", "Copy",
                          "DatTime", "Company", "Address1"}));
    QVERIFY(grid->locate(QStringLiteral("Name"), QStringLiteral("Ocean")));
    QCOMPARE(grid->text(QStringLiteral("Company")), QStringLiteral("中凯文化"));
    QCOMPARE(grid->text(QStringLiteral("Mone")), QStringLiteral("10.00"));
    QCOMPARE(m_win->EDSearch->text(), QStringLiteral("请输入查询的影片名称"));
}

void tst_RepertoryWindow::searchMovesCurrentRow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("current"); // code of the current row afterwards
    QTest::newRow("prefix of two") << "英雄"
                                   << "0000";
    QTest::newRow("longer prefix") << "英雄本"
                                   << "0001";
    QTest::newRow("quote") << "Ocean'"
                           << "0002";
    QTest::newRow("no title begins so") << "雄"
                                        << "0002";
    QTest::newRow("not in stock") << "大话"
                                  << "0002";
}

void tst_RepertoryWindow::searchMovesCurrentRow()
{
    QFETCH(QString, typed);
    QFETCH(QString, current);
    DataGrid *grid = m_win->dxDBGrid1;
    QVERIFY(grid->locate(QStringLiteral("CustomNum"), QStringLiteral("0002")));
    // A click empties the prompt; then the row follows every key.
    QTest::mouseClick(m_win->EDSearch, Qt::LeftButton);
    QVERIFY(m_win->EDSearch->text().isEmpty());
    typeText(m_win->EDSearch, typed);
    QCOMPARE(grid->value(QStringLiteral("CustomNum")).toString(), current);
    QCOMPARE(grid->rowCount(), 3); // nothing is filtered out
    // Emptying the box moves nothing.
    m_win->EDSearch->clear();
    QCOMPARE(grid->value(QStringLiteral("CustomNum")).toString(), current);
}

void tst_RepertoryWindow::deleteAsksAndKeepsRental_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
}

void tst_RepertoryWindow::deleteAsksAndKeepsRental()
{
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    const qint64 rental = addRental(m_ids[2]);
    QVERIFY(m_win->dxDBGrid1->locate(QStringLiteral("Name"), QStringLiteral("Ocean")));
    m_boxes->answers.enqueue(QMessageBox::StandardButton(answer));
    QTest::mouseClick(m_win->BtnDel, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{"确定要删除影片【Ocean's Eleven】记录吗?"});
    QCOMPARE(m_boxes->shown.first().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Warning);
    QCOMPARE(quality(m_ids[2]), deleted ? Schema::QualityDeleted : 2);
    QCOMPARE(m_win->dxDBGrid1->rowCount(), deleted ? 2 : 3);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail"),
                              QStringLiteral("ID = %1 AND ReDate IS NULL").arg(rental)),
             1);
}

void tst_RepertoryWindow::writeOffRemovesOpenRental()
{
    addRental(m_ids[0]);
    QVERIFY(m_win->dxDBGrid1->locate(QStringLiteral("CustomNum"), QStringLiteral("0000")));
    QTest::mouseClick(m_win->BtnLost, Qt::LeftButton);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("影片注销后将不能进行相关的操作，\n"
                                                 "并将删除该影片的未归还的出租记录！\n"
                                                 "确定要注销影片【英雄】吗?"));
    QCOMPARE(quality(m_ids[0]), Schema::QualityWrittenOff);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), 0);
    QCOMPARE(m_win->dxDBGrid1->rowCount(), 2);
}

void tst_RepertoryWindow::failureChangesNothingAndKeepsItsCause_data()
{
    QTest::addColumn<bool>("writeOff");
    QTest::addColumn<QString>("lead");
    QTest::newRow("delete") << false << "影片删除操作失败!";
    QTest::newRow("write off") << true << "影片注销操作失败!";
}

// A write the engine refuses: the window's words, the fault's message and, under the
// details, the engine's own text; nothing is written.
void tst_RepertoryWindow::failureChangesNothingAndKeepsItsCause()
{
    QFETCH(bool, writeOff);
    QFETCH(QString, lead);
    addRental(m_ids[0]);
    Db::exec(QStringLiteral("CREATE TRIGGER refuse_it BEFORE UPDATE ON TBName "
                            "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"),
             {}, m_account->db());
    QVERIFY(m_win->dxDBGrid1->locate(QStringLiteral("CustomNum"), QStringLiteral("0000")));
    QTest::mouseClick(writeOff ? m_win->BtnLost : m_win->BtnDel, Qt::LeftButton);
    QCOMPARE(m_boxes->shown.size(), 2);
    const Msg::Request &failure = m_boxes->shown.last();
    QVERIFY2(failure.text.startsWith(lead + QLatin1Char('\n')), qPrintable(failure.text));
    QVERIFY(failure.text.size() > lead.size() + 1);
    QCOMPARE(failure.icon, Msg::Icon::Error);
    QVERIFY2(failure.details.contains(QStringLiteral("refused by the test")),
             qPrintable(failure.details));
    QCOMPARE(quality(m_ids[0]), Schema::QualityInStock);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), 1);
    QCOMPARE(m_win->dxDBGrid1->rowCount(), 3);
}

void tst_RepertoryWindow::emptyListChangesNothing()
{
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = 3"), {}, m_account->db());
    m_win->RefreshList();
    QCOMPARE(m_win->dxDBGrid1->rowCount(), 0);
    QTest::mouseClick(m_win->BtnEdit, Qt::LeftButton); // would block on a dialog if it opened
    QTest::mouseClick(m_win->BtnDel, Qt::LeftButton);
    QTest::mouseClick(m_win->BtnLost, Qt::LeftButton);
    QCOMPARE(m_boxes->shown.size(), 2);
    QCOMPARE(m_boxes->shown.first().text, QStringLiteral("确定要删除影片【】记录吗?"));
    QCOMPARE(m_account->count(QStringLiteral("TBName"), QStringLiteral("Quality = 3")), 6);
}

void tst_RepertoryWindow::addAndEditReReadTheList()
{
    // Title entry: one film with two copies, saved and closed.
    whenModal<TRepertoryDetailFM>([](TRepertoryDetailFM *dlg) {
        dlg->EDNum->setText(QStringLiteral("0100"));
        dlg->EDName->setText(QStringLiteral("新片"));
        dlg->dxCurrencyEdit1->setText(QStringLiteral("20"));
        dlg->FlatEdit4->setText(QStringLiteral("2"));
        dlg->BtnEdit->click();
        dlg->BtnSave->click();
    });
    QTest::mouseClick(m_win->BtnAdd, Qt::LeftButton);
    QCOMPARE(m_win->dxDBGrid1->rowCount(), 5);
    QVERIFY(m_win->dxDBGrid1->locate(QStringLiteral("CustomNum"), QStringLiteral("0100-2")));
    QCOMPARE(m_win->dxDBGrid1->footerText(QStringLiteral("ActRole")), QStringLiteral("共70.00 元"));

    // Editing by a double click: the changed name shows after the dialog.
    const qint64 id = m_win->dxDBGrid1->value(QStringLiteral("ID")).toLongLong();
    whenModal<TRepertoryDetailEditFm>([](TRepertoryDetailEditFm *dlg) {
        dlg->EDName->setText(QStringLiteral("新片（修）"));
        dlg->BtnSave->click();
    });
    QTreeView *view = m_win->dxDBGrid1->view();
    const QRect cell = view->visualRect(view->currentIndex().siblingAtColumn(2));
    QVERIFY(cell.isValid());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(m_boxes->lastText(), QStringLiteral("影片保存操作成功!"));
    QCOMPARE(m_win->dxDBGrid1->value(QStringLiteral("ID")).toLongLong(), id);
    QCOMPARE(m_win->dxDBGrid1->value(QStringLiteral("Name")).toString(),
             QStringLiteral("新片（修）"));

    // Closing the entry without saving re-reads all the same: a change made meanwhile shows.
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = 3 WHERE ID = ?"), {id}, m_account->db());
    whenModal<TRepertoryDetailFM>([](TRepertoryDetailFM *dlg) { dlg->BtnClose->click(); });
    QTest::mouseClick(m_win->BtnAdd, Qt::LeftButton);
    QCOMPARE(m_win->dxDBGrid1->rowCount(), 4);
}

void tst_RepertoryWindow::openerShowsCurrentStock()
{
    CreateRepertoryFm(m_account->context());
    auto *win = qobject_cast<TRepertoryFm *>(RepertoryWindow());
    QVERIFY(win);
    QVERIFY(!win->isVisible());
    ShowRepertoryFm(m_account->context());
    QVERIFY(win->isVisible());
    QCOMPARE(win->dxDBGrid1->rowCount(), 3);
    QTest::mouseClick(win->BtnClose, Qt::LeftButton);
    QVERIFY(!win->isVisible());
    // Shown again with nothing written meanwhile: no re-read.
    QSignalSpy reads(win->dxDBGrid1, &DataGrid::reloaded);
    ShowRepertoryFm(m_account->context());
    QCOMPARE(reads.count(), 0);
    win->hide();
    // A copy sold meanwhile is gone when the list is shown again.
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = 5 WHERE ID = ?"), {m_ids[0]},
             m_account->db());
    ShowRepertoryFm(m_account->context());
    QCOMPARE(RepertoryWindow(), win);
    QCOMPARE(win->dxDBGrid1->rowCount(), 2);
    delete win;
}

QTEST_MAIN(tst_RepertoryWindow)
#include "tst_repertorywindow.moc"
