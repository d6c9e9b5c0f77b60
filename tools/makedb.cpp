// Writes account files from the schema code:
//   makedb [--if-missing] [--template PATH] [--sample PATH] [--today yyyy-MM-dd]
// --template writes an empty account (the template new accounts are copied from),
// --sample a small shop with some months of history up to today.
// With --if-missing an existing file is left untouched; without it, an existing file is an error.

#include "data/SampleAccount.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTextStream>
#include <QUuid>

#include "data/Db.h"

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "makedb: " << message << '\n';
    return 1;
}

bool writeSample(const QString &path, const QDate &today, QString *why)
{
    if (!SampleAccount::createEmptyAccount(path, why))
        return false;
    const QString name = QStringLiteral("sample-") + QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        try {
            SampleAccount::fillSampleShop(db, today);
        } catch (const Db::DbError &e) {
            ok = false;
            *why = e.message();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        QFile::remove(path);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    bool ifMissing = false;
    QString templatePath, samplePath;
    QDate today = QDate::currentDate();
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto next = [&]() { return i + 1 < args.size() ? args[++i] : QString(); };
        if (a == QLatin1String("--if-missing"))
            ifMissing = true;
        else if (a == QLatin1String("--template"))
            templatePath = next();
        else if (a == QLatin1String("--sample"))
            samplePath = next();
        else if (a == QLatin1String("--today"))
            today = QDate::fromString(next(), QStringLiteral("yyyy-MM-dd"));
        else
            return fail(QStringLiteral("unknown argument ") + a);
    }
    if (!today.isValid())
        return fail(QStringLiteral("--today needs yyyy-MM-dd"));

    for (const QString &p : {templatePath, samplePath}) {
        if (!p.isEmpty())
            QDir().mkpath(QFileInfo(p).absolutePath());
    }
    QString why;
    if (!templatePath.isEmpty() && !(ifMissing && QFileInfo::exists(templatePath))) {
        if (!SampleAccount::createEmptyAccount(templatePath, &why))
            return fail(why);
    }
    if (!samplePath.isEmpty() && !(ifMissing && QFileInfo::exists(samplePath))) {
        if (!writeSample(samplePath, today, &why))
            return fail(why);
    }
    return 0;
}
