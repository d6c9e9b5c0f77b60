#include "cashup/CashUp.h"
#include "cashup/CashUpSlip.h"
#include "cashup/CashUpWindow.h"

#include "money/InOutMoneyStore.h"
#include "rental/CounterLookup.h"
#include "rental/LeaseCompletion.h"
#include "rental/RentRule.h"
#include "sales/SaleStore.h"
#include "settings/MemberStore.h"
#include "settings/TypeStore.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/ReportPrinter.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDate kToday = QDate::currentDate();

Money yuan(qint64 y)
{
    return Money::fromYuan(y);
}

void lease(AccountContext &account, Lease::Mode mode, const QStringList &codes,
           Money rent = Money())
{
    Lease::Completion c;
    c.mode = mode;
    for (const QString &code : codes) {
        const auto copy = mode == Lease::Mode::RentOut
                              ? Lease::findCopyForRent(account.db(), code)
                              : Lease::findCopyForReturn(account.db(), code);
        QVERIFY2(copy, qPrintable(code));
        c.items << *Lease::makeItem(account.db(), *copy, mode,
                                    RentRule::isRentPerDisc(account.db()), kToday);
        c.depositTotal += c.items.last().addedDeposit;
    }
    c.rentTotal = rent; // what the operator's rent field holds
    c.operatorId = account.operatorId();
    c.now = QDateTime::currentDateTime();
    QVERIFY(Lease::complete(account.db(), c).done());
}

qint64 sell(AccountContext &account, const QString &code, Money price, qint64 editedLine = 0)
{
    const auto copy = SaleStore::findSaleableCopy(account.db(), code);
    if (!copy)
        qFatal("fixture copy %s not saleable", qPrintable(code));
    SaleStore::SaleRow row;
    row.copy = *copy;
    row.amount = 1;
    row.rmoney = price;
    return SaleStore::completeSale(account.db(), {row}, editedLine, account.operatorId(), kToday)
        .value()
        .value(0);
}

qint64 record(AccountContext &account, qint64 type, Money amount)
{
    InOutMoney::Record r;
    r.date = kToday;
    r.typeId = type;
    r.amount = amount;
    r.clientId = Schema::WalkInCustomerId;
    r.staffId = account.operatorId();
    return InOutMoney::add(account, r);
}

} // namespace

class tst_CashUp : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void scriptedDayAddsUpByHand();
    void closedShiftNoLongerChanges();
    void slipFitsEachPaper_data();
    void slipFitsEachPaper();
    void reportSumsByDay();
    void windowClosesTheShiftAndPrints();

private:
    // The scripted day of the clerk: 105.00 expected in his till, 99.00 in the other's.
    void scriptedDay();

    TestAccount *m_account = nullptr;
    RecordingPresenter *m_boxes = nullptr;
    qint64 m_clerk = 0;
    qint64 m_other = 0;
};

void tst_CashUp::init()
{
    m_account = new TestAccount;
    m_boxes = new RecordingPresenter;
    m_clerk = m_account->addStaff(QStringLiteral("小王"), QString());
    m_other = m_account->addStaff(QStringLiteral("小李"), QString());
    m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    for (int i = 1; i <= 8; ++i) {
        m_account->addCopy(QStringLiteral("000%1-1").arg(i), QStringLiteral("影片%1").arg(i),
                           QStringLiteral("DVD"));
    }
    m_account->context().setOperator(int(m_clerk));
}

void tst_CashUp::cleanup()
{
    ReportPrinter::setPdfInstead(QString());
    delete m_boxes;
    delete m_account;
}

void tst_CashUp::scriptedDay()
{
    lease(m_account->context(), Lease::Mode::RentOut,
          {QStringLiteral("0001-1"), QStringLiteral("0002-1")}); // +40
    lease(m_account->context(), Lease::Mode::TakeBack, {QStringLiteral("0001-1")},
          yuan(3));                                                                     // +3 -20
    const qint64 line = sell(m_account->context(), QStringLiteral("0003-1"), yuan(30)); // +30
    sell(m_account->context(), QStringLiteral("0004-1"), yuan(25), line);               // -5
    SaleStore::undoSale(m_account->context(),
                        sell(m_account->context(), QStringLiteral("0005-1"), yuan(10))); // +10 -10
    const qint64 member = m_account->addMember(QStringLiteral("M1"), QStringLiteral("张三"), 5);
    Settings::addMemberPayment(m_account->context(), member, kToday, yuan(50), QString()); // +50
    const qint64 type =
        Settings::saveType(m_account->context(), 0, QStringLiteral("杂项"), QString());
    InOutMoney::Record r =
        *InOutMoney::load(m_account->db(), record(m_account->context(), type, yuan(12))); // +12
    r.amount = yuan(15);
    InOutMoney::update(m_account->context(), r);  // +3
    record(m_account->context(), type, -yuan(8)); // -8
    m_account->context().setOperator(int(m_other));
    sell(m_account->context(), QStringLiteral("0006-1"), yuan(99));
    m_account->context().setOperator(int(m_clerk));
}

