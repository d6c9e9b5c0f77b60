#include "CsvExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>

namespace Csv {

namespace {

// A plain decimal number, optionally signed, with thousands separators or a percent sign.
bool isPlainNumber(const QString &field)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?((\\d{1,3}(,\\d{3})+|\\d+)(\\.\\d+)?|\\.\\d+)%?$"));
    return number.match(field).hasMatch();
}

bool startsLikeFormula(const QString &field)
{
    if (field.size() < 2) // a lone "-" or "=" is a placeholder, never a formula
        return false;
    const QChar first = field.front();
    const bool formulaStart = first == u'=' || first == u'+' || first == u'-' || first == u'@'
                              || first == u'\t' || first == u'\r';
    return formulaStart && !isPlainNumber(field);
}

QString encodeField(const QString &value)
{
    QString field = startsLikeFormula(value) ? QLatin1Char('\'') + value : value;
    const bool needsQuotes = field.contains(u',') || field.contains(u'"')
                             || field.contains(u'\n') || field.contains(u'\r')
                             || (!field.isEmpty()
                                 && (field.front().isSpace() || field.back().isSpace()));
    if (!needsQuotes)
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

void appendRecord(QByteArray &out, const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        line += encodeField(fields.at(i));
    }
    out += line.toUtf8();
    out += "\r\n";
}

} // namespace

QByteArray toBytes(const QStringList &header, const QList<QStringList> &rows)
{
    QByteArray out("\xEF\xBB\xBF");
    if (!header.isEmpty())
        appendRecord(out, header);
    for (const QStringList &row : rows)
        appendRecord(out, row);
    return out;
}

bool write(const QString &path, const QStringList &header, const QList<QStringList> &rows,
           QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = toBytes(header, rows);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error) {
        *error = QCoreApplication::translate("Csv", "无法写入文件 %1：%2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return false;
}

} // namespace Csv
