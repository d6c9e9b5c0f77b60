// The rental desk's windows on a large shop (100,000 copies, 2,000,000 lines), as the operator
// meets them: one scanned code (lookup, add, list redrawn), F12 on five discs up to the
// settlement prompt, opening the title and member pick lists. The core functions alone are
// measured by bench_counter.
//
//   bench_rental LARGE.MDB
//
// The file is copied to a temporary folder first: the completions write to it.

#include "data/AccountContext.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "rental/LeaseWindow.h"
#include "rental/PickListWindows.h"
#include "rental/SettlementWindow.h"
#include "shell/BaseWindows.h"
#include "toolkit/DataGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

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

struct Stats
{
    double median = 0, p95 = 0;
};

Stats stats(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[int(q * (ms.size() - 1) + 0.5)]; };
    return ms.isEmpty() ? Stats{} : Stats{at(0.5), at(0.95)};
}

void row(const QString &what, const Stats &s)
{
    out() << "| " << what << " | " << QString::number(s.median, 'f', 2) << " | "
          << QString::number(s.p95, 'f', 2) << " |\n";
    out().flush();
}

// Closes the settlement prompt as soon as it is up, recording when it appeared.
void closePromptWhenUp(QElapsedTimer *clock, double *upAt)
{
    auto *timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, upAt] {
        if (auto *p = qobject_cast<TInforFm *>(QApplication::activeModalWidget())) {
            *upAt = clock->nsecsElapsed() / 1e6;
            timer->stop();
            timer->deleteLater();
            p->accept();
        }
    });
    timer->start();
}

QStringList freeCodes(int n)
{
    QStringList codes;
    QSqlQuery q = Db::exec(
        QStringLiteral(
            "SELECT b.CustomNum FROM TBName AS b WHERE NOT EXISTS (SELECT 1 FROM TBBusinessDetail "
            "AS d WHERE d.CDNum = b.ID AND d.ReDate IS NULL) AND EXISTS (SELECT 1 FROM TBVer "
            "WHERE Name = b.Ver) ORDER BY random() LIMIT ?"),
        {n}, g_account.db());
    while (q.next())
        codes << q.value(0).toString();
    return codes;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyCommonLook();
    if (argc < 2) {
        out() << "usage: bench_rental LARGE.MDB\n";
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.MDB"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), path))
        qFatal("cannot copy %s", argv[1]);
    QString why;
    if (!openAccountFile(path, QLatin1String(Db::MainConnName), &why))
        qFatal("cannot open: %s", qPrintable(why));
    g_account.setOperator(1);
    Db::exec(QStringLiteral("UPDATE TBKindValue SET CateValue = '1' WHERE CateID = ?"),
             {Schema::OptionReceiptPrinting}, g_account.db());
    out() << "lines: "
          << Db::scalar(QStringLiteral("SELECT count(*) FROM TBBusinessDetail"), {}, g_account.db())
                 .toLongLong()
          << ", copies: "
          << Db::scalar(QStringLiteral("SELECT count(*) FROM TBName"), {}, g_account.db())
                 .toLongLong()
          << "\n\n| action | median ms | p95 ms |\n|---|---|---|\n";

    constexpr int Rounds = 20;
    const QStringList codes = freeCodes(Rounds * 5);
    TLeaseFm w(g_account);
    w.prepare(0);
    w.show();
    w.activateWindow();
    QApplication::setActiveWindow(&w); // the offscreen platform may not activate it
    QApplication::processEvents();
    QList<double> scans, completions;
    QElapsedTimer clock;
    for (int r = 0; r < Rounds; ++r) {
        QApplication::setActiveWindow(&w); // back from the prompt
        for (int i = 0; i < 5; ++i) {
            w.EDPic->setFocus();
            w.EDPic->setText(codes.at(r * 5 + i));
            clock.start();
            QTest::keyClick(w.EDPic, Qt::Key_Return);
            scans << clock.nsecsElapsed() / 1e6;
        }
        if (w.items().size() != 5)
            qFatal("a scan was refused: %d items", int(w.items().size()));
        double upAt = 0;
        clock.start();
        closePromptWhenUp(&clock, &upAt);
        QTest::keyClick(w.EDPic, Qt::Key_F12);
        if (!w.items().isEmpty())
            qFatal("the completion was refused");
        completions << upAt;
    }
    row(QStringLiteral("scan one code: lookup, add, list redrawn"), stats(scans));
    row(QStringLiteral("F12 on five discs until the prompt shows"), stats(completions));

    QList<double> titles, members;
    for (int i = 0; i < 5; ++i) {
        clock.start();
        {
            TSelectPicFm pick(g_account);
            pick.show();
            QApplication::processEvents();
            titles << clock.nsecsElapsed() / 1e6;
        }
        clock.start();
        {
            TSelectPerFm pick(g_account);
            pick.show();
            QApplication::processEvents();
            members << clock.nsecsElapsed() / 1e6;
        }
    }
    row(QStringLiteral("open the title pick list (every copy)"), stats(titles));
    row(QStringLiteral("open the member pick list (every member)"), stats(members));
    return 0;
}
