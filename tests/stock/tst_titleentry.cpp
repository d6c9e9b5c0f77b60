#include "stock/TitleEntryWindow.h"

#include "StockFixtures.h"

#include "data/Db.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeView>

using namespace StockFixtures;
using CopyNumbering::Mode;

namespace {

void clickRow(DataGrid *grid, int position)
{
    QTreeView *view = grid->view();
    const QRect cell = view->visualRect(view->model()->index(position, 1));
    QVERIFY(cell.isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class tst_TitleEntry : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithSortedListsAndDefaults();
    void filmEnteredByKeysOnly();
    void checksInOrder_data();
    void checksInOrder();
    void quantityTakesDigitsOnly();
    void countRefused_data();
    void countRefused();
    void quantityZeroAddsNothingButClears();
    void editModeRewritesOrAdds();
    void deleteLoadsNextRow();
    void destroyedWhileThePriceHasTheFocus();
    void escapeDiscardsPending();
    void saveAgainWritesAndKeepsFields();
    void failedBatchKeepsPendingAndWindow();

private:
    void enterFilm(const QString &code, const QString &name, const QString &price, int quantity);
    QStringList storedCodes();

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    TRepertoryDetailFM *m_dlg = nullptr;
    qint64 m_supplier2 = 0;
};

void tst_TitleEntry::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    addSupplier(m_account->db(), QStringLiteral("中凯文化"));
    m_supplier2 = addSupplier(m_account->db(), QStringLiteral("广州音像"));
    m_account->addFeeClass(QStringLiteral("VCD"), 200, 2000);
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 3000);
    addCategory(m_account->db(), QStringLiteral("喜剧"));
    addCategory(m_account->db(), QStringLiteral("动作"));
    m_dlg = new TRepertoryDetailFM(m_account->context());
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg));
}

void tst_TitleEntry::cleanup()
{
    delete m_dlg;
    delete m_boxes;
    delete m_account;
}

QStringList tst_TitleEntry::storedCodes()
{
    QStringList codes;
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT CustomNum FROM TBName ORDER BY ID"), {}, m_account->db());
    while (q.next())
        codes << q.value(0).toString();
    return codes;
}

// Types one film the way the counter does: fields in Enter order, "保存" pressed by Enter.
void tst_TitleEntry::enterFilm(const QString &code, const QString &name, const QString &price,
                               int quantity)
{
    m_dlg->EDNum->setFocus();
    fill(code);
    fill(name);
    fill(QStringLiteral("周星驰"));      // director
    fill(QStringLiteral("周星驰 元秋")); // actors
    press(Qt::Key_Return);               // language
    press(Qt::Key_Return);               // category
    press(Qt::Key_Return);               // version
    fill(QStringLiteral("1"));           // discs per set
    fill(QString::number(quantity));
    fill(price);
    fill(QStringLiteral("3号架"));
    QCOMPARE(focusName(), QStringLiteral("BtnEdit"));
    press(Qt::Key_Return); // 保存
}

void tst_TitleEntry::opensWithSortedListsAndDefaults()
{
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("库存影片编辑（按ESC键关闭窗口）"));
    QCOMPARE(m_dlg->dxDateEdit1->date(), QDate::currentDate());
    // Categories sorted by text (动 before 喜 in pinyin), suppliers by ID; first item chosen.
    QCOMPARE(m_dlg->CatComB->itemText(0), QStringLiteral("动作"));
    QCOMPARE(m_dlg->CatComB->currentIndex(), 0);
    QCOMPARE(m_dlg->VerComB->currentText(), QStringLiteral("DVD"));
    QCOMPARE(m_dlg->ProComB->currentText(), QStringLiteral("中凯文化"));
    QCOMPARE(m_dlg->LanComB->count(), 6);
    QVERIFY(!m_dlg->CatComB->isEditable());
    QCOMPARE(m_dlg->FlatEdit3->text(), QStringLiteral("2"));
    QCOMPARE(m_dlg->FlatEdit4->text(), QStringLiteral("1"));
    QCOMPARE(focusName(), QStringLiteral("EDNum"));
    QVERIFY(m_dlg->pending().isEmpty());
    // After the list buttons Enter goes on to the supplier and the purchase date.
    m_dlg->ProComB->setFocus();
    press(Qt::Key_Return);
    QCOMPARE(focusName(), QStringLiteral("dxDateEdit1"));
    press(Qt::Key_Return);
    QVERIFY(focusName() != QLatin1String("dxDateEdit1"));
}

