#include "SampleAccount.h"

#include "Db.h"
#include "Money.h"
#include "Schema.h"
#include "SqlDialect.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlError>
#include <QStringList>
#include <QUuid>

namespace SampleAccount {

bool createEmptyAccount(const QString &path, QString *why)
{
    if (QFileInfo::exists(path)) {
        if (why)
            *why = QStringLiteral("file exists: ") + path;
        return false;
    }
    const QString name = QStringLiteral("create-") + QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            ok = false;
            if (why)
                *why = db.lastError().text();
        } else {
            try {
                Schema::create(db);
                Schema::writeRequiredRows(db);
            } catch (const Db::DbError &e) {
                ok = false;
                if (why)
                    *why = e.message();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

namespace {

struct Film
{
    const char *name;
    const char *category;
    const char *lang;
    const char *director;
    const char *actors;
};

const Film kFilms[] = {
    {"英雄", "动作", "国语", "张艺谋", "李连杰 梁朝伟 张曼玉"},
    {"卧虎藏龙", "动作", "国语", "李安", "周润发 杨紫琼 章子怡"},
    {"无间道", "剧情", "粤语", "刘伟强 麦兆辉", "刘德华 梁朝伟"},
    {"大话西游", "喜剧", "粤语", "刘镇伟", "周星驰 朱茵"},
    {"少林足球", "喜剧", "粤语", "周星驰", "周星驰 赵薇"},
    {"功夫", "喜剧", "国语", "周星驰", "周星驰 元秋"},
    {"霸王别姬", "剧情", "国语", "陈凯歌", "张国荣 巩俐"},
    {"花样年华", "爱情", "粤语", "王家卫", "梁朝伟 张曼玉"},
    {"甜蜜蜜", "爱情", "粤语", "陈可辛", "黎明 张曼玉"},
    {"天下无贼", "剧情", "国语", "冯小刚", "刘德华 刘若英"},
    {"黑客帝国", "科幻", "英语", "沃卓斯基", "基努·里维斯"},
    {"终结者2", "科幻", "英语", "卡梅隆", "施瓦辛格"},
    {"泰坦尼克号", "爱情", "英语", "卡梅隆", "迪卡普里奥 温斯莱特"},
    {"指环王：护戒使者", "科幻", "英语", "彼得·杰克逊", "伊利亚·伍德"},
    {"千与千寻", "动画", "日语", "宫崎骏", ""},
    {"龙猫", "动画", "日语", "宫崎骏", ""},
    {"狮子王", "动画", "英语", "艾勒斯", ""},
    {"海底总动员", "动画", "英语", "斯坦顿", ""},
    {"午夜凶铃", "恐怖", "日语", "中田秀夫", "松岛菜菜子"},
    {"见鬼", "恐怖", "粤语", "彭氏兄弟", "李心洁"},
    {"拯救大兵瑞恩", "战争", "英语", "斯皮尔伯格", "汤姆·汉克斯"},
    {"集结号", "战争", "国语", "冯小刚", "张涵予"},
    {"Ocean's Eleven", "剧情", "英语", "Steven Soderbergh", "George Clooney"},
    {"我的野蛮女友", "爱情", "韩语", "郭在容", "全智贤 车太贤"},
    {"阿甘正传", "剧情", "英语", "泽米吉斯", "汤姆·汉克斯"},
    {"肖申克的救赎", "剧情", "英语", "德拉邦特", "蒂姆·罗宾斯"},
    {"让子弹飞", "喜剧", "国语", "姜文", "姜文 周润发 葛优"},
    {"疯狂的石头", "喜剧", "国语", "宁浩", "郭涛 黄渤"},
    {"十面埋伏", "动作", "国语", "张艺谋", "刘德华 金城武 章子怡"},
    {"叶问", "动作", "粤语", "叶伟信", "甄子丹"},
    {"盗梦空间", "科幻", "英语", "诺兰", "迪卡普里奥"},
    {"阿凡达", "科幻", "英语", "卡梅隆", "萨姆·沃辛顿"},
};

struct FeeClass
{
    const char *name;
    qint64 feeCents;
    qint64 depositCents;
};

const FeeClass kClasses[] = {{"VCD", 200, 2000}, {"DVD", 300, 3000}, {"D9", 400, 4000},
                             {"蓝光", 500, 5000}};

} // namespace

void fillSampleShop(const QSqlDatabase &db, const QDate &today)
{
    QRandomGenerator rng(20031201);
    Db::Transaction tx(db);
    auto exec = [&](const QString &sql, const QVariantList &params = {}) {
        return Db::exec(sql, params, db);
    };

    exec(QStringLiteral("INSERT INTO TBSetup (company, comAddr, comTel) VALUES (?, ?, ?)"),
         {QStringLiteral("星光影碟租售店"), QStringLiteral("杭州市西湖区文三路 128 号"),
          QStringLiteral("0571-88886666")});
    // Receipts printed after each transaction, by days rented.
    exec(QStringLiteral("UPDATE TBKindValue SET CateValue = '0' WHERE CateID = ?"),
         {Schema::OptionReceiptPrinting});

    for (const FeeClass &c : kClasses) {
        exec(QStringLiteral("INSERT INTO TBVer (Name, Fee, Deposit) VALUES (?, ?, ?)"),
             {QString::fromUtf8(c.name), c.feeCents, c.depositCents});
    }
    for (const char *c : {"动作", "喜剧", "爱情", "科幻", "动画", "恐怖", "剧情", "战争"})
        exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"), {QString::fromUtf8(c)});

    const QStringList suppliers = {QStringLiteral("广州音像出版社"), QStringLiteral("中凯文化"),
                                   QStringLiteral("北京北影录音录像公司")};
    const QStringList supplierTel = {QStringLiteral("020-83331234"),
                                     QStringLiteral("021-64446789"),
                                     QStringLiteral("010-62005678")};
    for (int i = 0; i < suppliers.size(); ++i) {
        exec(QStringLiteral("INSERT INTO TbProvide (Company, Address, OfficeTel, Memo) "
                            "VALUES (?, ?, ?, '')"),
             {suppliers[i], QStringLiteral("—"), supplierTel[i]});
    }

    // Staff: the owner holds every power; two clerks hold the counter's powers.
    exec(QStringLiteral("UPDATE TBPersons SET Name = ?, PWS = ?, Telephone = ?, Memo = ? "
                        "WHERE ID = 1"),
         {QStringLiteral("店长"), QStringLiteral("8888"), QStringLiteral("13905710001"),
          QStringLiteral("所有权限")});
    exec(QStringLiteral("INSERT INTO TBPersons (Name, PWS, Telephone, Memo) VALUES (?, ?, ?, ?)"),
         {QStringLiteral("王芳"), QStringLiteral("1234"), QStringLiteral("13905710002"),
          QStringLiteral("前台")});
    exec(QStringLiteral("INSERT INTO TBPersons (Name, PWS, Telephone, Memo) VALUES (?, ?, ?, ?)"),
         {QStringLiteral("李强"), QString(), QStringLiteral("13905710003"),
          QStringLiteral("前台，无口令")});
    for (int p : {1, 2, 3, 4, 5, 6, 10})
        exec(QStringLiteral("INSERT INTO TBUserPower (UserId, PowerId) VALUES (1, ?)"), {p});
    for (int p : {1, 2, 4})
        exec(QStringLiteral("INSERT INTO TBUserPower (UserId, PowerId) VALUES (2, ?)"), {p});
    for (int p : {1, 4})
        exec(QStringLiteral("INSERT INTO TBUserPower (UserId, PowerId) VALUES (3, ?)"), {p});

    // User-defined income and expense types.
    QList<qint64> expenseTypes;
    for (const char *t : {"房租", "水电费", "进货", "工资"}) {
        expenseTypes << Db::insert(QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, "
                                                  "Flag, Memo) VALUES (3, ?, 0, '')"),
                                   {QString::fromUtf8(t)}, db);
    }
    const qint64 otherIncome = Db::insert(QStringLiteral("INSERT INTO TBKindValue (CateID, "
                                                         "CateValue, Flag, Memo) VALUES (3, ?, 0, '')"),
                                          {QStringLiteral("其他收入")}, db);

    // Members, IDs from 16 on.
    const char *members[] = {"张伟", "王秀英", "李娜", "刘洋", "陈静", "杨帆",
                             "赵磊", "黄敏", "周杰", "吴婷", "徐明", "孙丽"};
    QList<qint64> memberIds;
    int n = 0;
    for (const char *m : members) {
        ++n;
        const QDate joined = today.addDays(-300 + n * 11);
        memberIds << Db::insert(
            QStringLiteral("INSERT INTO TBAssociator (Num, Name, Telephone, Grade, Sum, SDT, "
                           "DateT, Memo) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            {QStringLiteral("A%1").arg(n, 3, 10, QLatin1Char('0')), QString::fromUtf8(m),
             QStringLiteral("1390571%1").arg(1000 + n * 37), n % 3 == 0 ? QStringLiteral("金卡")
                                                                         : QStringLiteral("普通"),
             20 + (n % 4) * 10,
             SqlDialect::dateText(n % 4 == 0 ? Schema::noEndDate() : joined.addYears(1)),
             SqlDialect::dateText(joined), QString()},
            db);
        exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, Per, Memo) "
                            "VALUES (?, ?, ?, ?, 0, ?)"),
             {SqlDialect::dateText(joined), Schema::TypeMemberPayment,
              Money::fromYuan(n % 3 == 0 ? 200 : 100).cents(), memberIds.last(),
              QStringLiteral("入会费")});
    }

    // Titles: one row per copy, codes 0001-1, 0001-2, ... for titles with several copies.
    struct Copy
    {
        qint64 id;
        int feeClass;
    };
    QList<Copy> copies;
    int code = 0;
    for (const Film &f : kFilms) {
        ++code;
        const int cls = static_cast<int>(rng.bounded(4));
        const int count = 1 + static_cast<int>(rng.bounded(4));
        const QDate bought = today.addDays(-200 - static_cast<int>(rng.bounded(200)));
        const QString base = QStringLiteral("%1").arg(code, 4, 10, QLatin1Char('0'));
        for (int c = 1; c <= count; ++c) {
            const QString customNum = count == 1 ? base : base + QStringLiteral("-%1").arg(c);
            const qint64 id = Db::insert(
                QStringLiteral("INSERT INTO TBName (CustomNum, Name, Nlang, Ver, Categray, Amount, "
                               "Copy, DatTime, Provide, Mone, Address1, Direct, ActRole) "
                               "VALUES (?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?)"),
                {customNum, QString::fromUtf8(f.name), QString::fromUtf8(f.lang),
                 QString::fromUtf8(kClasses[cls].name), QString::fromUtf8(f.category),
                 cls == 0 ? 2 : 1, SqlDialect::dateText(bought), 1 + (code % 3),
                 (kClasses[cls].depositCents * 3) / 2,
                 QStringLiteral("%1号架").arg(1 + code % 6), QString::fromUtf8(f.director),
                 QString::fromUtf8(f.actors)},
                db);
            copies.append({id, cls});
        }
    }

    const QString insertLine = QStringLiteral(
        "INSERT INTO TBBusinessDetail (CDNum, RMoney, Amount, Ass_Number, DatTime, Deposit, "
        "Persons, ReDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    const QString insertMoney = QStringLiteral(
        "INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, Per) VALUES (?, ?, ?, ?, 0)");

    // History: returned rentals spread over the last five months, one copy at a time.
    for (int i = 0; i < 160; ++i) {
        const Copy &c = copies[static_cast<int>(rng.bounded(copies.size()))];
        const FeeClass &fc = kClasses[c.feeClass];
        const qint64 customer = rng.bounded(5) == 0
                                    ? Schema::WalkInCustomerId
                                    : memberIds[static_cast<int>(rng.bounded(memberIds.size()))];
        const QDate out = today.addDays(-150 + i * 130 / 160);
        const int days = 1 + static_cast<int>(rng.bounded(4));
        const QDate back = out.addDays(days);
        const QDateTime backAt(back, QTime(10 + static_cast<int>(rng.bounded(10)), 15, 0));
        exec(insertLine, {c.id, fc.feeCents, 1, customer, SqlDialect::dateText(out),
                          fc.depositCents, 2 + static_cast<int>(rng.bounded(2)),
                          SqlDialect::dateTimeText(backAt)});
        exec(insertMoney, {SqlDialect::dateText(out), Schema::TypeDeposit, fc.depositCents, customer});
        exec(insertMoney,
             {SqlDialect::dateText(back), Schema::TypeRent, fc.feeCents * days, customer});
        exec(insertMoney,
             {SqlDialect::dateText(back), Schema::TypeDeposit, -fc.depositCents, customer});
    }

    // Discs still out: every fifth copy, some overdue.
    QSet<qint64> outCopies;
    int outCount = 0;
    for (int i = 0; i < copies.size() && outCount < 14; i += 5) {
        const Copy &c = copies[i];
        outCopies.insert(c.id);
        const FeeClass &fc = kClasses[c.feeClass];
        const qint64 customer = outCount % 4 == 3 ? Schema::WalkInCustomerId
                                                  : memberIds[outCount % memberIds.size()];
        const QDate out = today.addDays(-(outCount * 2 % 15));
        exec(insertLine, {c.id, fc.feeCents, 1, customer, SqlDialect::dateText(out),
                          fc.depositCents, 2, QVariant()});
        exec(insertMoney, {SqlDialect::dateText(out), Schema::TypeDeposit, fc.depositCents, customer});
        if (customer != Schema::WalkInCustomerId) {
            exec(QStringLiteral("UPDATE TBAssociator SET Sum = Sum - 1 WHERE ID = ?"), {customer});
        }
        ++outCount;
    }

    // Sales: the last copy of some titles, sold outright.
    int sold = 0;
    for (int i = copies.size() - 1; i >= 0 && sold < 8; i -= 7) {
        const Copy &c = copies[i];
        if (outCopies.contains(c.id))
            continue;
        const QDate on = today.addDays(-(sold * 17 % 120));
        const qint64 price = kClasses[c.feeClass].depositCents + 500;
        exec(insertLine, {c.id, price, 1, Schema::SaleCustomer, SqlDialect::dateText(on),
                          QVariant(), 1, QVariant()});
        exec(QStringLiteral("UPDATE TBName SET Quality = ? WHERE ID = ?"),
             {Schema::QualitySold, c.id});
        ++sold;
    }

    // Monthly expenses (paid out: stored negative) and a little other income over the last
    // six months.
    for (int m = 5; m >= 0; --m) {
        const QDate month = QDate(today.year(), today.month(), 1).addMonths(-m);
        exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, Per, Memo) "
                            "VALUES (?, ?, ?, 15, 1, ?)"),
             {SqlDialect::dateText(month.addDays(2)), expenseTypes[0], -Money::fromYuan(1500).cents(),
              QStringLiteral("店面租金")});
        exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, Per, Memo) "
                            "VALUES (?, ?, ?, 15, 1, ?)"),
             {SqlDialect::dateText(month.addDays(9)), expenseTypes[1],
              -Money::fromCents(18000 + static_cast<qint64>(rng.bounded(9000))).cents(),
              QStringLiteral("水电")});
        exec(QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, Per, Memo) "
                            "VALUES (?, ?, ?, 15, 2, ?)"),
             {SqlDialect::dateText(month.addDays(14)), otherIncome,
              Money::fromCents(5000 + static_cast<qint64>(rng.bounded(10000))).cents(),
              QStringLiteral("海报转让")});
    }
    tx.commit();
}

} // namespace SampleAccount
