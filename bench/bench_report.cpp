// Times the report engine on a rental-like report of 10,000 rows in two levels of groups:
// generating every page, writing them all to PDF, and drawing one page for the preview.
// Usage: bench_report [--rows N] [--pdf DIR]   (--pdf also writes the report and a receipt)
#include "toolkit/ReportGenerator.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

ReportData rentalRows(int count)
{
    static const QStringList customers = {
        QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("王五"),
        QStringLiteral("赵六"), QStringLiteral("散客"), QStringLiteral("陈小春"),
        QStringLiteral("周慧敏"), QStringLiteral("刘德华")};
    static const QStringList titles = {
        QStringLiteral("大话西游之月光宝盒"), QStringLiteral("英雄本色"),
        QStringLiteral("甜蜜蜜"), QStringLiteral("重庆森林"), QStringLiteral("无间道"),
        QStringLiteral("霸王别姬"), QStringLiteral("卧虎藏龙"), QStringLiteral("喜剧之王")};
    static const QStringList categories = {QStringLiteral("喜剧"), QStringLiteral("动作"),
                                           QStringLiteral("爱情"), QStringLiteral("剧情")};
    ReportData data({QStringLiteral("DatTime"), QStringLiteral("Customer"),
                     QStringLiteral("Name"), QStringLiteral("Categray"),
                     QStringLiteral("Deposit"), QStringLiteral("Rmoney")});
    const QDate first(2024, 1, 1);
    quint32 seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) & 0x7fff);
    };
    // About 100 rows a day, customers in runs, as the report's ordering gives them.
    for (int i = 0; i < count; ++i) {
        const QDate day = first.addDays(i / 100);
        const int customer = (i / 7) % customers.size();
        data.appendRow({day.toString(Qt::ISODate), customers.at(customer),
                        titles.at(next() % titles.size()),
                        categories.at(next() % categories.size()),
                        qlonglong(2000 + 500 * (next() % 5)), qlonglong(100 + 25 * (next() % 9))});
    }
    return data;
}

ReportDefinition rentalReport()
{
    ReportDefinition r(QStringLiteral("租赁报表"));
    r.setPage(ReportPage::a4());
    const QColor shade(0xdd, 0xdd, 0xdd);
    const QColor light(0xf0, 0xf0, 0xf0);

    ReportBand &title = r.title().setHeight(22);
    title.addText({0, 2, 190, 10}, QStringLiteral("租 赁 报 表"))
        .setFont(QFont(QStringLiteral("SimSun"), 18, QFont::Bold)).alignCenter();
    title.addText({0, 15, 80, 6}, QStringLiteral("制表日期：2024-04-10"));
    title.addPageNumber({140, 9, 50, 6}, QStringLiteral("第 %1 页")).alignRight();
    title.addText({110, 15, 80, 6}, QStringLiteral("从2024-01-01到2024-04-10")).alignRight();

    ReportBand &header = r.pageHeader().setHeight(7).setBold().setBackground(shade);
    header.setFrame(ReportFrame::lines(true, true));
    header.addText({0, 0, 25, 7}, QStringLiteral("租赁日期"));
    header.addText({25, 0, 25, 7}, QStringLiteral("租赁人"));
    header.addText({50, 0, 60, 7}, QStringLiteral("影片名称"));
    header.addText({110, 0, 30, 7}, QStringLiteral("影片类型"));
    header.addText({140, 0, 25, 7}, QStringLiteral("押金")).alignRight();
    header.addText({165, 0, 25, 7}, QStringLiteral("租金")).alignRight();

    const QString mask = QStringLiteral("#0.00");
    ReportGroup &day = r.addGroup(QStringLiteral("DatTime"));
    day.header().setHeight(6).addColumn({0, 0, 25, 6}, QStringLiteral("DatTime")).setBold();
    ReportBand &dayFooter = day.footer().setHeight(6).setBackground(light);
    dayFooter.addText({100, 0, 20, 6}, QStringLiteral("押金小计:"));
    dayFooter.addSum({120, 0, 20, 6}, QStringLiteral("Deposit")).setCents().setMask(mask)
        .alignRight();
    dayFooter.addText({145, 0, 20, 6}, QStringLiteral("租金小计:"));
    dayFooter.addSum({165, 0, 25, 6}, QStringLiteral("Rmoney")).setCents().setMask(mask)
        .alignRight();

    ReportGroup &customer = r.addGroup(QStringLiteral("Customer"));
    customer.header().setHeight(6).addColumn({25, 0, 25, 6}, QStringLiteral("Customer"));
    ReportBand &customerFooter = customer.footer().setHeight(6).setBackground(light);
    customerFooter.addText({100, 0, 20, 6}, QStringLiteral("押金小计:"));
    customerFooter.addSum({120, 0, 20, 6}, QStringLiteral("Deposit")).setCents().setMask(mask)
        .alignRight();
    customerFooter.addText({145, 0, 20, 6}, QStringLiteral("租金小计:"));
    customerFooter.addSum({165, 0, 25, 6}, QStringLiteral("Rmoney")).setCents().setMask(mask)
        .alignRight();

    ReportBand &detail = r.detail().setHeight(5.5);
    detail.addColumn({50, 0, 60, 5.5}, QStringLiteral("Name"));
    detail.addColumn({110, 0, 30, 5.5}, QStringLiteral("Categray"));
    detail.addColumn({140, 0, 25, 5.5}, QStringLiteral("Deposit")).setCents().setMask(mask)
        .alignRight();
    detail.addColumn({165, 0, 25, 5.5}, QStringLiteral("Rmoney")).setCents().setMask(mask)
        .alignRight();

    ReportBand &summary = r.summary().setHeight(8).setBold().setBackground(shade);
    summary.setFrame(ReportFrame::lines(true, true));
    summary.addText({100, 0, 20, 8}, QStringLiteral("押金合计:"));
    summary.addSum({120, 0, 20, 8}, QStringLiteral("Deposit")).setCents().setMask(mask)
        .alignRight();
    summary.addText({145, 0, 20, 8}, QStringLiteral("租金合计:"));
    summary.addSum({165, 0, 25, 8}, QStringLiteral("Rmoney")).setCents().setMask(mask)
        .alignRight();

    r.pageFooter().setHeight(6).addPageNumber({0, 0, 190, 6}, QStringLiteral("第 %1 页 / 共 %2 页"))
        .alignCenter();
    return r;
}