void tst_TitleEntry::filmEnteredByKeysOnly()
{
    m_dlg->ProComB->setCurrentIndex(1);
    enterFilm(QStringLiteral("0001"), QStringLiteral("Ocean's Eleven"), QStringLiteral("35.5"), 3);
    QVERIFY2(m_boxes->shown.isEmpty(), qPrintable(m_boxes->texts().join(u'|')));
    QCOMPARE(m_dlg->pending().size(), 3);
    QCOMPARE(m_dlg->dxDBGrid1->rowCount(), 3);
    QCOMPARE(m_dlg->dxDBGrid1->footerText(QStringLiteral("Copy")), QStringLiteral("共 3 部"));
    const TitleRecord &last = m_dlg->pending().at(2);
    QCOMPARE(last.customNum, QStringLiteral("0001-3"));
    QCOMPARE(last.name, QStringLiteral("Ocean's Eleven"));
    QCOMPARE(last.mone, Money::fromCents(3550));
    QCOMPARE(last.provide, m_supplier2);
    QCOMPARE(last.categray, QStringLiteral("动作"));
    QCOMPARE(last.amount, 1);
    // Fields cleared for the next film, supplier kept, focus back in the code.
    QVERIFY(m_dlg->EDNum->text().isEmpty());
    QVERIFY(m_dlg->dxCurrencyEdit1->text().isEmpty());
    QCOMPARE(m_dlg->FlatEdit3->text(), QStringLiteral("2"));
    QCOMPARE(m_dlg->ProComB->currentIndex(), 1);
    QCOMPARE(focusName(), QStringLiteral("EDNum"));
    QCOMPARE(m_dlg->mode(), Mode::Entry);
    QVERIFY(storedCodes().isEmpty()); // nothing written before a save button

    QTest::mouseClick(m_dlg->BtnSave, Qt::LeftButton);
    QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
    QCOMPARE(storedCodes(), (QStringList{"0001-1", "0001-2", "0001-3"}));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM TBName WHERE Name = ? AND Copy = 1 "
                                       "AND Quality = 0 AND Mone = 3550"),
                        {QStringLiteral("Ocean's Eleven")}, m_account->db())
                 .toInt(),
             3);
}

void tst_TitleEntry::checksInOrder_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("price");
    QTest::addColumn<bool>("noSupplier");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("code empty") << ""
                                << ""
                                << "" << true << "请输入自编码!"
                                << "EDNum";
    QTest::newRow("code blank") << "  "
                                << "甲"
                                << "1" << false << "请输入自编码!"
                                << "EDNum";
    QTest::newRow("name empty") << "1"
                                << ""
                                << "" << true << "请输入影片名称!"
                                << "EDName";
    QTest::newRow("price empty") << "1"
                                 << "甲"
                                 << "" << true << "请输入影片价格!"
                                 << "dxCurrencyEdit1";
    QTest::newRow("price letters") << "1"
                                   << "甲"
                                   << "12元" << false << "请输入影片价格!"
                                   << "dxCurrencyEdit1";
    QTest::newRow("price negative") << "1"
                                    << "甲"
                                    << "-3" << false << "请输入影片价格!"
                                    << "dxCurrencyEdit1";
    QTest::newRow("no supplier") << "1"
                                 << "甲"
                                 << "0" << true << "请选择供应商!"
                                 << "ProComB";
}

