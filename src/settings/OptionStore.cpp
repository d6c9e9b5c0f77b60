#include "OptionStore.h"

#include "audit/AuditLog.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SqlDialect.h"
#include "data/Schema.h"
#include "data/ShopOptions.h"

#include <QCoreApplication>

namespace Settings {
namespace {

// Names written into the Memo of an option row that has to be created (stored in Chinese;
// shown in the program's language).
QString optionMemo(int cateId)
{
    switch (cateId) {
    case Schema::OptionRentRule:
        return QStringLiteral(QT_TRANSLATE_NOOP("OptionStore", "租金计算方法"));
    case Schema::OptionPermissionMode:
        return QStringLiteral(QT_TRANSLATE_NOOP("OptionStore", "系统运行方式"));
    case Schema::OptionOverdueDays:
        return QStringLiteral(QT_TRANSLATE_NOOP("OptionStore", "过期天数"));
    case Schema::OptionReceiptPrinting:
        return QStringLiteral(QT_TRANSLATE_NOOP("OptionStore", "打印设置"));
    case Schema::OptionReceiptPaper:
        return QStringLiteral(QT_TRANSLATE_NOOP("OptionStore", "单据类型"));
    case Schema::OptionReceiptRoll:
        return QStringLiteral(QT_TRANSLATE_NOOP("OptionStore", "小票纸卷"));
    }
    return {};
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// A day count: decimal digits only, within the integer range. Returns it without leading
// zeros, or nothing when the text is not a day count.
std::optional<QString> normalisedDays(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return QString::number(t.toInt());
}

void writeOption(const QSqlDatabase &db, int cateId, const QString &value)
{
    QSqlQuery q = Db::exec(QStringLiteral("UPDATE TBKindValue SET CateValue = ? WHERE CateID = ?"),
                           {value, cateId}, db);
    if (q.numRowsAffected() > 0)
        return;
    Db::exec(QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, Flag, Memo) "
                            "VALUES (?, ?, 0, ?)"),
             {cateId, value, optionMemo(cateId)}, db);
}

// The option rows as the audit log shows them: "CateID=value; ...".
QString optionRowsText(const QSqlDatabase &db)
{
    QStringList parts;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT CateID, CateValue FROM TBKindValue "
                                          "WHERE CateID <> ? ORDER BY CateID, ID"),
                           {Schema::OptionTypeRow}, db);
    while (q.next())
        parts << Db::text(q, "CateID") + QLatin1Char('=') + Db::text(q, "CateValue");
    return parts.join(QLatin1String("; "));
}

QString shopText(const ShopDetails &d)
{
    return QStringLiteral("company=%1; comAddr=%2; comTel=%3")
        .arg(d.company, d.address, d.telephone);
}

} // namespace

RentalOptions readRentalOptions(const QSqlDatabase &db)
{
    const ShopOptions shop = ShopOptions::read(db);
    RentalOptions o;
    o.rentPerDisc = shop.rentPerDisc;
    o.permissionControl = shop.permissionControl;
    o.noReceipt = !shop.printReceipt;
    o.posPaper = shop.posPaper;
    o.receiptRoll = shop.receiptRoll;
    o.overdueDays = QString::number(shop.overdueDays);
    o.unreadable = shop.unreadable;
    return o;
}

QString unreadableNotice(const RentalOptions &options)
{
    QStringList names;
    for (int cateId : options.unreadable)
        names << QCoreApplication::translate("OptionStore", "【%1】")
                     .arg(QCoreApplication::translate("OptionStore",
                                                      optionMemo(cateId).toUtf8().constData()));
    if (names.isEmpty())
        return {};
    return QCoreApplication::translate("OptionStore",
                                       "选项%1在帐户中缺失或无效，现按默认值显示，保存后即更正。")
        .arg(names.join(QString()));
}

RentalOptions saveRentalOptions(const AccountContext &account, const RentalOptions &options)
{
    const QSqlDatabase db = account.db();
    RentalOptions stored = options;
    const QString typed = options.overdueDays.value_or(QString());
    const std::optional<QString> days =
        typed.isEmpty() ? std::optional<QString>(DefaultOverdueDays) : normalisedDays(typed);
    if (!days)
        refuse(Field::OverdueDays,
               QCoreApplication::translate("OptionStore", "过期天数输入有错误，请输入天数！"));
    stored.overdueDays = *days;

    Db::Transaction tx(db);
    const QString before = optionRowsText(db);
    writeOption(db, Schema::OptionRentRule, flagText(stored.rentPerDisc));
    writeOption(db, Schema::OptionPermissionMode, flagText(stored.permissionControl));
    writeOption(db, Schema::OptionOverdueDays, *days);
    writeOption(db, Schema::OptionReceiptPrinting, flagText(stored.noReceipt));
    writeOption(db, Schema::OptionReceiptPaper, flagText(stored.posPaper));
    // Only the three papers the receipt knows; anything else is the slip.
    if (stored.receiptRoll != QLatin1String("58") && stored.receiptRoll != QLatin1String("80"))
        stored.receiptRoll = QStringLiteral("0");
    writeOption(db, Schema::OptionReceiptRoll, stored.receiptRoll);
    Audit::record(account, Audit::Kind::Option, QStringLiteral("TBKindValue"), before,
                  optionRowsText(db));
    tx.commit();
    return stored;
}

ShopDetails readShopDetails(const QSqlDatabase &db)
{
    return ShopDetails::read(db);
}

void saveShopDetails(AccountContext &account, const ShopDetails &d)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    const QString before = shopText(readShopDetails(db));
    QSqlQuery q = Db::exec(QStringLiteral("UPDATE TBSetup SET company = ?, comAddr = ?, "
                                          "comTel = ? WHERE %1 = "
                                          "(SELECT min(%1) FROM TBSetup)")
                               .arg(SqlDialect::insertionOrder(db)),
                           {d.company, d.address, d.telephone}, db);
    if (q.numRowsAffected() == 0) {
        Db::exec(QStringLiteral("INSERT INTO TBSetup (company, comAddr, comTel) "
                                "VALUES (?, ?, ?)"),
                 {d.company, d.address, d.telephone}, db);
    }
    Audit::record(account, Audit::Kind::ShopDetails, QStringLiteral("TBSetup"), before,
                  shopText(d));
    tx.commit();
    account.setShop(d);
}

} // namespace Settings
