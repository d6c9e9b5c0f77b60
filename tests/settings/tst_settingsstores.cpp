// The widget-free rules of the settings pages, on a fresh account per test.
#include "support/TestAccount.h"

#include "settings/FeeStore.h"
#include "settings/MemberStore.h"
#include "settings/OptionStore.h"
#include "settings/StaffStore.h"
#include "settings/SupplierStore.h"
#include "settings/TypeStore.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Password.h"
#include "data/Schema.h"

#include <QSqlQuery>
#include <QTest>

#include <functional>
#include <memory>

using namespace Settings;

namespace {

// The refusal an action ends with; an empty message when it was not refused.
Refusal refusalOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Refused &r) {
        return r.refusal();
    }
    return {};
}

QVariant value(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {})
{
    return Db::scalar(sql, params, db);
}

QString option(const QSqlDatabase &db, int cateId)
{
    return value(db, QStringLiteral("SELECT CateValue FROM TBKindValue WHERE CateID = ?"), {cateId})
        .toString();
}

MemberEntry member(const QString &num, const QString &name, const QString &allowance = {})
{
    MemberEntry e;
    e.num = num;
    e.name = name;
    e.allowance = allowance;
    e.endDate = noEndDate();
    return e;
}

} // namespace

class tst_SettingsStores : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_account = std::make_unique<TestAccount>(); }
    void cleanup() { m_account.reset(); }

    void memberEntryRefused_data();
    void memberEntryRefused();
    void newMemberGetsDefaultsAndIdAboveReserved();
    void memberSaveKeepsAllowanceWhenEmptyAndStampsDate();
    void protectedAndHiddenMembers();
    void deletingMemberKeepsPaymentsAndRentals();
    void memberPaymentsAreTypeNineOfThatMember();

    void optionsRoundTrip();
    void overdueDaysChecked_data();
    void overdueDaysChecked();
    void missingOptionRowsAreWritten();
    void brokenOptionValueIsReported();
    void shopDetails();

    void feeClassEntryRefused_data();
    void feeClassEntryRefused();
    void feeClassesAndCategories();

    void staffWithPermissions();
    void staffOfTheSameNameKeepTheirOwnPermissions();
    void failedStaffSaveChangesNothing();
    void deletedStaffKeepTheirRow();
    void someoneKeepsTheSettingsPermission();
    void deletingWhatIsInUseIsRefused();
    void renamingAClassCarriesOverToItsTitles_data();
    void renamingAClassCarriesOverToItsTitles();

    void builtInTypesAreLocked_data();
    void builtInTypesAreLocked();
    void userTypes();
    void suppliers();
    void rowDeletedMeanwhileIsSaidAndNothingWritten();

private:
    std::unique_ptr<TestAccount> m_account;
};

void tst_SettingsStores::memberEntryRefused_data()
{
    QTest::addColumn<QString>("num");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("allowance");
    QTest::addColumn<Settings::Field>("field");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("errorTone");

    const QString failed = QStringLiteral("数据保存失败！");
    QTest::newRow("no number") << ""
                               << "张三"
                               << "3" << Settings::Field::MemberNumber << "请输入会员编号！"
                               << true;
    QTest::newRow("no name") << "M9"
                             << ""
                             << "3" << Settings::Field::MemberName << "请输入会员姓名！" << true;
    QTest::newRow("number checked before name")
        << ""
        << ""
        << "" << Settings::Field::MemberNumber << "请输入会员编号！" << true;
    QTest::newRow("pasted letters") << "M9"
                                    << "张三"
                                    << "3a" << Settings::Field::MemberAllowance << failed << false;
    QTest::newRow("pasted fraction")
        << "M9"
        << "张三"
        << "1.5" << Settings::Field::MemberAllowance << failed << false;
    QTest::newRow("pasted negative") << "M9"
                                     << "张三"
                                     << "-2" << Settings::Field::MemberAllowance << failed << false;
    QTest::newRow("beyond integer range")
        << "M9"
        << "张三"
        << "2147483648" << Settings::Field::MemberAllowance << failed << false;
    QTest::newRow("number of another member")
        << "A001"
        << "李四"
        << "" << Settings::Field::MemberNumber
        << "会员编号【A001】已被会员【王五】使用，请输入其他编号！" << true;
}

void tst_SettingsStores::memberEntryRefused()
{
    QFETCH(QString, num);
    QFETCH(QString, name);
    QFETCH(QString, allowance);
    QFETCH(Settings::Field, field);
    QFETCH(QString, message);
    QFETCH(bool, errorTone);

    m_account->addMember(QStringLiteral("A001"), QStringLiteral("王五"), 4);
    const qint64 before = m_account->count(QStringLiteral("TBAssociator"));
    const Refusal r =
        refusalOf([&] { saveMember(m_account->context(), 0, member(num, name, allowance), {}); });
    QCOMPARE(r.field, field);
    QCOMPARE(r.message, message);
    QCOMPARE(r.tone == Refusal::Tone::Error, errorTone);
    QCOMPARE(m_account->count(QStringLiteral("TBAssociator")), before);
}