void tst_TitleEntry::checksInOrder()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, price);
    QFETCH(bool, noSupplier);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    if (noSupplier) {
        Db::exec(QStringLiteral("DELETE FROM TbProvide"), {}, m_account->db());
        delete m_dlg;
        m_dlg = new TRepertoryDetailFM(m_account->context());
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg));
        QCOMPARE(m_dlg->ProComB->currentIndex(), -1);
    }
    m_dlg->EDNum->setText(code);
    m_dlg->EDName->setText(name);
    m_dlg->dxCurrencyEdit1->setText(price);
    QTest::mouseClick(m_dlg->BtnEdit, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{message});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);
    QCOMPARE(m_boxes->shown.first().caption, QStringLiteral("系统提示"));
    QCOMPARE(focusName(), focus);
    QVERIFY(m_dlg->pending().isEmpty());
    QCOMPARE(m_dlg->EDName->text(), name); // the fields keep what was typed
}

void tst_TitleEntry::quantityTakesDigitsOnly()
{
    m_dlg->FlatEdit4->setFocus();
    m_dlg->FlatEdit4->selectAll();
    typeText(m_dlg->FlatEdit4, QStringLiteral("1a.-2３"));
    // A full-width digit (from a Chinese input method) is taken as the digit.
    QCOMPARE(m_dlg->FlatEdit4->text(), QStringLiteral("123"));
    QTest::keyClick(m_dlg->FlatEdit4, Qt::Key_Backspace);
    QCOMPARE(m_dlg->FlatEdit4->text(), QStringLiteral("12"));
    m_dlg->FlatEdit4->insert(QStringLiteral("4x")); // pasted: refused whole
    QCOMPARE(m_dlg->FlatEdit4->text(), QStringLiteral("12"));
    // Discs per set has no filter.
    m_dlg->FlatEdit3->setFocus();
    typeText(m_dlg->FlatEdit3, QStringLiteral("x"));
    QVERIFY(m_dlg->FlatEdit3->text().endsWith(u'x'));
}

// A count that is not a whole number, or lies beyond what a shop enters (a set of 1 to 99
// discs, 0 to 999 copies at once), is refused with the field's text; nothing is added.
void tst_TitleEntry::countRefused_data()
{
    QTest::addColumn<QString>("discs");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("message");
    QTest::newRow("discs letters") << "两"
                                   << "1"
                                   << "FlatEdit3" << "“两”不是有效的整数!";
    QTest::newRow("discs empty") << ""
                                 << "1"
                                 << "FlatEdit3" << "“”不是有效的整数!";
    QTest::newRow("quantity empty") << "2"
                                    << ""
                                    << "FlatEdit4" << "“”不是有效的整数!";
    QTest::newRow("no disc") << "0"
                             << "1"
                             << "FlatEdit3" << "“0”超出范围，请输入1到99之间的整数!";
    QTest::newRow("negative discs") << "-2"
                                    << "1"
                                    << "FlatEdit3" << "“-2”超出范围，请输入1到99之间的整数!";
    QTest::newRow("discs beyond") << "100"
                                  << "1"
                                  << "FlatEdit3" << "“100”超出范围，请输入1到99之间的整数!";
    QTest::newRow("quantity beyond") << "2"
                                     << "1000"
                                     << "FlatEdit4" << "“1000”超出范围，请输入0到999之间的整数!";
}

void tst_TitleEntry::countRefused()
{
    QFETCH(QString, discs);
    QFETCH(QString, quantity);
    QFETCH(QString, focus);
    QFETCH(QString, message);
    m_dlg->EDNum->setText(QStringLiteral("0001"));
    m_dlg->EDName->setText(QStringLiteral("英雄"));
    m_dlg->dxCurrencyEdit1->setText(QStringLiteral("30"));
    m_dlg->FlatEdit3->setText(discs);
    m_dlg->FlatEdit4->setText(quantity);
    QTest::mouseClick(m_dlg->BtnEdit, Qt::LeftButton);
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->lastText(), message);
    QCOMPARE(focusName(), focus);
    QVERIFY(m_dlg->pending().isEmpty());
    QCOMPARE(m_dlg->EDNum->text(), QStringLiteral("0001"));
}

