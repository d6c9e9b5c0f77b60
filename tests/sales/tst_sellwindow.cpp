#include "sales/SellWindow.h"

#include "stock/StockFixtures.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "rental/PickListWindows.h"
#include "rental/SettlementWindow.h"
#include "support/ReadDeniedAfterCommit.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"

#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeView>

using namespace StockFixtures;

namespace {

struct Line
{
    qint64 cdNum;
    qint64 rmoney;
    int amount;
    QString date;
    int persons;
};

QList<Line> saleLines(const QSqlDatabase &db)
{
    QList<Line> lines;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT CDNum, RMoney, Amount, DatTime, Persons "
                                          "FROM TBBusinessDetail WHERE Ass_Number = -1 "
                                          "ORDER BY ID"),
                           {}, db);
    while (q.next()) {
        lines.append({Db::integer(q, "CDNum"), Db::integer(q, "RMoney"),
                      int(Db::integer(q, "Amount")), Db::text(q, "DatTime"),
                      int(Db::integer(q, "Persons"))});
    }
    return lines;
}

int quality(const QSqlDatabase &db, qint64 id)
{
    return Db::scalar(QStringLiteral("SELECT Quality FROM TBName WHERE ID = ?"), {id}, db).toInt();
}

} // namespace

class tst_SellWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void saleByKeysWithSettlement();
    void lookup_data();
    void lookup();
    void addChecksInOrder_data();
    void addChecksInOrder();
    void priceBoxTakesAnAmount_data();
    void priceBoxTakesAnAmount();
    void quantityBounds_data();
    void quantityBounds();
    void totalBeyondRangeIsRefused();
    void editedSaleChangesPriceAndQuantity();
    void escapeRemovesRowsThenCloses();
    void completeRefusals();
    void receiptUnreadableAfterTheSaleKeepsItsCause();
    void sameCopyTwiceWritesTwoLines();
    void editReplacesLine();
    void searchButtonFillsCode();

private:
    TSellFm *open(qint64 saleId = -1);
    // Types a code, price and quantity and presses Enter through to "添加".
    void addByKeys(const QString &code, const QString &price, const QString &quantity);
    QString completeAndReadPrompt();

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    TSellFm *m_win = nullptr;
    qint64 m_a = 0;
    qint64 m_b = 0;
};

void tst_SellWindow::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 3000);
    m_a = m_account->addCopy(QStringLiteral("0001-1"), QStringLiteral("英雄"), "DVD");
    m_b = m_account->addCopy(QStringLiteral("O'2"), QStringLiteral("Ocean's Eleven"), "DVD");
    m_account->context().setOperator(7);
}

void tst_SellWindow::cleanup()
{
    delete m_win;
    m_win = nullptr;
    delete m_boxes;
    delete m_account;
}

TSellFm *tst_SellWindow::open(qint64 saleId)
{
    delete m_win;
    m_win = new TSellFm(m_account->context(), saleId);
    m_win->show();
    if (!QTest::qWaitForWindowActive(m_win))
        qWarning("the sale window did not become active");
    return m_win;
}

void tst_SellWindow::addByKeys(const QString &code, const QString &price, const QString &quantity)
{
    m_win->EDPic->setFocus();
    typeText(m_win->EDPic, code);
    press(Qt::Key_Return);
    QCOMPARE(focusName(), QStringLiteral("EDPrice"));
    fill(price);
    fill(quantity);
    QCOMPARE(focusName(), QStringLiteral("BtnAdd"));
    press(Qt::Key_Return);
}

