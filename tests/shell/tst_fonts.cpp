#include "shell/Fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_Fonts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyNamedFamilyIsTheOneFont_data();
    void everyNamedFamilyIsTheOneFont();
    void pdfCarriesOneFontForChineseAndDigits();
};

void tst_Fonts::initTestCase()
{
    QVERIFY2(Fonts::install(), qPrintable(Fonts::family() + QStringLiteral(" not installed")));
}

void tst_Fonts::everyNamedFamilyIsTheOneFont_data()
{
    QTest::addColumn<QString>("named");
    for (const QString &f : Fonts::namedFamilies())
        QTest::newRow(qPrintable(f)) << f;
    QTest::newRow("application font") << QString();
}

void tst_Fonts::everyNamedFamilyIsTheOneFont()
{
    QFETCH(QString, named);
    const QFont font = named.isEmpty() ? QApplication::font() : QFont(named, 12);
    QCOMPARE(QFontInfo(font).family(), Fonts::family());
    if (named.isEmpty())
        QCOMPARE(QFontInfo(font).pixelSize(), 12);
}

void tst_Fonts::pdfCarriesOneFontForChineseAndDigits()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("fonts.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A6));
        QPainter p(&writer);
        // What a receipt and a report print: Chinese, digits and Latin letters side by side.
        for (const char *family : {"宋体", "新宋体"}) {
            p.setFont(QFont(QString::fromUtf8(family), 9));
            p.drawText(QPointF(100, 200 + 300 * (family[0] == 'A')),
                       QStringLiteral("租金合计：12.50 元 DVD-9"));
        }
    }
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    QVERIFY(fonts.waitForFinished(30000));
    const QStringList lines =
        QString::fromUtf8(fonts.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.size() > 2, qPrintable(lines.join(QLatin1Char('\n'))));
    // Two heading lines, then one line per embedded font: each of them is the one family.
    for (const QString &line : lines.mid(2)) {
        QVERIFY2(line.contains(QStringLiteral("WenQuanYi"), Qt::CaseInsensitive) ||
                     line.contains(QStringLiteral("MicroHei"), Qt::CaseInsensitive),
                 qPrintable(line));
    }
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
