// The shop's options are read by one reader with one policy: the counter, the receipt and the
// settings page see the same values for every state an account's option rows can be in.
#include "data/Db.h"
#include "data/OperatorSession.h"
#include "data/Schema.h"
#include "data/ShopOptions.h"
#include "rental/ReceiptData.h"
#include "rental/ReceiptPaper.h"
#include "rental/RentRule.h"
#include "settings/OptionStore.h"
#include "support/TestAccount.h"

#include <QTest>

namespace {

// Option rows to write: a code with its value (replacing the row), or a negative code for a
// further row of that code added after the existing one.
using Rows = QList<QPair<int, QString>>;

void addOptionRow(const QSqlDatabase &db, int cateId, const QString &value)
{
    Db::exec(QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, Flag, Memo) "
                            "VALUES (?, ?, 0, '')"),
             {cateId, value}, db);
}

// What every reader of the program makes of the rows, as one line to compare.
QString everyReader(const QSqlDatabase &db)
{
    const ShopOptions shop = ShopOptions::read(db);
    const Settings::RentalOptions page = Settings::readRentalOptions(db);
    return QStringLiteral("counter: %1 %2 %3 %4 | page: %5 %6 %7 %8 %9 %10")
        .arg(RentRule::isRentPerDisc(db))
        .arg(RentRule::overdueDays(db))
        .arg(Receipt::printingOn(db))
        .arg(ReceiptPaper::optionValue(ReceiptPaper::current(db)))
        .arg(page.rentPerDisc)
        .arg(page.overdueDays.value_or(QStringLiteral("-")))
        .arg(!page.noReceipt)
        .arg(page.receiptRoll)
        .arg(page.permissionControl)
        .arg(shop.permissionControl);
}

} // namespace

class tst_ShopOptions : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_account = std::make_unique<TestAccount>(); }
    void cleanup() { m_account.reset(); }
    void everyReaderSeesTheSameValues_data();
    void everyReaderSeesTheSameValues();
    void unreadableRowsAreNamedAndMendedBySaving();
    void operatorSessionFollowsTheModeAndTheGrants();

private:
    std::unique_ptr<TestAccount> m_account;
};

void tst_ShopOptions::everyReaderSeesTheSameValues_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QList<int>>("unreadable");
    QTest::newRow("a new account") << Rows{} << "counter: 0 7 0 0 | page: 0 7 0 0 0 0"
                                   << QList<int>{};
    QTest::newRow("every second choice")
        << Rows{{1, "1"}, {2, "1"}, {4, "10"}, {5, "0"}, {7, "58"}}
        << "counter: 1 10 1 58 | page: 1 10 1 58 1 1" << QList<int>{};
    QTest::newRow("any other whole number is the second choice")
        << Rows{{1, " 2 "}, {2, "-1"}} << "counter: 1 7 0 0 | page: 1 7 0 0 1 1" << QList<int>{};
    // Two rows for one code: the first (lowest ID) holds the option, for every reader.
    QTest::newRow("a second row for a code")
        << Rows{{1, "0"}, {-1, "1"}, {5, "0"}, {-5, "1"}, {7, "80"}, {-7, "58"}}
        << "counter: 0 7 1 80 | page: 0 7 1 80 0 0" << QList<int>{};
    QTest::newRow("garbled values read as their defaults")
        << Rows{{1, "x"}, {2, "是"}, {4, "2.5"}, {5, "no"}, {7, "100"}}
        << "counter: 0 7 1 0 | page: 0 7 1 0 0 0" << QList<int>{1, 2, 4, 5, 7};
}

void tst_ShopOptions::everyReaderSeesTheSameValues()
{
    QFETCH(Rows, rows);
    QFETCH(QString, expected);
    QFETCH(QList<int>, unreadable);
    for (const auto &[code, value] : rows) {
        if (code < 0)
            addOptionRow(m_account->db(), -code, value);
        else
            m_account->setOption(code, value);
    }
    QCOMPARE(everyReader(m_account->db()), expected);
    QCOMPARE(ShopOptions::read(m_account->db()).unreadable, unreadable);
    QCOMPARE(Settings::readRentalOptions(m_account->db()).unreadable, unreadable);
}

void tst_ShopOptions::unreadableRowsAreNamedAndMendedBySaving()
{
    Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE CateID = ?"),
             {Schema::OptionPermissionMode}, m_account->db());
    m_account->setOption(Schema::OptionRentRule, QStringLiteral("x"));
    Settings::RentalOptions o = Settings::readRentalOptions(m_account->db());
    const QString notice = Settings::unreadableNotice(o);
    QVERIFY2(notice.contains(QStringLiteral("【租金计算方法】【系统运行方式】")), qPrintable(notice));

    Settings::saveRentalOptions(m_account->context(), o);
    o = Settings::readRentalOptions(m_account->db());
    QVERIFY(o.unreadable.isEmpty());
    QVERIFY(Settings::unreadableNotice(o).isEmpty());
    QCOMPARE(everyReader(m_account->db()), QStringLiteral("counter: 0 7 0 0 | page: 0 7 0 0 0 0"));
}

// What an operator may use: everything without permission control, his grants with it; a
// garbled mode row reads as no control and says so; an unreadable account opens nothing.
void tst_ShopOptions::operatorSessionFollowsTheModeAndTheGrants()
{
    const qint64 clerk = m_account->addStaff(QStringLiteral("王芳"), QString());
    m_account->grant(clerk, Power::Rental);
    m_account->grant(clerk, Power::CashUp);
    const QList<int> all = {Power::Rental,     Power::Stock, Power::Statistics, Power::Sale,
                            Power::Settings,   Power::IncomeExpense, Power::File,
                            Power::CashUp};
    auto mayList = [&](const OperatorSession &s) {
        QList<int> out;
        for (int p : all) {
            if (s.may(p))
                out << p;
        }
        return out;
    };

    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("0"));
    OperatorSession s = OperatorSession::load(int(clerk), m_account->db());
    QVERIFY(s.modeReadable);
    QCOMPARE(mayList(s), all);

    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("1"));
    s = OperatorSession::load(int(clerk), m_account->db());
    QCOMPARE(mayList(s), (QList<int>{Power::Rental, Power::CashUp}));
    QCOMPARE(mayList(OperatorSession::load(int(clerk) + 100, m_account->db())),
             QList<int>{}); // nobody

    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("?"));
    s = OperatorSession::load(int(clerk), m_account->db());
    QVERIFY(!s.modeReadable);
    QCOMPARE(mayList(s), all);

    QCOMPARE(mayList(OperatorSession::lockedDown(int(clerk))), QList<int>{});
}

QTEST_GUILESS_MAIN(tst_ShopOptions)
#include "tst_shopoptions.moc"
