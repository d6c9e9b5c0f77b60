#include "labels/Barcode.h"
#include "labels/LabelSheet.h"
#include "labels/LabelWindow.h"

#include "support/RecordingPresenter.h"
#include "toolkit/ReportPrinter.h"

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a barcode scanner reads from the printed pages: the PDF rendered at 300 dpi as a
// scanner's camera would see it, decoded by zbarimg. One code per line, page by page.
QStringList scan(const ReportDocument &doc, const QString &folder)
{
    const QString pdf = QDir(folder).filePath(QStringLiteral("labels.pdf"));
    QString why;
    if (!doc.exportPdf(pdf, &why))
        qFatal("cannot write the labels: %s", qPrintable(why));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                  QStringLiteral("-png"), pdf, QDir(folder).filePath(QStringLiteral("page"))});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        qFatal("pdftoppm failed");
    QStringList codes;
    const QStringList pages =
        QDir(folder).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
    for (const QString &page : pages) {
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"),
                   {QStringLiteral("-q"), QStringLiteral("--raw"),
                    QStringLiteral("-Scode128.enable=1"), QDir(folder).filePath(page)});
        zbar.waitForFinished(60000);
        const QString out = QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
        if (!out.isEmpty())
            codes << out.split(u'\n');
    }
    return codes;
}

} // namespace

class tst_Labels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void labelDecodesBackToItsCode_data();
    void labelDecodesBackToItsCode();
    void sheetPlacesRowsAndColumns();
    void codeWithoutABarcodeIsRefused();
    void longTitleStaysOnItsLabel();
    void dialogPrintsTheTickedCopies();
};

void tst_Labels::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QFAIL("zbarimg (zbar-tools) and pdftoppm (poppler-utils) are needed: scripts/setup.sh");
}

void tst_Labels::labelDecodesBackToItsCode_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("code");
    QTest::newRow("label printer, copy code")
        << int(LabelSheet::Layout::Kind::LabelPrinter) << QStringLiteral("0001-1");
    QTest::newRow("label printer, long code")
        << int(LabelSheet::Layout::Kind::LabelPrinter) << QStringLiteral("DVD2024-0815-12");
    QTest::newRow("A4 sheet, letters and digits")
        << int(LabelSheet::Layout::Kind::A4Sheet) << QStringLiteral("Ab-77/x");
}

void tst_Labels::labelDecodesBackToItsCode()
{
    QFETCH(int, kind);
    QFETCH(QString, code);
    QTemporaryDir folder;
    LabelSheet::Layout layout;
    layout.kind = LabelSheet::Layout::Kind(kind);
    const ReportDocument doc = LabelSheet::document({{code, QStringLiteral("英雄")}}, layout);
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(scan(doc, folder.path()), QStringList{code});
    // The code and the title are printed under the bars for the eye.
    QCOMPARE(doc.pageTexts(0), (QStringList{code, QStringLiteral("英雄")}));
}

void tst_Labels::sheetPlacesRowsAndColumns()
{
    QList<LabelSheet::Label> labels;
    for (int i = 1; i <= 7; ++i)
        labels.append({QStringLiteral("0001-%1").arg(i), QStringLiteral("影片")});
    LabelSheet::Layout layout{LabelSheet::Layout::Kind::A4Sheet, 2, 3};
    QCOMPARE(LabelSheet::labelSize(layout), QSizeF(190.0 / 3, 277.0 / 2));
    const ReportDocument doc = LabelSheet::document(labels, layout);
    QCOMPARE(doc.pageCount(), 2); // six a sheet
    QCOMPARE(doc.pageTexts(1), (QStringList{QStringLiteral("0001-7"), QStringLiteral("影片")}));
    // Every bar lies inside its own label's cell: the first label's in the top-left one.
    for (const ReportItem &item : doc.items(0)) {
        if (item.type != ReportItem::Type::Fill)
            continue;
        QVERIFY(item.rect.left() >= 10 && item.rect.right() <= 200);
        QVERIFY(item.rect.top() >= 10 && item.rect.bottom() <= 287);
    }
    QTemporaryDir folder;
    QStringList read = scan(doc, folder.path());
    read.sort();
    QStringList codes;
    for (const LabelSheet::Label &l : labels)
        codes << l.code;
    QCOMPARE(read, codes);
}