void tst_SettingsStores::newMemberGetsDefaultsAndIdAboveReserved()
{
    MemberEntry e = member(QStringLiteral("M'01"), QStringLiteral("O'Neil \"老王\""));
    e.telephone = QStringLiteral("010-1234");
    e.grade = QStringLiteral("金卡");
    e.memo = QStringLiteral("it's fine");
    e.endDate = QDate(2030, 5, 1);
    const qint64 id = saveMember(m_account->context(), 0, e, QDate(2024, 3, 9));
    QVERIFY(id > Schema::WalkInCustomerId);

    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT * FROM TBAssociator WHERE ID = ?"), {id}, m_account->db());
    QVERIFY(q.next());
    QCOMPARE(Db::text(q, "Num"), e.num);
    QCOMPARE(Db::text(q, "Name"), e.name);
    QCOMPARE(Db::text(q, "Memo"), e.memo);
    QCOMPARE(Db::text(q, "SDT"), QStringLiteral("2030-05-01"));
    QCOMPARE(Db::text(q, "DateT"), QStringLiteral("2024-03-09"));
    QCOMPARE(Db::integer(q, "ASFlag"), 0);
    // No allowance typed: the column keeps its default.
    QVERIFY(q.value(QStringLiteral("Sum")).isNull());

    // Only the text edits are tested for emptiness: blanks count as typed.
    const qint64 blank = saveMember(m_account->context(), 0,
                                    member(QStringLiteral(" "), QStringLiteral(" "), "0"), {});
    QCOMPARE(value(m_account->db(), QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"),
                   {blank}),
             QVariant(0));
}

void tst_SettingsStores::memberSaveKeepsAllowanceWhenEmptyAndStampsDate()
{
    const qint64 id =
        saveMember(m_account->context(), 0,
                   member(QStringLiteral("A1"), QStringLiteral("甲"), "12"), QDate(2024, 1, 1));
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"), {id}),
        QVariant(12));

    // Saved again unchanged on a later day with the allowance edit emptied.
    QCOMPARE(saveMember(m_account->context(), id,
                        member(QStringLiteral("A1"), QStringLiteral("甲")), QDate(2024, 2, 2)),
             id);
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"), {id}),
        QVariant(12));
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT DateT FROM TBAssociator WHERE ID = ?"), {id}),
        QVariant(QStringLiteral("2024-02-02")));

    // Keeping one's own number is not a clash; a pasted bad allowance leaves the row alone.
    saveMember(m_account->context(), id, member(QStringLiteral("A1"), QStringLiteral("乙"), " 7 "),
               QDate(2024, 2, 3));
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"), {id}),
        QVariant(7));
    QVERIFY(!refusalOf([&] {
                 saveMember(m_account->context(), id,
                            member(QStringLiteral("A1"), QStringLiteral("丙"), "x"), {});
             }).message.isEmpty());
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT Name FROM TBAssociator WHERE ID = ?"), {id}),
        QVariant(QStringLiteral("乙")));
}

void tst_SettingsStores::protectedAndHiddenMembers()
{
    const qint64 hidden = m_account->addMember(QStringLiteral("H1"), QStringLiteral("隐"), 0);
    Db::exec(QStringLiteral("UPDATE TBAssociator SET ASFlag = 2 WHERE ID = ?"), {hidden},
             m_account->db());
    m_account->addMember(QStringLiteral("B2"), QStringLiteral("乙"), 0);

    QStringList listed;
    QSqlQuery q = Db::exec(memberListSql(), {}, m_account->db());
    while (q.next())
        listed << Db::text(q, "Name");
    // The walk-in customer (protected) is listed; the hidden row is not.
    QCOMPARE(listed, (QStringList{QStringLiteral("零租客户"), QStringLiteral("乙")}));

    const QString walkInName =
        value(m_account->db(), QStringLiteral("SELECT Name FROM TBAssociator WHERE ID = 15"))
            .toString();
    QVERIFY(!refusalOf([this] {
                 saveMember(m_account->context(), Schema::WalkInCustomerId, member("W", "改名"),
                            {});
             }).message.isEmpty());
    QVERIFY(!refusalOf([this] {
                 deleteMember(m_account->context(), Schema::WalkInCustomerId);
             }).message.isEmpty());
    QCOMPARE(value(m_account->db(), QStringLiteral("SELECT Name FROM TBAssociator WHERE ID = 15"))
                 .toString(),
             walkInName);
}

void tst_SettingsStores::deletingMemberKeepsPaymentsAndRentals()
{
    const qint64 gone = m_account->addMember(QStringLiteral("A1"), QStringLiteral("甲"), 5);
    const qint64 other = m_account->addMember(QStringLiteral("A2"), QStringLiteral("乙"), 5);
    const qint64 copy = m_account->addCopy(QStringLiteral("0001-1"), QStringLiteral("片"), "DVD");
    for (qint64 m : {gone, other}) {
        // The member to be deleted has brought the disc back; the other still has it.
        Db::exec(
            QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                           "DatTime, Deposit, Persons, ReDate) VALUES (?, 300, 1, ?, "
                           "'2024-01-01', 2000, 1, ?)"),
            {copy, m, m == gone ? QVariant(QStringLiteral("2024-01-03 10:00:00")) : QVariant()},
            m_account->db());
        addMemberPayment(m_account->context(), m, QDate(2024, 1, 2), Money::fromYuan(50),
                         QStringLiteral("年费"));
    }
    deleteMember(m_account->context(), gone);
    QCOMPARE(m_account->count(QStringLiteral("TBAssociator"), QStringLiteral("ID = %1").arg(gone)),
             0);
    QCOMPARE(m_account->count(QStringLiteral("TBBusinessDetail")), 2);
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney")), 2);

    QSqlQuery rentals = Db::exec(memberRentalsSql(), {other}, m_account->db());
    QVERIFY(rentals.next());
    QCOMPARE(Db::text(rentals, "CustomNum"), QStringLiteral("0001-1"));
    QVERIFY(rentals.value(QStringLiteral("ReDate")).isNull());
    QVERIFY(!rentals.next());
}