QString tst_SellWindow::completeAndReadPrompt()
{
    QString shown;
    whenModal<TInforFm>([&shown](TInforFm *prompt) {
        shown = prompt->Label1->text();
        QTest::keyClick(prompt->BitBtn1, Qt::Key_Return);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    return shown;
}

void tst_SellWindow::saleByKeysWithSettlement()
{
    open();
    QCOMPARE(m_win->windowTitle(), QStringLiteral("影碟销售(按ESC键退出)"));
    QVERIFY(!m_win->BtnDel->isEnabled());
    QVERIFY(!m_win->BtnSave->isEnabled());
    QCOMPARE(m_win->EDPrice->text(), QStringLiteral("0.00"));

    m_win->EDPic->setFocus();
    typeText(m_win->EDPic, QStringLiteral("0001-1"));
    press(Qt::Key_Return);
    QCOMPARE(m_win->LabName->text(), QStringLiteral("英雄"));
    QCOMPARE(m_win->LabCate->text(), QStringLiteral("动作"));
    QCOMPARE(m_win->LabVer->text(), QStringLiteral("DVD"));
    QCOMPARE(m_win->EDPrice->text(), QStringLiteral("0.00")); // the price is always typed
    fill(QStringLiteral("10"));
    fill(QStringLiteral("3"));
    press(Qt::Key_Return);
    QVERIFY2(m_boxes->shown.isEmpty(), qPrintable(m_boxes->texts().join(u'|')));
    QCOMPARE(m_win->rows().size(), 1);
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("30.00"));
    QCOMPARE(focusName(), QStringLiteral("EDPic"));
    QVERIFY(m_win->EDPic->text().isEmpty());
    QVERIFY(m_win->LabName->text().isEmpty());
    QCOMPARE(m_win->EDAmount->text(), QStringLiteral("1"));
    QVERIFY(m_win->BtnSave->isEnabled());

    addByKeys(QStringLiteral("O'2"), QStringLiteral("5"), QStringLiteral("1"));
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("35.00"));
    QCOMPARE(m_win->dxDBGrid2->rowCount(), 2);
    QVERIFY(saleLines(m_account->db()).isEmpty());

    // F12 from the code box completes; the prompt shows rows (not quantities) and the total.
    QCOMPARE(completeAndReadPrompt(), QStringLiteral("共销售影片：2部\n总  金  额：35.00元"));
    const QList<Line> lines = saleLines(m_account->db());
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].cdNum, m_a);
    QCOMPARE(lines[0].rmoney, qint64(1000));
    QCOMPARE(lines[0].amount, 3);
    QCOMPARE(lines[0].date, SqlDialect::dateText(QDate::currentDate()));
    QCOMPARE(lines[0].persons, 7);
    QCOMPARE(quality(m_account->db(), m_a), Schema::QualitySold);
    QCOMPARE(quality(m_account->db(), m_b), Schema::QualitySold);
    // Ready for the next sale.
    QVERIFY(m_win->isVisible());
    QVERIFY(m_win->rows().isEmpty());
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("0.00"));
    QVERIFY(!m_win->BtnSave->isEnabled());
    // The sold copy can be sold no more.
    m_win->EDPic->setText(QStringLiteral("0001-1"));
    QVERIFY(!m_win->EDPicExit());
}

void tst_SellWindow::lookup_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("customer"); // 0: no line
    QTest::addColumn<bool>("found");
    QTest::newRow("in stock") << 0 << 0 << true;
    QTest::newRow("deleted from stock") << 3 << 0 << true;
    QTest::newRow("written off") << 4 << 0 << true;
    QTest::newRow("rented out") << 0 << Schema::WalkInCustomerId << false;
    QTest::newRow("sold") << 5 << Schema::SaleCustomer << false;
}

void tst_SellWindow::lookup()
{
    QFETCH(int, status);
    QFETCH(int, customer);
    QFETCH(bool, found);
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = ? WHERE ID = ?"), {status, m_a},
             m_account->db());
    if (customer != 0) {
        Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, "
                                "Ass_Number, DatTime) VALUES (?, 100, 1, ?, '2024-01-01')"),
                 {m_a, customer}, m_account->db());
    }
    open();
    m_win->EDPic->setFocus();
    typeText(m_win->EDPic, QStringLiteral("0001-1"));
    press(Qt::Key_Return);
    if (found) {
        QVERIFY(m_boxes->shown.isEmpty());
        QCOMPARE(focusName(), QStringLiteral("EDPrice"));
        QCOMPARE(m_win->LabName->text(), QStringLiteral("英雄"));
    } else {
        // Told once the focus has left the box, then brought back with the code selected.
        QTRY_COMPARE(m_boxes->texts(), QStringList{"影片影片编码不存在或没有出租记录,请检查!"});
        QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);
        QCOMPARE(focusName(), QStringLiteral("EDPic"));
        QCOMPARE(m_win->EDPic->selectedText(), QStringLiteral("0001-1"));
        QVERIFY(m_win->LabName->text().isEmpty());
    }
}