ReportDefinition receipt()
{
    ReportDefinition r(QStringLiteral("单据"));
    r.setPage(ReportPage::custom(QSizeF(70, 100), QMarginsF(0, 10, 0, 10)));
    const QFont big(QStringLiteral("Arial"), 16, QFont::Bold);
    ReportBand &title = r.title().setHeight(34);
    title.addText({0, 0, 70, 8}, QStringLiteral("欢迎光临")).setFont(big).alignCenter();
    title.addText({0, 8, 70, 8}, QStringLiteral("好运来影碟出租店")).setFont(big).alignCenter();
    title.addText({0, 17, 70, 4}, QStringLiteral("地址：光明路 8 号（菜市场对面）"));
    title.addText({0, 21, 70, 4}, QStringLiteral("电话：0571-88886666"));
    title.addText({0, 25, 35, 4}, QStringLiteral("单 据 号：202404100"));
    title.addText({35, 25, 35, 4}, QStringLiteral("日    期：2024-04-10"));
    title.addText({0, 29, 35, 4}, QStringLiteral("客户编号：23"));
    title.addText({35, 29, 35, 4}, QStringLiteral("操作人员：2"));
    ReportBand &header = r.pageHeader().setHeight(5).setBold();
    header.setFrame(ReportFrame::lines(true, true));
    header.addText({0, 0, 40, 5}, QStringLiteral("影碟名称"));
    header.addText({40, 0, 10, 5}, QStringLiteral("数量")).alignRight();
    header.addText({50, 0, 20, 5}, QStringLiteral("金额")).alignRight();
    ReportBand &detail = r.detail().setHeight(4.5);
    detail.addColumn({0, 0, 40, 4.5}, QStringLiteral("name"));
    detail.addColumn({40, 0, 10, 4.5}, QStringLiteral("Amount")).alignRight();
    detail.addColumn({50, 0, 20, 4.5}, QStringLiteral("RMoney")).setCents()
        .setMask(QStringLiteral("#0.00")).alignRight();
    ReportBand &summary = r.summary().setHeight(6).setFrame(ReportFrame::lines(true, false));
    summary.addText({0, 0, 20, 6}, QStringLiteral("合计：")).setBold();
    summary.addCount({40, 0, 10, 6}).alignRight();
    summary.addSum({50, 0, 20, 6}, QStringLiteral("RMoney")).setCents()
        .setMask(QStringLiteral("#0.00")).alignRight().setBold();
    return r;
}

ReportData receiptRows()
{
    ReportData rows({QStringLiteral("name"), QStringLiteral("Amount"), QStringLiteral("RMoney")});
    rows.appendRow({QStringLiteral("大话西游之月光宝盒（上下集珍藏版）"), 1, 250});
    rows.appendRow({QStringLiteral("英雄本色"), 1, 300});
    rows.appendRow({QStringLiteral("甜蜜蜜"), 2, 1250});
    return rows;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int rows = 10000;
    QString pdfDir;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--rows"))
            rows = args.at(i + 1).toInt();
        else if (args.at(i) == QLatin1String("--pdf"))
            pdfDir = args.at(i + 1);
    }

    const ReportData data = rentalRows(rows);
    const ReportDefinition definition = rentalReport();

    std::vector<double> times;
    ReportDocument doc;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        doc = ReportGenerator::generate(definition, data);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("generate %d rows in groups: %d pages, median %.1f ms, best %.1f ms "
                "(target < 2000 ms)\n",
                rows, doc.pageCount(), median(times),
                *std::min_element(times.begin(), times.end()));

    QImage image(QSize(794, 1123), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer t;
    t.start();
    {
        QPainter p(&image);
        doc.render(0, p, QRectF(image.rect()));
    }
    std::printf("draw one page at preview size (794 x 1123 px): %.1f ms\n",
                double(t.nsecsElapsed()) / 1e6);

    QTemporaryDir tmp;
    const QString folder = pdfDir.isEmpty() ? tmp.path() : pdfDir;
    QDir().mkpath(folder);
    t.restart();
    QString why;
    if (!doc.exportPdf(QDir(folder).filePath(QStringLiteral("rental-report.pdf")), &why)) {
        std::printf("PDF failed: %s\n", qPrintable(why));
        return 1;
    }
    std::printf("write all %d pages to PDF: %.0f ms\n", doc.pageCount(),
                double(t.nsecsElapsed()) / 1e6);

    if (!pdfDir.isEmpty()) {
        const ReportDocument slip = ReportGenerator::generate(receipt(), receiptRows());
        slip.exportPdf(QDir(folder).filePath(QStringLiteral("receipt.pdf")), &why);
        std::printf("wrote %s\n", qPrintable(folder));
    }
    return 0;
}