void tst_TitleEntry::quantityZeroAddsNothingButClears()
{
    m_dlg->dxDateEdit1->setDate(QDate(2020, 1, 1));
    m_dlg->EDNum->setText(QStringLiteral("0001"));
    m_dlg->EDName->setText(QStringLiteral("英雄"));
    m_dlg->dxCurrencyEdit1->setText(QStringLiteral("30"));
    m_dlg->FlatEdit4->setText(QStringLiteral("0"));
    QTest::mouseClick(m_dlg->BtnEdit, Qt::LeftButton);
    QVERIFY(m_boxes->shown.isEmpty());
    QVERIFY(m_dlg->pending().isEmpty());
    QVERIFY(m_dlg->EDNum->text().isEmpty());
    QCOMPARE(m_dlg->dxDateEdit1->date(), QDate::currentDate());
}

void tst_TitleEntry::editModeRewritesOrAdds()
{
    enterFilm(QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("30"), 2);
    QCOMPARE(m_dlg->pending().size(), 2);

    // Clicking a row loads it, also the row that is current already; saving with quantity 1
    // rewrites that row only.
    QVERIFY(m_dlg->dxDBGrid1->locateValue(QStringLiteral("Row"), 1));
    clickRow(m_dlg->dxDBGrid1, m_dlg->dxDBGrid1->currentPosition());
    QCOMPARE(m_dlg->EDNum->text(), QStringLiteral("0001-2"));
    QCOMPARE(m_dlg->FlatEdit4->text(), QStringLiteral("1"));
    QCOMPARE(m_dlg->dxCurrencyEdit1->text(), QStringLiteral("30.00"));
    QCOMPARE(m_dlg->VerComB->currentText(), QStringLiteral("DVD"));
    QCOMPARE(m_dlg->mode(), Mode::Edit);
    m_dlg->EDName->setText(QStringLiteral("英雄（珍藏版）"));
    QTest::mouseClick(m_dlg->BtnEdit, Qt::LeftButton);
    QCOMPARE(m_dlg->pending().size(), 2);
    QCOMPARE(m_dlg->pending().at(1).name, QStringLiteral("英雄（珍藏版）"));
    QCOMPARE(m_dlg->pending().at(0).name, QStringLiteral("英雄"));
    QCOMPARE(m_dlg->mode(), Mode::Entry);

    // Edit mode with a raised quantity adds new copies and keeps the loaded row.
    QVERIFY(m_dlg->dxDBGrid1->locateValue(QStringLiteral("Row"), 0));
    m_dlg->EDNum->setText(QStringLiteral("0002"));
    m_dlg->FlatEdit4->setText(QStringLiteral("2"));
    QTest::mouseClick(m_dlg->BtnEdit, Qt::LeftButton);
    QCOMPARE(m_dlg->pending().size(), 4);
    QCOMPARE(m_dlg->pending().at(0).customNum, QStringLiteral("0001-1"));
    QCOMPARE(m_dlg->pending().at(3).customNum, QStringLiteral("0002-2"));

    // Edit mode with the list emptied by a save adds a new row.
    QVERIFY(m_dlg->dxDBGrid1->locateValue(QStringLiteral("Row"), 0));
    QVERIFY(m_dlg->BtnSaveAginClick());
    QCOMPARE(m_dlg->mode(), Mode::Edit);
    m_dlg->EDNum->setText(QStringLiteral("0003"));
    QTest::mouseClick(m_dlg->BtnEdit, Qt::LeftButton);
    QCOMPARE(m_dlg->pending().size(), 1);
    QCOMPARE(m_dlg->pending().at(0).customNum, QStringLiteral("0003"));
    QCOMPARE(storedCodes().size(), 4);
}

void tst_TitleEntry::destroyedWhileThePriceHasTheFocus()
{
    // The price field formats what was typed when it loses the focus; when the dialog is
    // destroyed with the focus in it, that must not run on the half-destroyed dialog (the
    // sanitizer run reports any access to it).
    m_dlg->dxCurrencyEdit1->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg));
    QTest::keyClicks(m_dlg->dxCurrencyEdit1, QStringLiteral("12.5"));
    QTest::keyClick(m_dlg->dxCurrencyEdit1, Qt::Key_Tab);
    QCOMPARE(m_dlg->dxCurrencyEdit1->text(), QStringLiteral("12.50"));
    m_dlg->dxCurrencyEdit1->setFocus();
    QTest::keyClicks(m_dlg->dxCurrencyEdit1, QStringLiteral("3"));
    QPointer<QLineEdit> price = m_dlg->dxCurrencyEdit1;
    delete m_dlg;
    m_dlg = nullptr;
    QVERIFY(price.isNull());
    QVERIFY(m_boxes->shown.isEmpty());
}

