#include "CsvExport.h"

#include <QSaveFile>

namespace Csv {
namespace {

QString field(const QString &value)
{
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) &&
        !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r'))) {
        return value;
    }
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void appendLine(QByteArray &out, const QStringList &values)
{
    QStringList fields;
    fields.reserve(values.size());
    for (const QString &v : values)
        fields << field(v);
    out += fields.join(QLatin1Char(',')).toUtf8();
    out += "\r\n";
}

} // namespace

QByteArray toBytes(const QStringList &header, const QList<QStringList> &rows)
{
    QByteArray out("\xEF\xBB\xBF");
    appendLine(out, header);
    for (const QStringList &row : rows)
        appendLine(out, row);
    return out;
}

bool write(const QString &path, const QStringList &header, const QList<QStringList> &rows,
           QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toBytes(header, rows)) < 0 ||
        !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace Csv