void tst_SellWindow::addChecksInOrder_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("code") << ""
                          << ""
                          << ""
                          << "请输入影片的编码！"
                          << "EDPic";
    QTest::newRow("price") << "0001-1"
                           << ""
                           << ""
                           << "请输入影片的价格！"
                           << "EDPrice";
    QTest::newRow("quantity") << "0001-1"
                              << "3"
                              << ""
                              << "请输入影片的数量！"
                              << "EDAmount";
    QTest::newRow("price wrong") << "0001-1"
                                 << "3.0.0"
                                 << "x"
                                 << "影片的价格输入有错误，请检查！"
                                 << "EDPrice";
    QTest::newRow("quantity wrong") << "0001-1"
                                    << "3"
                                    << "两"
                                    << "影片的数量输入有错误，请检查！"
                                    << "EDAmount";
    QTest::newRow("unknown code") << "9999"
                                  << "3"
                                  << "1"
                                  << "影片影片编码不存在或没有出租记录,请检查!"
                                  << "EDPic";
}

void tst_SellWindow::addChecksInOrder()
{
    QFETCH(QString, code);
    QFETCH(QString, price);
    QFETCH(QString, quantity);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    open();
    m_win->EDPic->setText(code);
    m_win->EDPrice->setText(price);
    m_win->EDAmount->setText(quantity);
    QTest::mouseClick(m_win->BtnAdd, Qt::LeftButton);
    // A code found wanting as the click takes the focus is reported once that is over.
    QTRY_COMPARE(m_boxes->lastText(), message);
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(focusName(), focus);
    QVERIFY(m_win->rows().isEmpty());
    QCOMPARE(m_win->EDAmount->text(), quantity);
}

void tst_SellWindow::priceBoxTakesAnAmount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // what the box holds after the keys
    QTest::addColumn<qint64>("cents");  // the unit price of the row added
    QTest::newRow("whole yuan replaces 0.00") << "25"
                                              << "25" << qint64(2500);
    QTest::newRow("one decimal") << "25.5"
                                 << "25.5" << qint64(2550);
    QTest::newRow("two decimals") << "7.05"
                                  << "7.05" << qint64(705);
    QTest::newRow("a third decimal is not taken") << "0.0025"
                                                  << "0.00" << qint64(0);
    QTest::newRow("letters and signs are not taken") << "1.5a-0"
                                                     << "1.50" << qint64(150);
    QTest::newRow("a second point is not taken") << "3.2.1"
                                                 << "3.21" << qint64(321);
}

void tst_SellWindow::priceBoxTakesAnAmount()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(qint64, cents);
    open();
    m_win->EDPic->setFocus();
    typeText(m_win->EDPic, QStringLiteral("0001-1"));
    // A click into the box that holds "0.00" selects it all: what is typed replaces it.
    QTest::mouseClick(m_win->EDPrice, Qt::LeftButton, {}, QPoint(4, 4));
    QTRY_COMPARE(m_win->EDPrice->selectedText(), QStringLiteral("0.00"));
    typeText(m_win->EDPrice, typed);
    QCOMPARE(m_win->EDPrice->text(), shown);
    QTest::mouseClick(m_win->BtnAdd, Qt::LeftButton);
    QVERIFY2(m_boxes->shown.isEmpty(), qPrintable(m_boxes->lastText()));
    QCOMPARE(m_win->rows().size(), 1);
    QCOMPARE(m_win->rows().first().rmoney, Money::fromCents(cents));
}

void tst_SellWindow::quantityBounds_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("999") << "999" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("1000") << "1000" << false;
    QTest::newRow("negative") << "-2" << false;
}

void tst_SellWindow::quantityBounds()
{
    QFETCH(QString, quantity);
    QFETCH(bool, accepted);
    open();
    // Typed, the box takes at most three digits and no sign.
    m_win->EDAmount->setFocus();
    m_win->EDAmount->selectAll();
    typeText(m_win->EDAmount, QStringLiteral("-1234"));
    QCOMPARE(m_win->EDAmount->text(), QStringLiteral("123"));
    // Put there otherwise (pasted, say), the quantity is checked when added.
    m_win->EDPic->setText(QStringLiteral("0001-1"));
    m_win->EDPrice->setText(QStringLiteral("2.00"));
    m_win->EDAmount->setText(quantity);
    QTest::mouseClick(m_win->BtnAdd, Qt::LeftButton);
    QCOMPARE(m_win->rows().size(), accepted ? 1 : 0);
    if (!accepted) {
        QCOMPARE(m_boxes->lastText(), QStringLiteral("影片的数量输入有错误，请检查！"));
        QCOMPARE(focusName(), QStringLiteral("EDAmount"));
    }
}

