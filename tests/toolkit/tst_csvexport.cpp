#include "support/CsvReader.h"
#include "toolkit/CsvExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

} // namespace

class TestCsvExport : public QObject
{
    Q_OBJECT

private slots:
    void bytesHaveBomHeaderAndCrlf()
    {
        const QByteArray bytes = Csv::toBytes({QStringLiteral("编号"), QStringLiteral("片名")},
                                              {{QStringLiteral("1"), QStringLiteral("英雄")},
                                               {QStringLiteral("2"), QString()}});
        QVERIFY(bytes.startsWith(kBom));
        QCOMPARE(bytes.mid(3), QStringLiteral("编号,片名\r\n1,英雄\r\n2,\r\n").toUtf8());

        // No header: rows only; nothing at all: the BOM alone.
        QCOMPARE(Csv::toBytes({}, {{QStringLiteral("a")}}), kBom + "a\r\n");
        QCOMPARE(Csv::toBytes({}, {}), kBom);
    }

    void fieldsAreQuotedOnlyWhenNeeded_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("plain") << QStringLiteral("卧虎藏龙") << QStringLiteral("卧虎藏龙");
        QTest::newRow("comma") << QStringLiteral("a,b") << QStringLiteral("\"a,b\"");
        QTest::newRow("quote") << QStringLiteral("6\" disc") << QStringLiteral("\"6\"\" disc\"");
        QTest::newRow("line break") << QStringLiteral("line1\nline2")
                                    << QStringLiteral("\"line1\nline2\"");
        QTest::newRow("carriage return") << QStringLiteral("a\rb") << QStringLiteral("\"a\rb\"");
        QTest::newRow("leading blank") << QStringLiteral(" x") << QStringLiteral("\" x\"");
        QTest::newRow("negative money") << QStringLiteral("-12.50") << QStringLiteral("-12.50");
        QTest::newRow("signed thousands") << QStringLiteral("+1,234.00")
                                          << QStringLiteral("\"+1,234.00\"");
        QTest::newRow("lone dash") << QStringLiteral("-") << QStringLiteral("-");
        QTest::newRow("formula") << QStringLiteral("=HYPERLINK(\"x\")")
                                 << QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\"");
        QTest::newRow("at sign") << QStringLiteral("@SUM(A1)") << QStringLiteral("'@SUM(A1)");
        QTest::newRow("minus text") << QStringLiteral("-1+2") << QStringLiteral("'-1+2");
        QTest::newRow("plus phone") << QStringLiteral("+86 138") << QStringLiteral("'+86 138");
    }

    void fieldsAreQuotedOnlyWhenNeeded()
    {
        QFETCH(QString, value);
        QFETCH(QString, encoded);
        QCOMPARE(QString::fromUtf8(Csv::toBytes({}, {{value}}).mid(3)), encoded + "\r\n");
    }

    void awkwardFieldsReadBackIntact()
    {
        const QStringList header{QStringLiteral("会员"), QStringLiteral("备注"),
                                 QStringLiteral("金额")};
        const QList<QStringList> rows{
            {QStringLiteral("张三"), QStringLiteral("说：\"好片\", 再租"), QStringLiteral("3.00")},
            {QStringLiteral("李四"), QStringLiteral("两行\r\n备注"), QStringLiteral("-0.50")},
            {QString(), QString(), QString()},
        };
        const QByteArray bytes = Csv::toBytes(header, rows);
        const QList<QStringList> back = CsvReader::parse(QString::fromUtf8(bytes.mid(3)));
        QCOMPARE(back.size(), 4);
        QCOMPARE(back.at(0), header);
        QCOMPARE(back.mid(1), rows);
    }

    void writeCreatesFileAndReportsFailure()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("库存.csv"));
        QString error;
        QVERIFY(Csv::write(path, {QStringLiteral("片名")}, {{QStringLiteral("英雄")}}, &error));
        QVERIFY(error.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kBom + QStringLiteral("片名\r\n英雄\r\n").toUtf8());
        file.close();

        // A folder that does not exist: false, a message naming the file, no file made.
        const QString bad = dir.filePath(QStringLiteral("无此目录/x.csv"));
        QVERIFY(!Csv::write(bad, {QStringLiteral("a")}, {}, &error));
        QVERIFY(error.contains(QStringLiteral("x.csv")));
        QVERIFY(!QFile::exists(bad));
        QVERIFY(!Csv::write(bad, {QStringLiteral("a")}, {}, nullptr));

        // A failed write keeps what was there before.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool writable = QFile(dir.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly);
        if (!writable) {
            QVERIFY(!Csv::write(path, {QStringLiteral("新")}, {}, &error));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), kBom + QStringLiteral("片名\r\n英雄\r\n").toUtf8());
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