void tst_CashUp::scriptedDayAddsUpByHand()
{
    QVERIFY(CashUp::openShift(m_account->db(), m_clerk).startAt.isEmpty());
    scriptedDay();
    const CashUp::Figures f = CashUp::openShift(m_account->db(), m_clerk);
    QCOMPARE(f.depositIn, yuan(40));
    QCOMPARE(f.depositOut, -yuan(20));
    QCOMPARE(f.rent, yuan(3));
    QCOMPARE(f.sales, yuan(25));
    QCOMPARE(f.otherIn, yuan(65));
    QCOMPARE(f.expense, -yuan(8));
    QCOMPARE(f.expected(), yuan(105));
    QVERIFY(!f.startAt.isEmpty());
    const CashUp::Figures other = CashUp::openShift(m_account->db(), m_other);
    QCOMPARE(other.expected(), yuan(99));
    QCOMPARE(other.sales, yuan(99));
}

void tst_CashUp::closedShiftNoLongerChanges()
{
    scriptedDay();
    const QDateTime end = QDateTime::currentDateTime();
    const CashUp::Record closed = CashUp::close(
        m_account->db(), m_clerk, Money::parse(u"100.5").value(), QStringLiteral("少五元"), end);
    QVERIFY(closed.id > 0);
    QCOMPARE(closed.figures.expected(), yuan(105));
    QCOMPARE(closed.counted, Money::parse(u"100.5").value());
    QCOMPARE(closed.difference, Money::parse(u"-4.5", Money::Sign::AllowNegative).value());
    QCOMPARE(closed.userName, QStringLiteral("小王"));
    QCOMPARE(closed.note, QStringLiteral("少五元"));
    QCOMPARE(m_account->count(QStringLiteral("TBAuditLog"),
                              QStringLiteral("Kind = '交班结算' AND UserId = %1").arg(m_clerk)),
             1);

    // The shift is closed: the clerk starts again from nothing, the other's shift is untouched.
    QCOMPARE(CashUp::openShift(m_account->db(), m_clerk).expected(), Money());
    QCOMPARE(CashUp::openShift(m_account->db(), m_clerk).startAt, closed.endAt);
    QCOMPARE(CashUp::openShift(m_account->db(), m_other).expected(), yuan(99));

    // Later bookings, a correction of an earlier sale included, belong to the next shift.
    sell(m_account->context(), QStringLiteral("0007-1"), yuan(7));
    const qint64 earlier = Db::scalar(QStringLiteral("SELECT ID FROM TBBusinessDetail WHERE "
                                                     "CDNum = (SELECT ID FROM TBName WHERE "
                                                     "CustomNum = '0004-1')"),
                                      {}, m_account->db())
                               .toLongLong();
    QVERIFY(SaleStore::undoSale(m_account->context(), earlier));
    QCOMPARE(CashUp::openShift(m_account->db(), m_clerk).sales, yuan(7) - yuan(25));
    const std::optional<CashUp::Record> again = CashUp::load(m_account->db(), closed.id);
    QVERIFY(again);
    QCOMPARE(again->figures.expected(), yuan(105));
    QCOMPARE(again->figures.sales, yuan(25));
    QCOMPARE(again->difference, closed.difference);
}

void tst_CashUp::slipFitsEachPaper_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<qreal>("width");
    QTest::newRow("58 mm roll") << int(ReceiptPaper::Format::Roll58) << 58.0;
    QTest::newRow("80 mm roll") << int(ReceiptPaper::Format::Roll80) << 80.0;
    QTest::newRow("70 x 100 slip") << int(ReceiptPaper::Format::Slip) << 70.0;
}