void tst_SellWindow::totalBeyondRangeIsRefused()
{
    open();
    // The largest price at the largest quantity is beyond any amount an operator can type.
    m_win->EDPic->setText(QStringLiteral("0001-1"));
    m_win->EDPrice->setText(QStringLiteral("999999999.99"));
    m_win->EDAmount->setText(QStringLiteral("999"));
    QTest::mouseClick(m_win->BtnAdd, Qt::LeftButton);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("总金额超出范围，请检查影片的价格和数量！"));
    QVERIFY(m_win->rows().isEmpty());
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("0.00"));
    QCOMPARE(focusName(), QStringLiteral("EDPrice"));
}

void tst_SellWindow::editedSaleChangesPriceAndQuantity()
{
    const qint64 old = Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                       "DatTime, Persons) VALUES (?, 2000, 2, -1, '2024-01-01', 3)"),
        {m_a}, m_account->db());
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = 5 WHERE ID = ?"), {m_a}, m_account->db());
    open(old);
    // A double click on the row brings it back into the entry boxes.
    QTreeView *view = m_win->dxDBGrid2->view();
    const QRect cell = view->visualRect(view->model()->index(0, 1));
    QVERIFY(cell.isValid());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTRY_COMPARE(m_win->rows().size(), 0);
    QCOMPARE(m_win->EDPic->text(), QStringLiteral("0001-1"));
    QCOMPARE(m_win->EDPrice->text(), QStringLiteral("20.00"));
    QCOMPARE(m_win->EDAmount->text(), QStringLiteral("2"));
    QCOMPARE(focusName(), QStringLiteral("EDPrice"));
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("0.00"));
    fill(QStringLiteral("18.5"));
    fill(QStringLiteral("3"));
    press(Qt::Key_Return); // 添加
    QVERIFY2(m_boxes->shown.isEmpty(), qPrintable(m_boxes->lastText()));
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("55.50"));
    QCOMPARE(completeAndReadPrompt(), QStringLiteral("共销售影片：1部\n总  金  额：55.50元"));
    const QList<Line> lines = saleLines(m_account->db());
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].cdNum, m_a);
    QCOMPARE(lines[0].rmoney, qint64(1850));
    QCOMPARE(lines[0].amount, 3);
    QCOMPARE(quality(m_account->db(), m_a), Schema::QualitySold);
}

void tst_SellWindow::escapeRemovesRowsThenCloses()
{
    open();
    addByKeys(QStringLiteral("0001-1"), QStringLiteral("10"), QStringLiteral("1"));
    addByKeys(QStringLiteral("O'2"), QStringLiteral("5"), QStringLiteral("2"));
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("20.00"));
    press(Qt::Key_Escape); // removes the current row (the one just added), no question
    QVERIFY(m_boxes->shown.isEmpty());
    QCOMPARE(m_win->rows().size(), 1);
    QCOMPARE(m_win->rows().first().copy.id, m_a);
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("10.00"));
    QCOMPARE(focusName(), QStringLiteral("EDPic"));
    press(Qt::Key_Escape);
    QVERIFY(m_win->rows().isEmpty());
    QVERIFY(!m_win->BtnDel->isEnabled());
    QVERIFY(m_win->isVisible());
    press(Qt::Key_Escape); // an empty list: Esc closes
    QVERIFY(!m_win->isVisible());
    QVERIFY(saleLines(m_account->db()).isEmpty());
}

void tst_SellWindow::completeRefusals()
{
    open();
    m_win->EDPic->setFocus();
    press(Qt::Key_F12);
    QCOMPARE(m_boxes->texts(), QStringList{"出租列表不能为空!"});

    // A failing write rolls the whole sale back and keeps the list.
    addByKeys(QStringLiteral("0001-1"), QStringLiteral("10"), QStringLiteral("1"));
    addByKeys(QStringLiteral("O'2"), QStringLiteral("5"), QStringLiteral("1"));
    Db::exec(QStringLiteral("CREATE TRIGGER refuse_it BEFORE UPDATE ON TBName WHEN NEW.ID = %1 "
                            "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                 .arg(m_b),
             {}, m_account->db());
    m_boxes->clear();
    press(Qt::Key_F12);
    QCOMPARE(m_boxes->texts(), QStringList{"数据保存错误!"});
    QVERIFY(saleLines(m_account->db()).isEmpty());
    QCOMPARE(quality(m_account->db(), m_a), Schema::QualityInStock);
    QCOMPARE(m_win->rows().size(), 2);
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("15.00"));

    // A copy rented out since it was listed is named, and nothing is written.
    Db::exec(QStringLiteral("DROP TRIGGER refuse_it"), {}, m_account->db());
    Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                            "DatTime) VALUES (?, 300, 1, 15, '2024-01-01')"),
             {m_b}, m_account->db());
    m_boxes->clear();
    press(Qt::Key_F12);
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(m_boxes->lastText().contains(QStringLiteral("Ocean's Eleven")));
    QVERIFY(saleLines(m_account->db()).isEmpty());
    QCOMPARE(m_win->rows().size(), 2);
}

