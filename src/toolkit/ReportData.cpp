#include "ReportData.h"

#include <QSqlQuery>
#include <QSqlRecord>

ReportData::ReportData(const QStringList &columns)
    : m_columns(columns)
{
    for (int i = 0; i < columns.size(); ++i) {
        const QString key = columns.at(i).toLower();
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
}

ReportData ReportData::fromQuery(const QString &sql, const QVariantList &params,
                                 const QSqlDatabase &db)
{
    QSqlQuery q = Db::exec(sql, params, db);
    const QSqlRecord record = q.record();
    QStringList columns;
    columns.reserve(record.count());
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    ReportData data(columns);
    while (q.next()) {
        QVariantList row;
        row.reserve(columns.size());
        for (int i = 0; i < columns.size(); ++i)
            row << q.value(i);
        data.m_rows.push_back(std::move(row));
    }
    return data;
}

void ReportData::appendRow(QVariantList values)
{
    values.resize(m_columns.size());
    m_rows.push_back(std::move(values));
}

int ReportData::columnIndex(const QString &name) const
{
    return m_index.value(name.toLower(), -1);
}

const QVariant &ReportData::value(int row, int column) const
{
    static const QVariant null;
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns.size())
        return null;
    return m_rows[size_t(row)].at(column);
}

QVariant ReportData::value(int row, const QString &column) const
{
    return value(row, columnIndex(column));
}

QVariant ReportRow::value(const QString &column) const
{
    return isValid() ? m_data->value(m_index, column) : QVariant();
}

QVariant ReportRow::value(int column) const
{
    return isValid() ? m_data->value(m_index, column) : QVariant();
}
