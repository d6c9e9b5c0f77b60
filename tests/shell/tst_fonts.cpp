#include "shell/Fonts.h"
#include "support/PrintedPdf.h"

#include <QApplication>
#include <QFontInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
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
        // The receipt and the reports name SimSun and Arial, the windows 宋体 and 新宋体.
        const QStringList families{QStringLiteral("SimSun"), QStringLiteral("Arial"),
                                   QStringLiteral("宋体"), QStringLiteral("新宋体")};
        for (int i = 0; i < families.size(); ++i) {
            p.setFont(QFont(families.at(i), 9));
            p.drawText(QPointF(100, 200 + 300 * i), QStringLiteral("租金合计：12.50 元 DVD-9"));
        }
    }
    const QStringList fonts = PrintedPdf::fonts(pdf);
    QVERIFY2(!fonts.isEmpty(), "pdffonts found no font");
    for (const QString &font : fonts)
        QVERIFY2(font.contains(QLatin1String("MicroHei"), Qt::CaseInsensitive), qPrintable(font));
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