void tst_SettingsStores::memberPaymentsAreTypeNineOfThatMember()
{
    const qint64 a = m_account->addMember(QStringLiteral("A1"), QStringLiteral("甲"), 5);
    const qint64 b = m_account->addMember(QStringLiteral("A2"), QStringLiteral("乙"), 5);
    const qint64 fid = addMemberPayment(m_account->context(), a, QDate(2024, 5, 6),
                                        *Money::parse(u"30.5"), QStringLiteral("季'费"));
    addMemberPayment(m_account->context(), b, QDate(2024, 5, 6), Money::fromYuan(10), {});
    // A deposit booked for the same member is not a payment.
    Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, Per) "
                            "VALUES ('2024-05-07', 8, 2000, ?, 0)"),
             {a}, m_account->db());

    auto payments = [this](qint64 memberId) {
        QStringList rows;
        QSqlQuery q = Db::exec(memberPaymentsSql(), {memberId}, m_account->db());
        while (q.next()) {
            rows << QStringLiteral("%1 %2 %3")
                        .arg(Db::text(q, "FeeDate"))
                        .arg(Db::integer(q, "Moneys"))
                        .arg(Db::text(q, "Memo"));
        }
        return rows;
    };
    QCOMPARE(payments(a), QStringList{QStringLiteral("2024-05-06 3050 季'费")});
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT Per FROM TBInOutMoney WHERE FID = ?"), {fid}),
        QVariant(0));

    updateMemberPayment(m_account->context(), fid, QDate(2024, 6, 1), *Money::parse(u"12.345"),
                        QStringLiteral("改"));
    QCOMPARE(payments(a), QStringList{QStringLiteral("2024-06-01 1235 改")});

    deleteMemberPayment(m_account->context(), fid);
    QVERIFY(payments(a).isEmpty());
    QCOMPARE(payments(b).size(), 1);
    QCOMPARE(m_account->count(QStringLiteral("TBInOutMoney"), QStringLiteral("CateID = 8")), 1);
}

void tst_SettingsStores::optionsRoundTrip()
{
    // What the template holds: by days, no permissions, 7 days, no receipt, POS paper.
    RentalOptions o = readRentalOptions(m_account->db());
    QCOMPARE(o.rentPerDisc, false);
    QCOMPARE(o.permissionControl, false);
    QCOMPARE(o.overdueDays, std::optional<QString>(QStringLiteral("7")));
    QCOMPARE(o.noReceipt, true);
    QCOMPARE(o.posPaper, true);

    o.rentPerDisc = true;
    o.permissionControl = true;
    o.noReceipt = false;
    o.overdueDays = QStringLiteral("10");
    saveRentalOptions(m_account->context(), o);
    QCOMPARE(option(m_account->db(), Schema::OptionRentRule), QStringLiteral("1"));
    QCOMPARE(option(m_account->db(), Schema::OptionPermissionMode), QStringLiteral("1"));
    QCOMPARE(option(m_account->db(), Schema::OptionOverdueDays), QStringLiteral("10"));
    QCOMPARE(option(m_account->db(), Schema::OptionReceiptPrinting), QStringLiteral("0"));
    QCOMPARE(option(m_account->db(), Schema::OptionReceiptPaper), QStringLiteral("1"));

    const RentalOptions back = readRentalOptions(m_account->db());
    QCOMPARE(back.rentPerDisc, true);
    QCOMPARE(back.permissionControl, true);
    QCOMPARE(back.noReceipt, false);
    QCOMPARE(back.posPaper, true);
    // Type rows are untouched by the options.
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("CateID = 3")), 3);
}

void tst_SettingsStores::overdueDaysChecked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("empty becomes three") << ""
                                         << "3";
    QTest::newRow("plain") << "15"
                           << "15";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("leading zeros and blanks") << " 007 "
                                              << "7";
    QTest::newRow("letters") << "abc"
                             << "";
    QTest::newRow("quote") << "3'"
                           << "";
    QTest::newRow("fraction") << "2.5"
                              << "";
    QTest::newRow("negative") << "-1"
                              << "";
    QTest::newRow("huge") << "12345678901"
                          << "";
}

void tst_SettingsStores::overdueDaysChecked()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    RentalOptions o = readRentalOptions(m_account->db());
    o.rentPerDisc = true;
    o.permissionControl = true;
    o.overdueDays = typed;
    if (stored.isEmpty()) {
        const Refusal r = refusalOf([&] { saveRentalOptions(m_account->context(), o); });
        QCOMPARE(r.field, Settings::Field::OverdueDays);
        QVERIFY(!r.message.isEmpty());
        // Nothing half-saved: the options before the day count are unchanged too.
        QCOMPARE(option(m_account->db(), Schema::OptionRentRule), QStringLiteral("0"));
        QCOMPARE(option(m_account->db(), Schema::OptionPermissionMode), QStringLiteral("0"));
        QCOMPARE(option(m_account->db(), Schema::OptionOverdueDays), QStringLiteral("7"));
    } else {
        QCOMPARE(saveRentalOptions(m_account->context(), o).overdueDays,
                 std::optional<QString>(stored));
        QCOMPARE(option(m_account->db(), Schema::OptionOverdueDays), stored);
        QCOMPARE(option(m_account->db(), Schema::OptionPermissionMode), QStringLiteral("1"));
    }
}

