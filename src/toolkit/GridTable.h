#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>
#include <QVariantList>

#include <cstdint>
#include <optional>
#include <vector>

class QSqlQuery;

// The rows of a grid, held column by column in compact arrays: numbers as 64-bit integers or
// doubles, texts in one character buffer per column with an offset per row. A 100,000-row
// stock list costs a few megabytes and no allocation per cell, and sorting compares values
// in place.
class GridTable
{
public:
    enum class Storage { Int, Real, Text };

    void clear();
    // Starts an empty table with these fields. A field with a storage given keeps it (values
    // are converted); the others take the storage of their first non-empty value.
    void setFields(const QStringList &names, const QList<std::optional<Storage>> &storages = {});
    void appendRow(const QVariantList &values);
    // Row building cell by cell, for readers that get typed values from the engine: one call
    // per field in field order, then endRow().
    void appendInt(int field, qint64 value);
    void appendReal(int field, double value);
    void appendText(int field, QStringView value);
    void appendNull(int field) { appendNull(m_columns[field]); }
    void appendCell(int field, const QVariant &value) { appendValue(m_columns[field], value); }
    void endRow() { ++m_rows; }
    // Reads every row of an executed query (fields named as the query names them). Storages
    // are keyed by field name in lower case without a table prefix ("name" for "a.Name").
    void load(QSqlQuery &query, const QHash<QString, Storage> &storages = {});
    // The same in steps: fields from the query's record, then at most maxRows rows at a time
    // (false once the query has no more rows).
    void setFields(const QSqlQuery &query, const QHash<QString, Storage> &storages);
    bool loadRows(QSqlQuery &query, int maxRows);
    // Settles the storage of columns that held only empty values. Called by load().
    void finish();

    int rowCount() const { return m_rows; }
    int fieldCount() const { return int(m_columns.size()); }
    QString fieldName(int field) const { return m_columns[field].name; }
    // Exact name first, then without case, then the part after a table prefix ("a.Name").
    int fieldIndex(const QString &name) const;
    Storage storage(int field) const { return m_columns[field].storage; }

    bool isNull(int row, int field) const;
    qint64 integer(int row, int field) const;
    double real(int row, int field) const;
    // Texts of a Text column (empty for others).
    QStringView text(int row, int field) const;
    // The stored value: qlonglong, double or QString; an invalid QVariant for null.
    QVariant value(int row, int field) const;
    // The value as text, as stored (numbers in plain decimal form).
    QString toText(int row, int field) const;

    // The first position p >= from in order[0..count) whose row's text in a Text field
    // begins with prefix; -1 when none does. A null order stands for the rows as read.
    int firstWithPrefix(int field, QStringView prefix, const int *order, int count, int from,
                        Qt::CaseSensitivity cs) const;

    // Order of two rows by one field: nulls first, numbers by value, texts as prepared by
    // prepareOrder() (else by code point).
    int compare(int field, int a, int b) const;
    // Ranks the texts of a Text field in the order a Chinese reader expects (pinyin for
    // Chinese, letters without regard to case; equal-looking texts by code point so that
    // only identical texts tie). Kept until rows are added; compare() then uses the ranks.
    void prepareOrder(int field) const;

private:
    struct Column
    {
        QString name;
        Storage storage = Storage::Text;
        bool decided = false;
        bool forced = false;
        std::vector<qint64> ints;
        std::vector<double> reals;
        QString chars;
        std::vector<quint32> offsets;   // Text: start of row r; one extra entry at the end
        std::vector<bool> nulls;        // empty while no value was null
        int pendingNulls = 0;           // nulls seen before the storage was decided
        mutable std::vector<int> ranks; // text order, one per row, when prepared
    };

    void appendValue(Column &c, const QVariant &v);
    void appendNull(Column &c);
    void decide(Column &c, Storage s);
    void promote(Column &c, Storage to);
    void markNull(Column &c, int row);

    std::vector<Column> m_columns;
    int m_rows = 0;
};
