// The name order (pinyin) three ways: a comparison, sort keys and the collation the engine
// sorts with through its key cache. All three must give one order, ties included.
#include "data/Collation.h"
#include "data/CollationKeyCache.h"

#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>

namespace {

int sign(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

// Names as a shop has them: Chinese, Latin in both cases, digits, full-width forms,
// characters outside the basic plane, one text the start of another, the empty text.
QStringList awkwardTexts()
{
    return {QString(),
            QStringLiteral("张三"),
            QStringLiteral("李四"),
            QStringLiteral("李四光"),
            QStringLiteral("王五"),
            QStringLiteral("阿明"),
            QStringLiteral("中国"),
            QStringLiteral("北京"),
            QStringLiteral("片2"),
            QStringLiteral("片10"),
            QStringLiteral("片02"),
            QStringLiteral("a"),
            QStringLiteral("A"),
            QStringLiteral("b"),
            QStringLiteral("Zorro"),
            QStringLiteral("zorro"),
            QStringLiteral("ＡＢＣ"),
            QStringLiteral("１２"),
            QStringLiteral("O'Neil"),
            QStringLiteral("𠀀字"),
            QStringLiteral("\uE000私"),
            QStringLiteral("行"),
            QStringLiteral("银行")};
}

QString randomName(QRandomGenerator &random)
{
    static const QString pool = QStringLiteral("张王李赵刘陈杨黄吴周徐孙马朱胡郭何高林罗郑梁谢宋唐"
                                               "许韩冯邓曹彭曾肖田董潘袁蔡蒋余于杜叶程苏魏吕丁任"
                                               "0123456789aAbBzZ -·");
    QString name;
    const int length = 1 + int(random.bounded(4));
    for (int i = 0; i < length; ++i)
        name += pool.at(int(random.bounded(pool.size())));
    return name;
}

} // namespace

class tst_Collation : public QObject
{
    Q_OBJECT
private slots:
    void pinyinDigitsAndCase();
    void keysAndCacheGiveTheComparisonsOrder();
    void engineSortsAsTheProgramDoes();
    void registersOnlyWithAnOpenSqliteConnection();
};

void tst_Collation::pinyinDigitsAndCase()
{
    // 阿 (a) li wang zhang, whatever the character codes (张 < 李 < 王 < 阿 there).
    QStringList names{QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("王五"),
                      QStringLiteral("阿明")};
    std::sort(names.begin(), names.end(), Collation::lessThan);
    QCOMPARE(names, QStringList({QStringLiteral("阿明"), QStringLiteral("李四"),
                                 QStringLiteral("王五"), QStringLiteral("张三")}));
    // Digits by value, Chinese before Latin letters, letters without regard to case.
    QVERIFY(Collation::lessThan(QStringLiteral("片2"), QStringLiteral("片10")));
    QVERIFY(Collation::lessThan(QStringLiteral("张"), QStringLiteral("a")));
    QVERIFY(Collation::lessThan(QStringLiteral("a"), QStringLiteral("B")));
    QVERIFY(Collation::lessThan(QStringLiteral("B"), QStringLiteral("c")));
    QVERIFY(Collation::lessThan(QStringLiteral("李四"), QStringLiteral("李四光")));
    // Equal to the collation, yet never equal: the character codes decide, the same way
    // each time.
    const int aA = Collation::compare(QStringLiteral("a"), QStringLiteral("A"));
    QVERIFY(aA != 0);
    QCOMPARE(Collation::compare(QStringLiteral("A"), QStringLiteral("a")), -aA);
    QCOMPARE(Collation::compare(QStringLiteral("李四"), QStringLiteral("李四")), 0);
}

void tst_Collation::keysAndCacheGiveTheComparisonsOrder()
{
    QStringList texts = awkwardTexts();
    QRandomGenerator random(16);
    for (int i = 0; i < 300; ++i)
        texts << randomName(random);
    Collation::KeyCache cache;
    QList<QByteArray> keys;
    QList<QByteArray> utf8;
    for (const QString &t : texts) {
        keys << Collation::sortKey(t);
        utf8 << t.toUtf8();
    }
    for (int i = 0; i < texts.size(); ++i) {
        for (int j = 0; j < texts.size(); ++j) {
            const int expected = Collation::compare(texts[i], texts[j]);
            QVERIFY2(expected == 0 || texts[i] != texts[j], "only equal texts are equal");
            const int byKeys = sign(Collation::compareKeys(keys[i], keys[j]));
            const int cached = sign(cache.compare(utf8[i].constData(), int(utf8[i].size()),
                                                  utf8[j].constData(), int(utf8[j].size())));
            if (byKeys != expected || cached != expected) {
                QFAIL(qPrintable(QStringLiteral("%1 <=> %2: compare %3, keys %4, cache %5")
                                     .arg(texts[i], texts[j])
                                     .arg(expected)
                                     .arg(byKeys)
                                     .arg(cached)));
            }
        }
    }
    // Every distinct text once, however often it was compared (the table grew on the way).
    QCOMPARE(cache.size(), int(QSet<QString>(texts.cbegin(), texts.cend()).size()));
}

void tst_Collation::engineSortsAsTheProgramDoes()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pinyin"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(db.open());
    QVERIFY(Collation::registerWith(db));
    QSqlQuery q(db);
    QVERIFY(q.exec(QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT)")));
    QStringList texts = awkwardTexts();
    QRandomGenerator random(1516);
    for (int i = 0; i < 3000; ++i)
        texts << randomName(random);
    QVERIFY(db.transaction());
    QVERIFY(q.prepare(QStringLiteral("INSERT INTO t (name) VALUES (?)")));
    for (const QString &t : texts) {
        q.bindValue(0, t);
        QVERIFY(q.exec());
    }
    QVERIFY(db.commit());

    QStringList expected = texts;
    std::stable_sort(expected.begin(), expected.end(), Collation::lessThan);
    QStringList sorted;
    QVERIFY(q.exec(QStringLiteral("SELECT name FROM t ORDER BY name COLLATE PINYIN, id")));
    while (q.next())
        sorted << q.value(0).toString();
    QCOMPARE(sorted, expected);
    // Equal texts only are equal: DISTINCT under the collation keeps "a" and "A" apart (the
    // null text is no value to count).
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(DISTINCT name COLLATE PINYIN) FROM t")));
    QVERIFY(q.next());
    QSet<QString> distinct(texts.cbegin(), texts.cend());
    distinct.remove(QString());
    QCOMPARE(q.value(0).toInt(), int(distinct.size()));
    q = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("pinyin"));
}

void tst_Collation::registersOnlyWithAnOpenSqliteConnection()
{
    {
        QSqlDatabase closed =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("closed"));
        QVERIFY(!Collation::registerWith(closed));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("closed"));
    QVERIFY(!Collation::registerWith(QSqlDatabase()));
}

QTEST_MAIN(tst_Collation)
#include "tst_collation.moc"