void tst_SettingsStores::missingOptionRowsAreWritten()
{
    Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE CateID IN (2, 4)"), {}, m_account->db());
    RentalOptions o = readRentalOptions(m_account->db());
    // Shown at the defaults the counter uses for a missing row.
    QCOMPARE(o.overdueDays, std::optional<QString>(QStringLiteral("7")));
    QCOMPARE(o.permissionControl, false);
    QCOMPARE(o.unreadable, (QList<int>{Schema::OptionPermissionMode, Schema::OptionOverdueDays}));

    o.permissionControl = true;
    saveRentalOptions(m_account->context(), o);
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("CateID = 2")), 1);
    QCOMPARE(option(m_account->db(), Schema::OptionPermissionMode), QStringLiteral("1"));
    QCOMPARE(option(m_account->db(), Schema::OptionOverdueDays), QStringLiteral("7"));
    QVERIFY(readRentalOptions(m_account->db()).unreadable.isEmpty());
    // Saving again updates the rows just written instead of adding more.
    saveRentalOptions(m_account->context(), o);
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("CateID = 2")), 1);
}

void tst_SettingsStores::brokenOptionValueIsReported()
{
    m_account->setOption(Schema::OptionRentRule, QStringLiteral("x"));
    const RentalOptions o = readRentalOptions(m_account->db());
    QCOMPARE(o.rentPerDisc, false); // the default, as the counter reads it too
    QCOMPARE(o.unreadable, QList<int>{Schema::OptionRentRule});
    QVERIFY2(unreadableNotice(o).contains(QStringLiteral("租金计算方法")),
             qPrintable(unreadableNotice(o)));
}

void tst_SettingsStores::shopDetails()
{
    m_account->context().setShop(
        {QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("old")});
    QCOMPARE(readShopDetails(m_account->db()).company, QString());

    saveShopDetails(m_account->context(), {QStringLiteral("星光'影碟"),
                                           QStringLiteral("人民路 1 号"), QStringLiteral("8888")});
    QCOMPARE(m_account->count(QStringLiteral("TBSetup")), 1);
    QCOMPARE(m_account->context().shop(),
             (ShopDetails{QStringLiteral("星光'影碟"), QStringLiteral("人民路 1 号"),
                          QStringLiteral("8888")}));

    saveShopDetails(m_account->context(), {QStringLiteral("新名"), QString(), QStringLiteral("9")});
    QCOMPARE(m_account->count(QStringLiteral("TBSetup")), 1);
    const ShopDetails d = readShopDetails(m_account->db());
    QCOMPARE(d.company, QStringLiteral("新名"));
    QCOMPARE(d.address, QString());
    QCOMPARE(d.telephone, QStringLiteral("9"));

    // A database failure leaves the shared values as they were.
    Db::exec(QStringLiteral("DROP TABLE TBSetup"), {}, m_account->db());
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError,
        saveShopDetails(m_account->context(), {QStringLiteral("x"), QString(), QString()}));
    QCOMPARE(m_account->context().shop().company, QStringLiteral("新名"));
}

void tst_SettingsStores::feeClassEntryRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fee");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<Settings::Field>("field");
    QTest::addColumn<QString>("message");

    QTest::newRow("no name") << ""
                             << ""
                             << "" << Settings::Field::FeeClassName << "请输入类型名称！";
    QTest::newRow("no fee") << "DVD"
                            << ""
                            << "" << Settings::Field::FeeRent << "请输入租金/天金额！";
    QTest::newRow("no deposit") << "DVD"
                                << "3"
                                << "" << Settings::Field::FeeDeposit << "请输入押金金额！";
    QTest::newRow("fee before deposit")
        << "DVD"
        << "3..5"
        << "x" << Settings::Field::FeeRent << "租金/天金额输入有错误，请检查！";
    QTest::newRow("pasted fee") << "DVD"
                                << "3元"
                                << "20" << Settings::Field::FeeRent
                                << "租金/天金额输入有错误，请检查！";
    QTest::newRow("negative deposit")
        << "DVD"
        << "3"
        << "-20" << Settings::Field::FeeDeposit << "押金金额输入有错误，请检查！";
}

void tst_SettingsStores::feeClassEntryRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, fee);
    QFETCH(QString, deposit);
    QFETCH(Settings::Field, field);
    QFETCH(QString, message);

    const Refusal r = refusalOf([&] {
        saveFeeClass(m_account->context(), 0, {name, fee, deposit});
    });
    QCOMPARE(r.field, field);
    QCOMPARE(r.message, message);
    QCOMPARE(m_account->count(QStringLiteral("TBVer")), 0);
}

void tst_SettingsStores::feeClassesAndCategories()
{
    const qint64 dvd =
        saveFeeClass(m_account->context(), 0,
                     {QStringLiteral("D'VD"), QStringLiteral("2.5"), QStringLiteral("30")});
    const qint64 free =
        saveFeeClass(m_account->context(), 0,
                     {QStringLiteral("赠品"), QStringLiteral("0"), QStringLiteral("0.005")});
    QCOMPARE(value(m_account->db(),
                   QStringLiteral("SELECT Fee || '/' || Deposit FROM TBVer WHERE ID = ?"), {dvd}),
             QVariant(QStringLiteral("250/3000")));
    // Half a cent rounds away from zero.
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT Deposit FROM TBVer WHERE ID = ?"), {free}),
        QVariant(1));

    saveFeeClass(m_account->context(), dvd,
                 {QStringLiteral("DVD"), QStringLiteral("3"), QStringLiteral("30")});
    QSqlQuery q = Db::exec(feeClassListSql(), {}, m_account->db());
    QStringList names;
    while (q.next())
        names << Db::text(q, "Name") + QLatin1Char(':') + Db::text(q, "Fee");
    QCOMPARE(names, (QStringList{QStringLiteral("DVD:300"), QStringLiteral("赠品:0")}));

    deleteFeeClass(m_account->context(), dvd);
    QCOMPARE(m_account->count(QStringLiteral("TBVer")), 1);

    QCOMPARE(refusalOf([this] { saveCategory(m_account->context(), 0, QString()); }).field,
             Settings::Field::CategoryName);
    const qint64 action = saveCategory(m_account->context(), 0, QStringLiteral("动作"));
    saveCategory(m_account->context(), 0,
                 QStringLiteral("动作")); // a second of the same name may be stored
    saveCategory(m_account->context(), action, QStringLiteral("武'侠"));
    QCOMPARE(value(m_account->db(), QStringLiteral("SELECT Categray FROM TBCategray WHERE ID = ?"),
                   {action}),
             QVariant(QStringLiteral("武'侠")));
    deleteCategory(m_account->context(), action);
    QCOMPARE(m_account->count(QStringLiteral("TBCategray")), 1);
}