void tst_SellWindow::receiptUnreadableAfterTheSaleKeepsItsCause()
{
    open();
    addByKeys(QStringLiteral("0001-1"), QStringLiteral("10"), QStringLiteral("1"));
    m_boxes->clear();
    QString prompt;
    QString mismatch = QStringLiteral("no box");
    {
        const ReadDeniedAfterCommit deny(m_account->db(), "TBName", "Name");
        prompt = completeAndReadPrompt();
        if (!m_boxes->shown.isEmpty())
            mismatch =
                deny.faultMismatch(m_boxes->shown.first(), QStringLiteral("单据数据读取失败："));
    }
    // The sale stands and its settlement is shown; the failed receipt says what failed, with
    // the engine's words under the details rather than in the message.
    QCOMPARE(saleLines(m_account->db()).size(), 1);
    QCOMPARE(prompt, QStringLiteral("共销售影片：1部\n总  金  额：10.00元"));
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void tst_SellWindow::sameCopyTwiceWritesTwoLines()
{
    open();
    addByKeys(QStringLiteral("0001-1"), QStringLiteral("10"), QStringLiteral("1"));
    addByKeys(QStringLiteral("0001-1"), QStringLiteral("0.00"), QStringLiteral("1"));
    QCOMPARE(completeAndReadPrompt(), QStringLiteral("共销售影片：2部\n总  金  额：10.00元"));
    QCOMPARE(saleLines(m_account->db()).size(), 2);
    QCOMPARE(saleLines(m_account->db()).last().rmoney, qint64(0));
}

void tst_SellWindow::editReplacesLine()
{
    const qint64 old = Db::insert(
        QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                       "DatTime, Persons) VALUES (?, 2000, 2, -1, '2024-01-01', 3)"),
        {m_a}, m_account->db());
    Db::exec(QStringLiteral("UPDATE TBName SET Quality = 5 WHERE ID = ?"), {m_a}, m_account->db());
    open(old);
    QCOMPARE(m_win->rows().size(), 1);
    QCOMPARE(m_win->rows().first().amount, 2);
    QCOMPARE(m_win->EDYJ->text(), QStringLiteral("40.00"));
    QVERIFY(m_win->BtnSave->isEnabled());

    // The operator swaps the copy: removes the old row and sells the other copy instead.
    QTest::mouseClick(m_win->BtnDel, Qt::LeftButton);
    addByKeys(QStringLiteral("O'2"), QStringLiteral("25"), QStringLiteral("1"));
    QCOMPARE(completeAndReadPrompt(), QStringLiteral("共销售影片：1部\n总  金  额：25.00元"));
    const QList<Line> lines = saleLines(m_account->db());
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].cdNum, m_b);
    QCOMPARE(lines[0].date, SqlDialect::dateText(QDate::currentDate()));
    QCOMPARE(lines[0].persons, 7);
    QCOMPARE(quality(m_account->db(), m_a),
             Schema::QualityInStock); // no sale line refers to it any more
    QCOMPARE(quality(m_account->db(), m_b), Schema::QualitySold);
    QCOMPARE(m_win->saleId(), -1);
}

void tst_SellWindow::searchButtonFillsCode()
{
    open();
    m_win->EDPic->setText(QStringLiteral("typed"));
    whenModal<TSelectPicFm>([](TSelectPicFm *pick) { pick->BtnOkClick(); });
    QTest::mouseClick(m_win->BtnSearch, Qt::LeftButton);
    QCOMPARE(m_win->EDPic->text(), QStringLiteral("0001-1"));
    whenModal<TSelectPicFm>([](TSelectPicFm *pick) { pick->BtnClose->click(); });
    QTest::mouseClick(m_win->BtnSearch, Qt::LeftButton);
    QVERIFY(m_win->EDPic->text().isEmpty());
}

QTEST_MAIN(tst_SellWindow)
#include "tst_sellwindow.moc"
