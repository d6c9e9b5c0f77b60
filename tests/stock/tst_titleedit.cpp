#include "stock/StockStore.h"
#include "stock/TitleEditWindow.h"

#include "StockFixtures.h"

#include "data/Db.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

using namespace StockFixtures;

class tst_TitleEdit : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadsTheRow();
    void savesOneRowAsTyped();
    void refusals_data();
    void refusals();
    void valuesMissingFromListsAreKept();
    void missingTitleFailsAfterSave();

private:
    TitleRecord stored(qint64 id) { return *StockStore::loadTitle(m_account->db(), id); }

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    qint64 m_supplier = 0;
    QList<qint64> m_ids;
};

void tst_TitleEdit::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    addSupplier(m_account->db(), QStringLiteral("中凯文化"));
    m_supplier = addSupplier(m_account->db(), QStringLiteral("广州音像"));
    m_account->addFeeClass(QStringLiteral("VCD"), 200, 2000);
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 3000);
    addCategory(m_account->db(), QStringLiteral("喜剧"));
    addCategory(m_account->db(), QStringLiteral("动作"));
    TitleRecord t;
    t.name = QStringLiteral("功夫");
    t.nlang = QStringLiteral("粤语");
    t.ver = QStringLiteral("DVD");
    t.categray = QStringLiteral("喜剧");
    t.amount = 2;
    t.copy = 1;
    t.datTime = QDate(2023, 5, 6);
    t.provide = m_supplier;
    t.mone = Money::fromCents(4550);
    t.address1 = QStringLiteral("2号架");
    t.direct = QStringLiteral("周星驰");
    t.actRole = QStringLiteral("周星驰 元秋");
    QList<TitleRecord> rows;
    for (const char *code : {"0001-1", "0001-2", "0001-3"}) {
        t.customNum = QLatin1String(code);
        rows << t;
    }
    m_ids = StockStore::writeTitles(m_account->context(), rows);
    Db::exec(QStringLiteral("UPDATE TBName SET Bu = 5, Quality = 1"), {}, m_account->db());
}

void tst_TitleEdit::cleanup()
{
    delete m_boxes;
    delete m_account;
}

void tst_TitleEdit::loadsTheRow()
{
    TRepertoryDetailEditFm dlg(m_account->context(), m_ids[1]);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("影片资料修改（按ESC键关闭窗口）"));
    QCOMPARE(dlg.EDNum->text(), QStringLiteral("0001-2"));
    QCOMPARE(dlg.EDName->text(), QStringLiteral("功夫"));
    QCOMPARE(dlg.ProComB->currentText(), QStringLiteral("广州音像"));
    QCOMPARE(dlg.dxDateEdit1->date(), QDate(2023, 5, 6));
    QCOMPARE(dlg.LanComB->currentText(), QStringLiteral("粤语"));
    QCOMPARE(dlg.CatComB->currentText(), QStringLiteral("喜剧"));
    QCOMPARE(dlg.VerComB->currentText(), QStringLiteral("DVD"));
    QCOMPARE(dlg.dxCurrencyEdit1->text(), QStringLiteral("45.50"));
    QCOMPARE(dlg.FlatEdit3->text(), QStringLiteral("2"));
    QCOMPARE(dlg.FlatEdit4->text(), QStringLiteral("1"));
    QVERIFY(!dlg.FlatEdit4->isEnabled());
    QVERIFY(!dlg.Label4->isEnabled());
    QVERIFY(dlg.CatComB->isEditable());
    // The lists keep the order of their IDs here.
    QCOMPARE(dlg.CatComB->itemText(0), QStringLiteral("喜剧"));
    QCOMPARE(dlg.VerComB->itemText(0), QStringLiteral("VCD"));
}

void tst_TitleEdit::savesOneRowAsTyped()
{
    TRepertoryDetailEditFm dlg(m_account->context(), m_ids[1]);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    // Enter walks date, supplier, code, name: then the name is typed anew.
    dlg.dxDateEdit1->setFocus();
    press(Qt::Key_Return);
    QCOMPARE(focusName(), QStringLiteral("ProComB"));
    press(Qt::Key_Return);
    fill(QStringLiteral("0009'x"));
    fill(QStringLiteral("Ocean's Eleven"));
    QCOMPARE(focusName(), QStringLiteral("EDDirect"));
    dlg.CatComB->setFocus();
    dlg.CatComB->lineEdit()->selectAll();
    typeText(dlg.CatComB->lineEdit(), QStringLiteral("新类型"));
    dlg.dxCurrencyEdit1->setText(QStringLiteral("12.5"));
    QTest::mouseClick(dlg.BtnSave, Qt::LeftButton);

    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("影片保存操作成功!")});
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Information);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    const TitleRecord t = stored(m_ids[1]);
    QCOMPARE(t.customNum, QStringLiteral("0009'x"));
    QCOMPARE(t.name, QStringLiteral("Ocean's Eleven"));
    QCOMPARE(t.categray, QStringLiteral("新类型"));
    QCOMPARE(t.mone, Money::fromCents(1250));
    QCOMPARE(t.copy, 1);
    QCOMPARE(t.nlang, QStringLiteral("粤语"));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Bu FROM TBName WHERE ID = ?"), {m_ids[1]},
                        m_account->db())
                 .toInt(),
             0);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT Quality FROM TBName WHERE ID = ?"), {m_ids[1]},
                        m_account->db())
                 .toInt(),
             1);
    // The other copies of the film are untouched.
    QCOMPARE(stored(m_ids[0]).customNum, QStringLiteral("0001-1"));
    QCOMPARE(stored(m_ids[2]).name, QStringLiteral("功夫"));
    QCOMPARE(m_account->count(QStringLiteral("TBName"), QStringLiteral("Bu = 5")), 2);
}