void tst_SettingsStores::staffWithPermissions()
{
    const QList<Settings::Power> catalogue = powerCatalogue(m_account->db());
    QCOMPARE(catalogue.size(), 8);
    QCOMPARE(catalogue.first().id, 1);
    QCOMPARE(catalogue.last().id, Schema::PowerCashUp);

    QVERIFY(!someoneMayChangeSettings(m_account->db()));
    QCOMPARE(refusalOf([this] { saveStaff(m_account->context(), 0, {}, {1}); }).field,
             Settings::Field::StaffName);
    QCOMPARE(m_account->count(QStringLiteral("TBUserPower")), 0);

    StaffEntry e{QStringLiteral("小'李"), QString(), QStringLiteral("东街"), QStringLiteral("139"),
                 QStringLiteral("夜班")};
    const qint64 id = saveStaff(m_account->context(), 0, e, {2, 1, 2});
    QCOMPARE(grantedPowers(m_account->db(), id), (QList<int>{2, 1}));
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT * FROM TBPersons WHERE ID = ?"), {id}, m_account->db());
    QVERIFY(q.next());
    QCOMPARE(Db::text(q, "Name"), e.name);
    // Never the password itself: its hash, here of the empty password.
    QVERIFY(Password::isHash(Db::text(q, "PWS")));
    QVERIFY(Password::matches(Db::text(q, "PWS"), QString()));
    QCOMPARE(Db::text(q, "Address"), e.address);
    QCOMPARE(Db::text(q, "Telephone"), e.contact);
    QCOMPARE(Db::integer(q, "PerFlag"), 0);

    saveStaff(m_account->context(), id, e, {PowerSystemSettings});
    QVERIFY(someoneMayChangeSettings(m_account->db()));
    deleteStaff(m_account->context(),
                id); // a deleted member of staff loses the permission with the rest
    QVERIFY(!someoneMayChangeSettings(m_account->db()));

    e.password = QStringLiteral("p'w");
    saveStaff(m_account->context(), id, e, {6});
    QCOMPARE(grantedPowers(m_account->db(), id), QList<int>{6});
    const QString stored =
        value(m_account->db(), QStringLiteral("SELECT PWS FROM TBPersons WHERE ID = ?"), {id})
            .toString();
    QVERIFY(Password::matches(stored, QStringLiteral("p'w")));
    QVERIFY(!Password::matches(stored, QString()));
    // A save that leaves the password alone keeps the stored hash.
    e.password.clear();
    e.keepPassword = true;
    saveStaff(m_account->context(), id, e, {});
    QCOMPARE(value(m_account->db(), QStringLiteral("SELECT PWS FROM TBPersons WHERE ID = ?"), {id})
                 .toString(),
             stored);
    QVERIFY(grantedPowers(m_account->db(), id).isEmpty());
}

void tst_SettingsStores::staffOfTheSameNameKeepTheirOwnPermissions()
{
    const StaffEntry twin{QStringLiteral("王芳"), {}, {}, {}, {}};
    const qint64 first = saveStaff(m_account->context(), 0, twin, {1});
    const qint64 second = saveStaff(m_account->context(), 0, twin, {2, 3});
    saveStaff(m_account->context(), second, twin, {4});
    QCOMPARE(grantedPowers(m_account->db(), first), QList<int>{1});
    QCOMPARE(grantedPowers(m_account->db(), second), QList<int>{4});

    // A name saved with blanks around it still gets its own permissions.
    const qint64 padded =
        saveStaff(m_account->context(), 0, {QStringLiteral(" 赵六 "), {}, {}, {}, {}}, {5});
    QCOMPARE(grantedPowers(m_account->db(), padded), QList<int>{5});
}

void tst_SettingsStores::failedStaffSaveChangesNothing()
{
    const qint64 id = saveStaff(m_account->context(), 0,
                                {QStringLiteral("甲"), QStringLiteral("1"), {}, {}, {}}, {1, 2});
    // A permission row the database refuses half way through the list.
    m_account->refuseWrites(QStringLiteral("refuse_power"), QStringLiteral("INSERT"),
                            QStringLiteral("TBUserPower"), QStringLiteral("NEW.PowerId = 99"));
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError, saveStaff(m_account->context(), id,
                               {QStringLiteral("乙"), QStringLiteral("2"), {}, {}, {}}, {3, 99}));
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT Name FROM TBPersons WHERE ID = ?"), {id}),
        QVariant(QStringLiteral("甲")));
    QCOMPARE(grantedPowers(m_account->db(), id), (QList<int>{1, 2}));

    const qint64 staffBefore = m_account->count(QStringLiteral("TBPersons"));
    QVERIFY_THROWS_EXCEPTION(Db::DbError, saveStaff(m_account->context(), 0,
                                                    {QStringLiteral("丙"), {}, {}, {}, {}}, {99}));
    QCOMPARE(m_account->count(QStringLiteral("TBPersons")), staffBefore);
}

