#pragma once

#include "data/Db.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <vector>

// The rows a report is generated from: named columns and their values, read once from a query
// or handed over by the caller. Column names are matched without regard to case, as SQL does.
class ReportData
{
public:
    ReportData() = default;
    explicit ReportData(const QStringList &columns);

    // Runs sql with params bound to its '?' placeholders on db and keeps every row. Throws
    // Db::DbError when the statement fails.
    static ReportData fromQuery(const QString &sql, const QVariantList &params,
                                const QSqlDatabase &db);

    // Appends a row; missing trailing values read as null, surplus ones are dropped.
    void appendRow(QVariantList values);

    const QStringList &columns() const { return m_columns; }
    // The position of a column, or -1. When two columns share a name the first one counts.
    int columnIndex(const QString &name) const;
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    const QVariant &value(int row, int column) const;
    QVariant value(int row, const QString &column) const;

private:
    QStringList m_columns;
    QHash<QString, int> m_index; // lower-case name -> position
    std::vector<QVariantList> m_rows;
};

// One row of a report's data as the fields see it; an invalid row reads every value as null
// (a title or summary of a report without rows).
class ReportRow
{
public:
    ReportRow() = default;
    ReportRow(const ReportData *data, int index) : m_data(data), m_index(index) {}

    bool isValid() const { return m_data && m_index >= 0 && m_index < m_data->rowCount(); }
    int index() const { return m_index; }
    QVariant value(const QString &column) const;
    QVariant value(int column) const;
    QString text(const QString &column) const { return value(column).toString(); }

private:
    const ReportData *m_data = nullptr;
    int m_index = -1;
};
