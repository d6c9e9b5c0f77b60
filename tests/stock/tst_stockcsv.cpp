// The stock list of the sample shop exported to CSV and read back as a spreadsheet would:
// every row shown, in the order shown, with the Chinese captions and titles intact.
#include "stock/RepertoryWindow.h"

#include "data/Db.h"
#include "data/SampleAccount.h"
#include "support/CsvReader.h"
#include "support/RecordingPresenter.h"
#include "support/TestAccount.h"
#include "toolkit/DataGrid.h"

#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

class tst_StockCsv : public QObject
{
    Q_OBJECT
private slots:
    void sampleShopsStockListReadsBack();
};

void tst_StockCsv::sampleShopsStockListReadsBack()
{
    TestAccount account;
    RecordingPresenter boxes;
    SampleAccount::fillSampleShop(account.db(), QDate(2024, 6, 30));
    TRepertoryFm window(account.context());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DataGrid *grid = window.dxDBGrid1;
    grid->setSort(QStringLiteral("Name"), Qt::DescendingOrder);
    QVERIFY(grid->rowCount() > 10);

    // Ctrl+E on the list, as the operator would export it.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("库存.csv"));
    DataGrid::setSaveNameProvider([&](QWidget *, const QString &) { return path; });
    grid->view()->setFocus();
    QTest::keyClick(grid->view(), Qt::Key_E, Qt::ControlModifier);
    DataGrid::setSaveNameProvider({});
    QCOMPARE(boxes.shown.size(), 1);
    QVERIFY(boxes.lastText().contains(QString::number(grid->rowCount())));

    bool bom = false;
    const QList<QStringList> records = CsvReader::parseFile(path, &bom);
    QVERIFY(bom);
    QCOMPARE(records.size(), grid->rowCount() + 1);
    // The header: the captions of the shown columns, in the order shown.
    QStringList captions;
    for (const QString &field : grid->shownFields()) {
        for (const Grid::Column &c : grid->columns()) {
            if (c.field == field)
                captions << c.caption;
        }
    }
    QCOMPARE(records.first(), captions);
    QVERIFY(captions.contains(QStringLiteral("名称")));
    const int nameColumn = int(captions.indexOf(QStringLiteral("名称")));
    for (int i = 0; i < grid->rowCount(); ++i) {
        for (int c = 0; c < grid->shownFields().size(); ++c)
            QCOMPARE(records.at(i + 1).at(c), grid->textAt(i, grid->shownFields().at(c)));
    }

    // The titles are those of the copies in stock, Chinese as stored.
    QSet<QString> stored;
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT Name FROM TBName WHERE Quality <= 2"), {}, account.db());
    while (q.next())
        stored << q.value(0).toString();
    QSet<QString> exported;
    for (const QStringList &r : records.mid(1))
        exported << r.at(nameColumn);
    QCOMPARE(exported, stored);
    QVERIFY(exported.contains(QStringLiteral("卧虎藏龙")));
}

QTEST_MAIN(tst_StockCsv)
#include "tst_stockcsv.moc"