void tst_SettingsStores::deletedStaffKeepTheirRow()
{
    const qint64 id =
        saveStaff(m_account->context(), 0, {QStringLiteral("甲"), {}, {}, {}, {}}, {1, 2});
    const qint64 other =
        saveStaff(m_account->context(), 0, {QStringLiteral("乙"), {}, {}, {}, {}}, {1});
    deleteStaff(m_account->context(), id);
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT PerFlag FROM TBPersons WHERE ID = ?"), {id}),
        QVariant(StaffDeleted));
    QVERIFY(grantedPowers(m_account->db(), id).isEmpty());
    QCOMPARE(grantedPowers(m_account->db(), other), QList<int>{1});

    QList<qint64> listed;
    QSqlQuery q = Db::exec(staffListSql(), {}, m_account->db());
    while (q.next())
        listed << Db::integer(q, "ID");
    QVERIFY(!listed.contains(id));
    QVERIFY(listed.contains(other));
}

void tst_SettingsStores::someoneKeepsTheSettingsPermission()
{
    const StaffEntry owner{QStringLiteral("店主"), {}, {}, {}, {}};
    const StaffEntry clerk{QStringLiteral("店员"), {}, {}, {}, {}};
    const qint64 a = saveStaff(m_account->context(), 0, owner, {1, PowerSystemSettings});
    const qint64 b = saveStaff(m_account->context(), 0, clerk, {1});

    // Without permission control nobody needs the permission: it may go.
    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("0"));
    saveStaff(m_account->context(), a, owner, {1});
    saveStaff(m_account->context(), a, owner, {1, PowerSystemSettings});

    m_account->setOption(Schema::OptionPermissionMode, QStringLiteral("1"));
    // Taking it from the last holder, or deleting him, is refused and changes nothing.
    QCOMPARE(refusalOf([&] {
                 saveStaff(m_account->context(), a, {QStringLiteral("新名"), {}, {}, {}, {}}, {1});
             }).message,
             LastSettingsHolderText);
    QCOMPARE(value(m_account->db(), QStringLiteral("SELECT Name FROM TBPersons WHERE ID = ?"), {a}),
             QVariant(owner.name));
    QCOMPARE(grantedPowers(m_account->db(), a), (QList<int>{1, PowerSystemSettings}));
    QCOMPARE(refusalOf([&] { deleteStaff(m_account->context(), a); }).message,
             LastSettingsHolderText);
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT PerFlag FROM TBPersons WHERE ID = ?"), {a}),
        QVariant(0));

    // Other staff are saved as usual, and once another holds it the first may give it up.
    saveStaff(m_account->context(), b, clerk, {1, 4});
    saveStaff(m_account->context(), b, clerk, {PowerSystemSettings});
    saveStaff(m_account->context(), a, owner, {1});
    QCOMPARE(grantedPowers(m_account->db(), a), QList<int>{1});
    QCOMPARE(refusalOf([&] { deleteStaff(m_account->context(), b); }).message,
             LastSettingsHolderText);

    // A permission row left behind by a deleted member of staff counts for nobody.
    Db::exec(QStringLiteral("UPDATE TBPersons SET PerFlag = ? WHERE ID = ?"), {StaffDeleted, a},
             m_account->db());
    m_account->grant(a, PowerSystemSettings);
    QCOMPARE(refusalOf([&] { saveStaff(m_account->context(), b, clerk, {}); }).message,
             LastSettingsHolderText);
}

void tst_SettingsStores::deletingWhatIsInUseIsRefused()
{
    const qint64 member = m_account->addMember(QStringLiteral("A1"), QStringLiteral("甲"), 5);
    const qint64 feeClass = m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    const qint64 unusedClass = m_account->addFeeClass(QStringLiteral("VCD"), 100, 1000);
    const qint64 category = saveCategory(m_account->context(), 0, QStringLiteral("动作"));
    const qint64 supplier =
        saveSupplier(m_account->context(), 0, {QStringLiteral("华纳"), {}, {}, {}});
    const qint64 copy = m_account->addCopy(QStringLiteral("0001-1"), QStringLiteral("片"), "DVD");
    Db::exec(QStringLiteral("UPDATE TBName SET Categray = ?, Provide = ? WHERE ID = ?"),
             {QStringLiteral("动作"), supplier, copy}, m_account->db());
    const qint64 type = saveType(m_account->context(), 0, QStringLiteral("水电费"), {});
    Db::exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, Per) "
                            "VALUES ('2024-01-01', ?, -5000, 15, 1)"),
             {type}, m_account->db());
    Db::exec(QStringLiteral("INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, "
                            "DatTime, Deposit, Persons) VALUES (?, 300, 1, ?, '2024-01-01', 2000, "
                            "1)"),
             {copy, member}, m_account->db());

    const QList<std::pair<std::function<void()>, QString>> refused = {
        {[&] { deleteMember(m_account->context(), member); },
         QStringLiteral("该会员还有1张影碟未归还，不能删除！")},
        {[&] { deleteFeeClass(m_account->context(), feeClass); },
         QStringLiteral("该费用类型还有1部影碟在使用，不能删除！")},
        {[&] { deleteCategory(m_account->context(), category); },
         QStringLiteral("该影片类型还有1部影碟在使用，不能删除！")},
        {[&] { deleteSupplier(m_account->context(), supplier); },
         QStringLiteral("该供应商还有1部影碟的资料，不能删除！")},
        {[&] { deleteType(m_account->context(), type); },
         QStringLiteral("该收支类型已有1笔收支记录，不能删除！")},
    };
    for (const auto &[action, message] : refused)
        QCOMPARE(refusalOf(action).message, message);
    QCOMPARE(
        m_account->count(QStringLiteral("TBAssociator"), QStringLiteral("ID = %1").arg(member)), 1);
    QCOMPARE(m_account->count(QStringLiteral("TBVer")), 2);
    QCOMPARE(
        m_account->count(QStringLiteral("TBCategray"), QStringLiteral("ID = %1").arg(category)), 1);
    QCOMPARE(m_account->count(QStringLiteral("TbProvide")), 1);
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("ID = %1").arg(type)),
             1);

    // What nothing uses goes; a member goes once the disc is back.
    deleteFeeClass(m_account->context(), unusedClass);
    QCOMPARE(m_account->count(QStringLiteral("TBVer")), 1);
    Db::exec(QStringLiteral("UPDATE TBBusinessDetail SET ReDate = '2024-01-02 09:00:00'"), {},
             m_account->db());
    deleteMember(m_account->context(), member);
    QCOMPARE(
        m_account->count(QStringLiteral("TBAssociator"), QStringLiteral("ID = %1").arg(member)), 0);
    // A class whose name a second class still carries leaves its titles in that one.
    const qint64 twin = m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    deleteFeeClass(m_account->context(), twin);
    QCOMPARE(m_account->count(QStringLiteral("TBVer"), QStringLiteral("Name = 'DVD'")), 1);
}