void tst_TitleEntry::deleteLoadsNextRow()
{
    enterFilm(QStringLiteral("A"), QStringLiteral("Beta"), QStringLiteral("1"), 1);
    enterFilm(QStringLiteral("B"), QStringLiteral("Alpha"), QStringLiteral("2"), 1);
    // The grid shows names descending: Beta (A) first.
    QVERIFY(m_dlg->dxDBGrid1->setCurrentPosition(0));

    QCOMPARE(m_dlg->EDNum->text(), QStringLiteral("A"));
    QTest::mouseClick(m_dlg->BtnDel, Qt::LeftButton);
    QVERIFY(m_boxes->shown.isEmpty()); // no question
    QCOMPARE(m_dlg->pending().size(), 1);
    QCOMPARE(m_dlg->EDNum->text(), QStringLiteral("B"));
    QCOMPARE(m_dlg->dxCurrencyEdit1->text(), QStringLiteral("2.00"));
    QTest::mouseClick(m_dlg->BtnSave, Qt::LeftButton);
    QCOMPARE(storedCodes(), QStringList{"B"});
}

void tst_TitleEntry::escapeDiscardsPending()
{
    enterFilm(QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("30"), 3);
    m_dlg->EDNum->setFocus();
    QTest::keyClick(m_dlg->EDNum, Qt::Key_Escape);
    QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
    QVERIFY(!m_dlg->isVisible());
    QVERIFY(storedCodes().isEmpty());
}

void tst_TitleEntry::saveAgainWritesAndKeepsFields()
{
    enterFilm(QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("30"), 1);
    m_dlg->EDNum->setText(QStringLiteral("typed"));
    QTest::mouseClick(m_dlg->BtnSaveAgin, Qt::LeftButton);
    QCOMPARE(storedCodes(), QStringList{"0001"});
    QVERIFY(m_dlg->pending().isEmpty());
    QCOMPARE(m_dlg->dxDBGrid1->rowCount(), 0);
    QCOMPARE(m_dlg->EDNum->text(), QStringLiteral("typed"));
    QVERIFY(m_dlg->isVisible());
    QVERIFY(m_boxes->shown.isEmpty());
    // Saving again with nothing pending writes nothing more.
    QTest::mouseClick(m_dlg->BtnSaveAgin, Qt::LeftButton);
    QCOMPARE(storedCodes().size(), 1);
}

void tst_TitleEntry::failedBatchKeepsPendingAndWindow()
{
    enterFilm(QStringLiteral("0001"), QStringLiteral("英雄"), QStringLiteral("30"), 3);
    Db::exec(QStringLiteral("CREATE TRIGGER refuse_it BEFORE INSERT ON TBName "
                            "WHEN NEW.CustomNum = '0001-3' "
                            "BEGIN SELECT RAISE(ABORT, 'disk full'); END"),
             {}, m_account->db());
    QTest::mouseClick(m_dlg->BtnSave, Qt::LeftButton);
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(m_boxes->shown.last().details.contains(QStringLiteral("disk full")));
    QVERIFY(m_dlg->isVisible());
    QCOMPARE(m_dlg->pending().size(), 3);
    QVERIFY(storedCodes().isEmpty());
    // Once the cause is gone the same rows are written.
    Db::exec(QStringLiteral("DROP TRIGGER refuse_it"), {}, m_account->db());
    QTest::mouseClick(m_dlg->BtnSave, Qt::LeftButton);
    QCOMPARE(storedCodes().size(), 3);
    QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
}

QTEST_MAIN(tst_TitleEntry)
#include "tst_titleentry.moc"