void tst_TitleEdit::refusals_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("code empty") << "EDNum"
                                << ""
                                << "请输入影片自编码!";
    QTest::newRow("name empty") << "EDName"
                                << ""
                                << "请输入影片名称!";
    QTest::newRow("version unknown") << "Ver"
                                     << "LD"
                                     << "请选择影片版本!";
    QTest::newRow("supplier gone") << "Provide"
                                   << "99"
                                   << "请选择供应商!";
    QTest::newRow("discs not a number") << "FlatEdit3"
                                        << "二"
                                        << "“二”不是有效的整数!";
    QTest::newRow("no disc") << "FlatEdit3"
                             << "0"
                             << "“0”超出范围，请输入1到99之间的整数!";
    QTest::newRow("discs beyond") << "FlatEdit3"
                                  << "150"
                                  << "“150”超出范围，请输入1到99之间的整数!";
    QTest::newRow("price not money") << "dxCurrencyEdit1"
                                     << "abc"
                                     << "请输入影片价格!";
    QTest::newRow("price empty") << "dxCurrencyEdit1"
                                 << ""
                                 << "请输入影片价格!";
}

void tst_TitleEdit::refusals()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    if (field == QLatin1String("Ver") || field == QLatin1String("Provide")) {
        Db::exec(QStringLiteral("UPDATE TBName SET %1 = ? WHERE ID = ?").arg(field),
                 {value, m_ids[0]}, m_account->db());
    }
    const TitleRecord before = stored(m_ids[0]);
    TRepertoryDetailEditFm dlg(m_account->context(), m_ids[0]);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    if (auto *edit = dlg.findChild<QLineEdit *>(field))
        edit->setText(value);
    dlg.EDAddress->setText(QStringLiteral("changed"));
    QTest::mouseClick(dlg.BtnSave, Qt::LeftButton);
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->shown.first().icon, Msg::Icon::Error);
    if (!message.isEmpty())
        QCOMPARE(m_boxes->lastText(), message);
    QVERIFY(dlg.isVisible());
    QCOMPARE(stored(m_ids[0]), before);
    // Saving again after choosing a version and supplier goes through.
    if (field == QLatin1String("Ver") || field == QLatin1String("Provide")) {
        dlg.VerComB->setCurrentIndex(0);
        dlg.ProComB->setCurrentIndex(0);
        QTest::mouseClick(dlg.BtnSave, Qt::LeftButton);
        QCOMPARE(m_boxes->lastText(), QStringLiteral("影片保存操作成功!"));
        QCOMPARE(stored(m_ids[0]).address1, QStringLiteral("changed"));
    }
}

void tst_TitleEdit::valuesMissingFromListsAreKept()
{
    Db::exec(QStringLiteral("UPDATE TBName SET Nlang = '闽南语', Categray = '武侠' WHERE ID = ?"),
             {m_ids[2]}, m_account->db());
    TRepertoryDetailEditFm dlg(m_account->context(), m_ids[2]);
    QCOMPARE(dlg.LanComB->currentIndex(), -1);
    QCOMPARE(dlg.CatComB->currentText(), QStringLiteral("武侠"));
    QTest::mouseClick(dlg.BtnSave, Qt::LeftButton);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("影片保存操作成功!"));
    QCOMPARE(stored(m_ids[2]).nlang, QStringLiteral("闽南语"));
    QCOMPARE(stored(m_ids[2]).categray, QStringLiteral("武侠"));
}

void tst_TitleEdit::missingTitleFailsAfterSave()
{
    TRepertoryDetailEditFm dlg(m_account->context(), 4711);
    QVERIFY(dlg.EDNum->text().isEmpty());
    QCOMPARE(dlg.dxDateEdit1->date(), QDate::currentDate());
    dlg.EDNum->setText(QStringLiteral("X"));
    dlg.EDName->setText(QStringLiteral("Y"));
    dlg.FlatEdit3->setText(QStringLiteral("1"));
    dlg.FlatEdit4->setText(QStringLiteral("1"));
    dlg.dxCurrencyEdit1->setText(QStringLiteral("1"));
    QTest::mouseClick(dlg.BtnSave, Qt::LeftButton);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("影片保存操作失败!"));
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(m_account->count(QStringLiteral("TBName")), 3);
}

QTEST_MAIN(tst_TitleEdit)
#include "tst_titleedit.moc"