void tst_SettingsStores::renamingAClassCarriesOverToItsTitles_data()
{
    QTest::addColumn<bool>("twin");
    QTest::newRow("only class of its name") << false;
    QTest::newRow("a second class keeps the old name") << true;
}

void tst_SettingsStores::renamingAClassCarriesOverToItsTitles()
{
    QFETCH(bool, twin);
    const qint64 dvd = m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
    const qint64 action = saveCategory(m_account->context(), 0, QStringLiteral("动作"));
    if (twin) {
        m_account->addFeeClass(QStringLiteral("DVD"), 300, 2000);
        saveCategory(m_account->context(), 0, QStringLiteral("动作"));
    }
    const qint64 copy = m_account->addCopy(QStringLiteral("0001-1"), QStringLiteral("片"), "DVD");
    const qint64 other = m_account->addCopy(QStringLiteral("0002-1"), QStringLiteral("片"), "VCD");
    Db::exec(QStringLiteral("UPDATE TBName SET Categray = ? WHERE ID = ?"),
             {QStringLiteral("动作"), copy}, m_account->db());

    saveFeeClass(m_account->context(), dvd,
                 {QStringLiteral("DVD-9"), QStringLiteral("3"), QStringLiteral("20")});
    saveCategory(m_account->context(), action, QStringLiteral("武侠"));
    const QString ver = twin ? QStringLiteral("DVD") : QStringLiteral("DVD-9");
    const QString cat = twin ? QStringLiteral("动作") : QStringLiteral("武侠");
    QCOMPARE(value(m_account->db(), QStringLiteral("SELECT Ver FROM TBName WHERE ID = ?"), {copy}),
             QVariant(ver));
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT Categray FROM TBName WHERE ID = ?"), {copy}),
        QVariant(cat));
    QCOMPARE(value(m_account->db(), QStringLiteral("SELECT Ver FROM TBName WHERE ID = ?"), {other}),
             QVariant(QStringLiteral("VCD")));

    // A rename that fails half way leaves the titles as they were.
    m_account->refuseWrites(QStringLiteral("refuse_ver"), QStringLiteral("UPDATE"),
                            QStringLiteral("TBVer"));
    QVERIFY_THROWS_EXCEPTION(
        Db::DbError,
        saveFeeClass(m_account->context(), dvd,
                     {QStringLiteral("DVD-5"), QStringLiteral("3"), QStringLiteral("20")}));
    QCOMPARE(value(m_account->db(), QStringLiteral("SELECT Ver FROM TBName WHERE ID = ?"), {copy}),
             QVariant(ver));
}

void tst_SettingsStores::builtInTypesAreLocked_data()
{
    QTest::addColumn<qint64>("id");
    QTest::newRow("rent") << qint64(Schema::TypeRent);
    QTest::newRow("deposit") << qint64(Schema::TypeDeposit);
    QTest::newRow("member payment") << qint64(Schema::TypeMemberPayment);
    QTest::newRow("another built-in") << qint64(-1); // made by the test with Flag 2
}

void tst_SettingsStores::builtInTypesAreLocked()
{
    QFETCH(qint64, id);
    if (id < 0) {
        id = Db::insert(QStringLiteral("INSERT INTO TBKindValue (CateID, "
                                       "CateValue, Flag) VALUES (3, '杂项', 2)"),
                        {}, m_account->db());
    }
    const QString name =
        value(m_account->db(), QStringLiteral("SELECT CateValue FROM TBKindValue WHERE ID = ?"),
              {id})
            .toString();
    QVERIFY(!refusalOf([&] {
                 saveType(m_account->context(), id, QStringLiteral("改名"), {});
             }).message.isEmpty());
    QVERIFY(!refusalOf([&] { deleteType(m_account->context(), id); }).message.isEmpty());
    QCOMPARE(value(m_account->db(),
                   QStringLiteral("SELECT CateValue FROM TBKindValue WHERE ID = ?"), {id})
                 .toString(),
             name);
}