void tst_CashUp::slipFitsEachPaper()
{
    QFETCH(int, format);
    QFETCH(qreal, width);
    scriptedDay();
    const CashUp::Record r = CashUp::close(m_account->db(), m_clerk, yuan(100),
                                           QStringLiteral("备注"), QDateTime::currentDateTime());
    const auto paper = ReceiptPaper::Format(format);
    const ReportDocument doc = CashUpSlip::document(r, QStringLiteral("影碟小店"), paper);
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(doc.page().sizeMm.width(), width);
    // Everything printed lies on the paper inside its margins; a roll ends soon after it.
    qreal bottom = 0;
    for (const ReportItem &item : doc.items(0)) {
        QVERIFY(item.rect.right() <= width + 0.01);
        bottom = qMax(bottom, item.rect.bottom());
    }
    QVERIFY(bottom <= doc.page().sizeMm.height() - doc.page().marginsMm.bottom() + 0.01);
    if (paper != ReceiptPaper::Format::Slip)
        QVERIFY2(doc.page().sizeMm.height() - bottom < 12, qPrintable(QString::number(bottom)));
    const QString text = doc.pageTexts(0).join(u'|');
    for (const QString &expected :
         {QStringLiteral("交班结算单"), QStringLiteral("影碟小店"), QStringLiteral("小王"),
          QStringLiteral("收取押金|40.00"), QStringLiteral("退还押金|-20.00"),
          QStringLiteral("应有现金|105.00"), QStringLiteral("实点现金|100.00"),
          QStringLiteral("差    额|-5.00")}) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text));
    }
}

void tst_CashUp::reportSumsByDay()
{
    auto add = [this](const char *end, qint64 user, qint64 expected, qint64 counted) {
        Db::exec(QStringLiteral("INSERT INTO TBCashUp (UserId, EndAt, Expected, Counted, "
                                "Difference) VALUES (?, ?, ?, ?, ?)"),
                 {user, QLatin1String(end), expected, counted, counted - expected},
                 m_account->db());
    };
    add("2024-03-01 12:00:00", m_clerk, 10000, 9950);
    add("2024-03-01 20:00:00", m_other, 5000, 5000);
    add("2024-03-02 20:00:00", m_clerk, 7000, 7100);
    add("2024-03-03 20:00:00", m_clerk, 1, 1); // outside the range
    QVariantList params;
    const QString sql = CashUp::listSql(QDate(2024, 3, 1), QDate(2024, 3, 2), 0, &params);
    const ReportDocument doc = CashUpSlip::report(
        ReportData::fromQuery(sql, params, m_account->db()), QDate(2024, 3, 1), QDate(2024, 3, 2));
    QCOMPARE(doc.pageCount(), 1);
    const QString text = doc.pageTexts(0).join(u'|');
    QVERIFY2(text.contains(QStringLiteral("2024-03-01|2024-03-01 12:00:00|小王|100.00|99.50|"
                                          "-0.50")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("本日合计|150.00|149.50|-0.50")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("本日合计|70.00|71.00|1.00")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("总计|220.00|220.50|0.50")), qPrintable(text));
}

void tst_CashUp::windowClosesTheShiftAndPrints()
{
    scriptedDay();
    QTemporaryDir prints;
    ReportPrinter::setPdfInstead(prints.path());
    TCashUpFm w(m_account->context());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.LblOperator->text(), QStringLiteral("小王"));
    QCOMPARE(w.lineLabels.value(Till::Line::OtherIn)->text(), QStringLiteral("65.00"));
    QCOMPARE(w.LblExpected->text(), QStringLiteral("105.00"));

    // A letter never reaches the field; an empty amount is refused.
    QTest::mouseClick(w.BtnOK, Qt::LeftButton);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("金额输入有错，请检查！"));
    QCOMPARE(w.stored().id, 0);

    QTest::keyClicks(w.EDCounted, QStringLiteral("1x00"));
    QCOMPARE(w.EDCounted->text(), QStringLiteral("100"));
    QCOMPARE(w.LblDifference->text(), QStringLiteral("-5.00"));
    m_boxes->clear();
    QTest::mouseClick(w.BtnOK, Qt::LeftButton);
    QCOMPARE(m_boxes->texts(),
             (QStringList{QStringLiteral("确定结算本班吗？结算后本班的收付不再改变。"),
                          QStringLiteral("交班结算完成，差额 -5.00 元。")}));
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(w.stored().id > 0);
    QCOMPARE(CashUp::openShift(m_account->db(), m_clerk).expected(), Money());
    QCOMPARE(QDir(prints.path()).entryList({QStringLiteral("*.pdf")}).size(), 1);
}

QTEST_MAIN(tst_CashUp)
#include "tst_cashup.moc"
