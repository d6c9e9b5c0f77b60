// Measures the stock and sales windows on a large shop:
//   bench_stock ACCOUNT
// ACCOUNT is a shop written by genshop (100,000 copies, 2,000,000 lines at full size). It is
// copied to a temporary folder first, since the benchmark sells, undoes and writes off copies.
// Prints, in milliseconds: the stock list's first screen and all its rows, one search keystroke
// (worst over a typed name and over a text no title begins with), showing the list again with
// and without a change to re-read, the sale window's code lookup, a sale, its undo, a
// write-off, and the sales list's first screen.

#include "sales/SaleStore.h"
#include "sales/SellMainWindow.h"
#include "stock/RepertoryWindow.h"
#include "stock/StockStore.h"

#include "data/AccountContext.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "toolkit/DataGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>

namespace {

// The account this measurement works in: MainConn, opened by main().
AccountContext g_account;

} // namespace

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

void report(const char *what, double value)
{
    out() << QStringLiteral("%1 %2 ms").arg(QLatin1String(what), -44).arg(value, 8, 'f', 2)
          << Qt::endl;
}

// Waits until the window has been painted once.
void settle(QWidget *w)
{
    if (!QTest::qWaitForWindowExposed(w))
        out() << "window not exposed" << Qt::endl;
    QCoreApplication::processEvents();
}

double worstKeystroke(QLineEdit *box, const QString &text)
{
    box->clear();
    box->setFocus();
    double worst = 0;
    for (QChar ch : text) {
        QElapsedTimer t;
        t.start();
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QCoreApplication::processEvents();
        worst = std::max(worst, ms(t));
    }
    return worst;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        out() << "usage: bench_stock ACCOUNT (a shop written by genshop)" << Qt::endl;
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Bench.MDB"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), path)) {
        out() << "cannot copy " << argv[1] << Qt::endl;
        return 1;
    }
    QString why;
    if (!openAccountFile(path, QLatin1String(Db::MainConnName), &why)) {
        out() << "cannot open: " << why << Qt::endl;
        return 1;
    }
    g_account.setOperator(1);
    const qint64 copies =
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBName"), {}, g_account.db()).toLongLong();
    const qint64 lines =
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBBusinessDetail"), {}, g_account.db())
            .toLongLong();
    out() << "copies " << copies << ", transaction lines " << lines << Qt::endl;

    try {
        // The stock list: first screen, then every row (sums, sorting and locate need them).
        QElapsedTimer t;
        t.start();
        auto *stock = new TRepertoryFm(g_account);
        stock->resize(1100, 700);
        stock->show();
        settle(stock);
        report("stock list: first screen", ms(t));
        QSignalSpy finished(stock->dxDBGrid1, &DataGrid::loadFinished);
        if (stock->dxDBGrid1->isLoading())
            finished.wait(60000);
        report("stock list: all rows in (background)", ms(t));
        out() << "  rows listed " << stock->dxDBGrid1->rowCount() << Qt::endl;

        const QString name =
            stock->dxDBGrid1->valueAt(stock->dxDBGrid1->rowCount() - 1, QStringLiteral("Name"))
                .toString();
        report("search: worst keystroke, a listed name", worstKeystroke(stock->EDSearch, name));
        report("search: worst keystroke, no title matches",
               worstKeystroke(stock->EDSearch, QStringLiteral("ZZZZZZ")));

        t.restart();
        stock->RefreshIfChanged();
        report("stock list: shown again, nothing changed", ms(t));
        t.restart();
        stock->RefreshList();
        report("stock list: re-read (shown again after a change)", ms(t));

        // The sale window's lookup, a sale and its undo.
        QRandomGenerator rng(7);
        QStringList codes;
        {
            QSqlQuery q = Db::exec(QStringLiteral("SELECT CustomNum FROM TBName ORDER BY ID"), {},
                                   g_account.db());
            while (q.next())
                codes << q.value(0).toString();
        }
        const int lookups = 500;
        int found = 0;
        t.restart();
        for (int i = 0; i < lookups; ++i) {
            if (SaleStore::findSaleableCopy(g_account.db(),
                                            codes[int(rng.bounded(int(codes.size())))]))
                ++found;
        }
        report("sale lookup by code (average)", ms(t) / lookups);
        out() << "  saleable " << found << " of " << lookups << Qt::endl;

        std::optional<SaleStore::SaleCopy> copy;
        for (int i = 0; !copy && i < codes.size(); ++i)
            copy = SaleStore::findSaleableCopy(g_account.db(),
                                               codes[int(rng.bounded(int(codes.size())))]);
        if (copy) {
            SaleStore::SaleRow row;
            row.copy = *copy;
            row.rmoney = Money::fromYuan(20);
            t.restart();
            const QList<qint64> ids =
                SaleStore::completeSale(g_account.db(), {row}, -1, 1, QDate::currentDate()).value();
            report("sale of one copy (one transaction)", ms(t));
            t.restart();
            SaleStore::undoSale(g_account, ids.first());
            report("undo of that sale (one transaction)", ms(t));
        }

        // A write-off of a copy that is rented out.
        const QVariant rented = Db::scalar(
            QStringLiteral(
                "SELECT n.ID FROM TBName n WHERE n.Quality < 3 AND EXISTS (SELECT 1 FROM "
                "TBBusinessDetail d WHERE d.CDNum = n.ID AND d.ReDate IS NULL) LIMIT 1"),
            {}, g_account.db());
        if (rented.isValid()) {
            t.restart();
            StockStore::writeOff(g_account, rented.toLongLong());
            report("write-off with its open rental", ms(t));
        }
        delete stock;

        t.restart();
        auto *sales = new TSellMainFm(g_account);
        sales->resize(1100, 700);
        sales->show();
        settle(sales);
        report("sales list: first screen", ms(t));
        out() << "  sale lines " << sales->dxDBGrid1->rowCount() << Qt::endl;
        delete sales;
    } catch (const Db::DbError &e) {
        out() << "database error: " << e.message() << Qt::endl;
        return 1;
    }
    return 0;
}