void tst_SettingsStores::userTypes()
{
    QCOMPARE(refusalOf([this] {
                 saveType(m_account->context(), 0, QString(), QStringLiteral("x"));
             }).field,
             Settings::Field::TypeName);
    const qint64 id =
        saveType(m_account->context(), 0, QStringLiteral("水电'费"), QStringLiteral("每月"));
    QVERIFY(!isBuiltInType(id, 0));
    QCOMPARE(value(m_account->db(),
                   QStringLiteral("SELECT CateID || '/' || Flag FROM TBKindValue WHERE ID = ?"),
                   {id}),
             QVariant(QStringLiteral("3/0")));
    saveType(m_account->context(), id, QStringLiteral("水电费"), QString());
    QCOMPARE(value(m_account->db(),
                   QStringLiteral("SELECT CateValue FROM TBKindValue WHERE ID = ?"), {id}),
             QVariant(QStringLiteral("水电费")));

    // A type without records goes.
    deleteType(m_account->context(), id);
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("ID = %1").arg(id)), 0);

    // Option rows are not types and cannot be reached through the type functions.
    QVERIFY_THROWS_EXCEPTION(Db::DbError, deleteType(m_account->context(), 1));
    QCOMPARE(m_account->count(QStringLiteral("TBKindValue"), QStringLiteral("ID = 1")), 1);
}

void tst_SettingsStores::suppliers()
{
    QCOMPARE(refusalOf([this] { saveSupplier(m_account->context(), 0, {}); }).field,
             Settings::Field::SupplierCompany);
    const qint64 a = saveSupplier(
        m_account->context(), 0,
        {QStringLiteral("华纳'音像"), QStringLiteral("北京"), QStringLiteral("010"), {}});
    QCOMPARE(m_account->count(QStringLiteral("TbProvide")), 1);
    QCOMPARE(saveSupplier(m_account->context(), a,
                          {QStringLiteral("华纳音像"), {}, QStringLiteral("020"), {}}),
             a);
    QCOMPARE(m_account->count(QStringLiteral("TbProvide")), 1);
    QCOMPARE(
        value(m_account->db(), QStringLiteral("SELECT OfficeTel FROM TbProvide WHERE ID = ?"), {a}),
        QVariant(QStringLiteral("020")));
    const qint64 b =
        saveSupplier(m_account->context(), 0, {QStringLiteral("华纳音像"), {}, {}, {}});
    QVERIFY(b != a);
    deleteSupplier(m_account->context(), a);
    QCOMPARE(m_account->count(QStringLiteral("TbProvide")), 1);
}

void tst_SettingsStores::rowDeletedMeanwhileIsSaidAndNothingWritten()
{
    // The row on show was deleted meanwhile (at another counter): a save or a deletion of it
    // says so in the operator's words and writes nothing, least of all a new row.
    const qint64 gone = 9999;
    struct Case
    {
        const char *name;
        QString table;
        std::function<void()> action;
        QString message;
    };
    const Case cases[] = {
        {"member saved", QStringLiteral("TBAssociator"),
         [&] {
             saveMember(m_account->context(), gone,
                        member(QStringLiteral("B1"), QStringLiteral("甲")), QDate::currentDate());
         },
         QStringLiteral("该会员已不存在！")},
        {"member deleted", QStringLiteral("TBAssociator"),
         [&] { deleteMember(m_account->context(), gone); }, QStringLiteral("该会员已不存在！")},
        {"payment changed", QStringLiteral("TBInOutMoney"),
         [&] {
             updateMemberPayment(m_account->context(), gone, QDate::currentDate(),
                                 Money::fromCents(100), {});
         },
         QStringLiteral("该交费记录已不存在！")},
        {"staff saved", QStringLiteral("TBPersons"),
         [&] {
             saveStaff(m_account->context(), gone,
                       {QStringLiteral("乙"), QStringLiteral("1"), {}, {}, {}}, {1});
         },
         QStringLiteral("该人员已不存在！")},
        {"supplier saved", QStringLiteral("TbProvide"),
         [&] {
             saveSupplier(m_account->context(), gone, {QStringLiteral("中录"), {}, {}, {}});
         },
         QStringLiteral("该供应商已不存在！")},
        {"type saved", QStringLiteral("TBKindValue"),
         [&] { saveType(m_account->context(), gone, QStringLiteral("水费"), {}); },
         QStringLiteral("该收支类型已不存在！")},
        {"type deleted", QStringLiteral("TBKindValue"),
         [&] { deleteType(m_account->context(), gone); }, QStringLiteral("该收支类型已不存在！")},
        {"fee class saved", QStringLiteral("TBVer"),
         [&] {
             saveFeeClass(m_account->context(), gone,
                          {QStringLiteral("DVD"), QStringLiteral("3"), QStringLiteral("20")});
         },
         QStringLiteral("该费用类型已不存在！")},
        {"fee class deleted", QStringLiteral("TBVer"),
         [&] { deleteFeeClass(m_account->context(), gone); },
         QStringLiteral("该费用类型已不存在！")},
        {"category saved", QStringLiteral("TBCategray"),
         [&] { saveCategory(m_account->context(), gone, QStringLiteral("动作")); },
         QStringLiteral("该影片类型已不存在！")},
        {"category deleted", QStringLiteral("TBCategray"),
         [&] { deleteCategory(m_account->context(), gone); },
         QStringLiteral("该影片类型已不存在！")},
    };
    for (const Case &c : cases) {
        const qint64 rows = m_account->count(c.table);
        const qint64 logged = m_account->count(QStringLiteral("TBAuditLog"));
        QString message;
        QString details;
        Db::Fault fault = Db::Fault::Other;
        try {
            c.action();
        } catch (const Db::DbError &e) {
            message = e.message();
            details = e.details();
            fault = e.fault();
        }
        QVERIFY2(message == c.message,
                 qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(c.name), message)));
        QVERIFY2(fault == Db::Fault::Refused && details.isEmpty(), c.name);
        QVERIFY2(m_account->count(c.table) == rows, c.name);
        QVERIFY2(m_account->count(QStringLiteral("TBAuditLog")) == logged, c.name);
    }
}

QTEST_GUILESS_MAIN(tst_SettingsStores)
#include "tst_settingsstores.moc"
