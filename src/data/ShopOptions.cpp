#include "ShopOptions.h"

#include "Schema.h"

#include <QHash>
#include <QSqlQuery>

namespace {

// A stored flag: "0" is false, any other whole number true; nullopt for anything else.
std::optional<bool> flagOf(const QString &stored)
{
    bool ok = false;
    const int v = stored.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return v != 0;
}

std::optional<int> dayCountOf(const QString &stored)
{
    const QString t = stored.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return t.toInt();
}

std::optional<QString> rollOf(const QString &stored)
{
    const QString t = stored.trimmed();
    if (t == u"0" || t == u"58" || t == u"80")
        return t;
    return std::nullopt;
}

} // namespace

ShopOptions ShopOptions::read(const QSqlDatabase &db)
{
    // The first row of each code: rows come in ID order and a code already seen is skipped.
    QHash<int, QString> stored;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT CateID, CateValue FROM TBKindValue "
                                          "WHERE CateID IN (?, ?, ?, ?, ?, ?) ORDER BY ID"),
                           {Schema::OptionRentRule, Schema::OptionPermissionMode,
                            Schema::OptionOverdueDays, Schema::OptionReceiptPrinting,
                            Schema::OptionReceiptPaper, Schema::OptionReceiptRoll},
                           db);
    while (q.next()) {
        const int cateId = q.value(0).toInt();
        if (!stored.contains(cateId))
            stored.insert(cateId, q.value(1).toString());
    }

    ShopOptions o;
    // Takes the option's value when its row is there and readable, else keeps the default.
    auto take = [&](int cateId, auto parse, auto &into) {
        const auto it = stored.constFind(cateId);
        const auto value = it == stored.constEnd() ? std::nullopt : parse(*it);
        if (value) {
            into = *value;
            return;
        }
        o.unreadable << cateId;
        if (it == stored.constEnd())
            qCWarning(lcData, "option row %d is missing; its default is used", cateId);
        else
            qCWarning(lcData, "option row %d holds \"%s\", not a value it takes; its default "
                                  "is used", cateId, qUtf8Printable(*it));
    };
    take(Schema::OptionRentRule, flagOf, o.rentPerDisc);
    take(Schema::OptionPermissionMode, flagOf, o.permissionControl);
    take(Schema::OptionOverdueDays, dayCountOf, o.overdueDays);
    bool noReceipt = !o.printReceipt;
    take(Schema::OptionReceiptPrinting, flagOf, noReceipt);
    o.printReceipt = !noReceipt;
    take(Schema::OptionReceiptPaper, flagOf, o.posPaper);
    take(Schema::OptionReceiptRoll, rollOf, o.receiptRoll);
    return o;
}