void tst_Labels::codeWithoutABarcodeIsRefused()
{
    QString why;
    QVERIFY(!Barcode::code128(QStringLiteral("片001"), &why));
    QVERIFY(why.contains(QStringLiteral("片001")));
    QVERIFY(!Barcode::code128(QString(), &why));
    QStringList refused;
    const ReportDocument doc = LabelSheet::document(
        {{QStringLiteral("片001"), QString()}, {QStringLiteral("0002-1"), QString()}},
        LabelSheet::Layout{LabelSheet::Layout::Kind::LabelPrinter, 1, 1}, &refused);
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(refused.size(), 1);
}

void tst_Labels::longTitleStaysOnItsLabel()
{
    // On the 40 x 30 mm label a long title is printed smaller, and what still does not fit is
    // cut off with an ellipsis: nothing may run over the label's edge, where the printer
    // would lose it.
    const QString title = QStringLiteral("指环王：王者无敌（加长版）第二碟 导演剪辑版");
    const ReportDocument doc = LabelSheet::document(
        {{QStringLiteral("0001-3"), QStringLiteral("指环王：王者无敌（加长版）")},
         {QStringLiteral("0001-4"), title}},
        LabelSheet::Layout{LabelSheet::Layout::Kind::LabelPrinter, 1, 1});
    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(doc.pageTexts(0).last(), QStringLiteral("指环王：王者无敌（加长版）"));
    const QString cut = doc.pageTexts(1).last();
    QVERIFY2(cut.startsWith(QStringLiteral("指环王")) && cut.endsWith(QChar(0x2026)),
             qPrintable(cut));

    QTemporaryDir folder;
    QCOMPARE(scan(doc, folder.path()),
             (QStringList{QStringLiteral("0001-3"), QStringLiteral("0001-4")}));
    // The rendered pages: the outer millimetre left and right is blank paper.
    const QStringList pages =
        QDir(folder.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
    QCOMPARE(pages.size(), 2);
    for (const QString &name : pages) {
        const QImage page(QDir(folder.path()).filePath(name));
        QVERIFY(!page.isNull());
        const int mm = qRound(page.width() / 40.0);
        int inked = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x : {0, mm / 2, mm, page.width() - 1 - mm, page.width() - 1 - mm / 2,
                          page.width() - 1})
                inked += qGray(page.pixel(x, y)) < 128;
        }
        QVERIFY2(inked == 0, qPrintable(name));
    }
}

void tst_Labels::dialogPrintsTheTickedCopies()
{
    RecordingPresenter boxes;
    QTemporaryDir prints;
    ReportPrinter::setPdfInstead(prints.path());
    const QList<LabelSheet::Label> copies = {{QStringLiteral("0001-1"), QStringLiteral("甲")},
                                             {QStringLiteral("0001-2"), QStringLiteral("甲")},
                                             {QStringLiteral("0002-1"), QStringLiteral("乙")}};
    TLabelPrintFm w(copies, {1});
    QCOMPARE(w.checkedLabels().size(), 1);
    QCOMPARE(w.checkedLabels().first().code, QStringLiteral("0001-2"));
    QTest::mouseClick(w.BtnNone, Qt::LeftButton);
    QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
    QCOMPARE(boxes.lastText(), QStringLiteral("请选择要打印标签的影碟！"));
    QTest::mouseClick(w.BtnAll, Qt::LeftButton);
    w.RbPrinter->setChecked(true);
    QVERIFY(!w.EDRows->isEnabled());
    QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    const QStringList pdfs = QDir(prints.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(pdfs.size(), 1);
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QDir(prints.path()).filePath(pdfs.first()), QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const LabelSheet::Label &l : copies)
        QVERIFY2(printed.contains(l.code), qPrintable(printed));
    ReportPrinter::setPdfInstead(QString());
}

QTEST_MAIN(tst_Labels)
#include "tst_labels.moc"
