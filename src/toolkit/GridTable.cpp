#include "GridTable.h"

#include "data/Collation.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

enum class ValueClass { Integer, Real, Text };

ValueClass classify(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return ValueClass::Integer;
    case QMetaType::Float:
    case QMetaType::Double:
        return ValueClass::Real;
    default:
        return ValueClass::Text;
    }
}

// An integer read from any value: numbers rounded half away from zero, texts parsed.
std::optional<qint64> toInteger(const QVariant &v)
{
    switch (classify(v)) {
    case ValueClass::Integer:
        return v.toLongLong();
    case ValueClass::Real: {
        const double d = v.toDouble();
        if (!std::isfinite(d))
            return std::nullopt;
        return qint64(std::llround(d));
    }
    case ValueClass::Text: {
        const QString s = v.toString().trimmed();
        bool ok = false;
        const qint64 n = s.toLongLong(&ok);
        if (ok)
            return n;
        const double d = s.toDouble(&ok);
        if (ok && std::isfinite(d))
            return qint64(std::llround(d));
        return std::nullopt;
    }
    }
    return std::nullopt;
}

} // namespace

void GridTable::clear()
{
    m_columns.clear();
    m_rows = 0;
}

void GridTable::setFields(const QStringList &names, const QList<std::optional<Storage>> &storages)
{
    clear();
    m_columns.resize(names.size());
    for (int i = 0; i < names.size(); ++i) {
        Column &c = m_columns[i];
        c.name = names[i];
        if (i < storages.size() && storages[i]) {
            c.forced = true;
            decide(c, *storages[i]);
        }
    }
}

void GridTable::decide(Column &c, Storage s)
{
    c.storage = s;
    c.decided = true;
    if (s == Storage::Text && c.offsets.empty())
        c.offsets.push_back(0);
    const int nulls = c.pendingNulls;
    c.pendingNulls = 0;
    for (int i = 0; i < nulls; ++i)
        appendNull(c);
}

void GridTable::markNull(Column &c, int row)
{
    if (int(c.nulls.size()) <= row)
        c.nulls.resize(row + 1, false);
    c.nulls[row] = true;
}

void GridTable::appendNull(Column &c)
{
    if (!c.decided) {
        ++c.pendingNulls;
        return;
    }
    int row = 0;
    switch (c.storage) {
    case Storage::Int:
        row = int(c.ints.size());
        c.ints.push_back(0);
        break;
    case Storage::Real:
        row = int(c.reals.size());
        c.reals.push_back(0);
        break;
    case Storage::Text:
        row = int(c.offsets.size()) - 1;
        c.offsets.push_back(quint32(c.chars.size()));
        break;
    }
    markNull(c, row);
}

void GridTable::promote(Column &c, Storage to)
{
    const int n = c.storage == Storage::Int ? int(c.ints.size()) : int(c.reals.size());
    if (to == Storage::Real && c.storage == Storage::Int) {
        c.reals.assign(c.ints.begin(), c.ints.end());
    } else if (to == Storage::Text) {
        c.chars.clear();
        c.offsets.assign(1, 0);
        for (int r = 0; r < n; ++r) {
            const bool null = r < int(c.nulls.size()) && c.nulls[r];
            if (!null) {
                c.chars += c.storage == Storage::Int ? QString::number(c.ints[r])
                                                     : QString::number(c.reals[r], 'g', 15);
            }
            c.offsets.push_back(quint32(c.chars.size()));
        }
    }
    c.ints = {};
    if (to != Storage::Real)
        c.reals = {};
    c.storage = to;
}

void GridTable::appendValue(Column &c, const QVariant &v)
{
    if (v.isNull()) {
        appendNull(c);
        return;
    }
    const ValueClass cls = classify(v);
    if (!c.decided) {
        decide(c, cls == ValueClass::Integer ? Storage::Int
                  : cls == ValueClass::Real  ? Storage::Real
                                             : Storage::Text);
    }
    if (!c.forced) {
        // A column whose values disagree takes the widest storage that holds them all.
        if (c.storage == Storage::Int && cls == ValueClass::Real)
            promote(c, Storage::Real);
        else if (c.storage != Storage::Text && cls == ValueClass::Text)
            promote(c, Storage::Text);
    }
    switch (c.storage) {
    case Storage::Int:
        if (const auto n = toInteger(v)) {
            c.ints.push_back(*n);
        } else {
            c.ints.push_back(0);
            markNull(c, int(c.ints.size()) - 1);
        }
        break;
    case Storage::Real: {
        bool ok = false;
        const double d = v.toDouble(&ok);
        c.reals.push_back(ok ? d : 0.0);
        if (!ok)
            markNull(c, int(c.reals.size()) - 1);
        break;
    }
    case Storage::Text:
        if (cls == ValueClass::Text)
            c.chars += v.toString();
        else if (cls == ValueClass::Real)
            c.chars += QString::number(v.toDouble(), 'g', 15);
        else
            c.chars += QString::number(v.toLongLong());
        c.offsets.push_back(quint32(c.chars.size()));
        break;
    }
}

void GridTable::appendInt(int field, qint64 value)
{
    Column &c = m_columns[field];
    if (c.decided && c.storage == Storage::Int) {
        c.ints.push_back(value);
        return;
    }
    appendValue(c, QVariant(qlonglong(value)));
}

void GridTable::appendReal(int field, double value)
{
    Column &c = m_columns[field];
    if (c.decided && c.storage == Storage::Real) {
        c.reals.push_back(value);
        return;
    }
    appendValue(c, QVariant(value));
}

void GridTable::appendText(int field, QStringView value)
{
    Column &c = m_columns[field];
    if (c.decided && c.storage == Storage::Text) {
        c.chars.append(value);
        c.offsets.push_back(quint32(c.chars.size()));
        return;
    }
    appendValue(c, QVariant(value.toString()));
}

void GridTable::appendRow(const QVariantList &values)
{
    for (int i = 0; i < int(m_columns.size()); ++i)
        appendValue(m_columns[i], i < values.size() ? values[i] : QVariant());
    ++m_rows;
}

void GridTable::setFields(const QSqlQuery &query, const QHash<QString, Storage> &storages)
{
    const QSqlRecord rec = query.record();
    QStringList names;
    QList<std::optional<Storage>> forced;
    for (int i = 0; i < rec.count(); ++i) {
        names << rec.fieldName(i);
        QString key = rec.fieldName(i).toLower();
        key = key.mid(key.lastIndexOf(u'.') + 1);
        const auto it = storages.constFind(key);
        forced << (it == storages.cend() ? std::nullopt : std::optional<Storage>(*it));
    }
    setFields(names, forced);
}

bool GridTable::loadRows(QSqlQuery &query, int maxRows)
{
    const int n = int(m_columns.size());
    for (int r = 0; r < maxRows; ++r) {
        if (!query.next())
            return false;
        for (int i = 0; i < n; ++i)
            appendValue(m_columns[i], query.value(i));
        ++m_rows;
    }
    return true;
}

void GridTable::load(QSqlQuery &query, const QHash<QString, Storage> &storages)
{
    setFields(query, storages);
    while (loadRows(query, 4096)) {
    }
    finish();
}

void GridTable::finish()
{
    for (Column &c : m_columns) {
        if (!c.decided)
            decide(c, Storage::Text);
    }
}

int GridTable::fieldIndex(const QString &name) const
{
    const int n = int(m_columns.size());
    for (int i = 0; i < n; ++i) {
        if (m_columns[i].name == name)
            return i;
    }
    for (int i = 0; i < n; ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    const int dot = int(name.lastIndexOf(u'.'));
    if (dot >= 0)
        return fieldIndex(name.mid(dot + 1));
    return -1;
}

bool GridTable::isNull(int row, int field) const
{
    const Column &c = m_columns[field];
    // A column still waiting for its first value (rows arriving in steps) holds only nulls.
    return !c.decided || (row < int(c.nulls.size()) && c.nulls[row]);
}

qint64 GridTable::integer(int row, int field) const
{
    const Column &c = m_columns[field];
    if (!c.decided)
        return 0;
    switch (c.storage) {
    case Storage::Int:
        return c.ints[row];
    case Storage::Real:
        return qint64(std::llround(c.reals[row]));
    case Storage::Text:
        return text(row, field).toLongLong();
    }
    return 0;
}

double GridTable::real(int row, int field) const
{
    const Column &c = m_columns[field];
    if (!c.decided)
        return 0;
    switch (c.storage) {
    case Storage::Int:
        return double(c.ints[row]);
    case Storage::Real:
        return c.reals[row];
    case Storage::Text:
        return text(row, field).toDouble();
    }
    return 0;
}

QStringView GridTable::text(int row, int field) const
{
    const Column &c = m_columns[field];
    if (!c.decided || c.storage != Storage::Text)
        return {};
    const quint32 from = c.offsets[row];
    return QStringView(c.chars).mid(from, c.offsets[row + 1] - from);
}

QVariant GridTable::value(int row, int field) const
{
    if (isNull(row, field))
        return {};
    const Column &c = m_columns[field];
    switch (c.storage) {
    case Storage::Int:
        return QVariant(qlonglong(c.ints[row]));
    case Storage::Real:
        return QVariant(c.reals[row]);
    case Storage::Text:
        return QVariant(text(row, field).toString());
    }
    return {};
}

QString GridTable::toText(int row, int field) const
{
    if (isNull(row, field))
        return {};
    const Column &c = m_columns[field];
    switch (c.storage) {
    case Storage::Int:
        return QString::number(c.ints[row]);
    case Storage::Real:
        return QString::number(c.reals[row], 'g', 15);
    case Storage::Text:
        return text(row, field).toString();
    }
    return {};
}

int GridTable::firstWithPrefix(int field, QStringView prefix, const int *order, int count, int from,
                               Qt::CaseSensitivity cs) const
{
    const Column &c = m_columns[field];
    if (!c.decided || c.storage != Storage::Text)
        return -1;
    const QStringView chars(c.chars);
    const qsizetype n = prefix.size();
    for (int p = qMax(0, from); p < count; ++p) {
        const int row = order ? order[p] : p;
        const quint32 start = c.offsets[row];
        if (c.offsets[row + 1] - start < n)
            continue;
        if (chars.mid(start, n).compare(prefix, cs) == 0 && !isNull(row, field))
            return p;
    }
    return -1;
}

void GridTable::prepareOrder(int field) const
{
    const Column &c = m_columns[field];
    if (!c.decided || c.storage != Storage::Text || int(c.ranks.size()) == m_rows)
        return;
    // Rank the distinct texts once (a stock list repeats its categories and suppliers), with
    // sort keys of the program's name order (pinyin), which compare far faster than the
    // collation itself.
    QHash<QStringView, int> ids;
    std::vector<QStringView> distinct;
    std::vector<int> idOfRow(m_rows);
    for (int r = 0; r < m_rows; ++r) {
        const QStringView t = text(r, field);
        auto it = ids.constFind(t);
        if (it == ids.cend()) {
            it = ids.insert(t, int(distinct.size()));
            distinct.push_back(t);
        }
        idOfRow[r] = *it;
    }
    std::vector<QByteArray> keys;
    keys.reserve(distinct.size());
    for (QStringView t : distinct)
        keys.push_back(Collation::sortKey(t));
    std::vector<int> order(distinct.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return Collation::compareKeys(keys[a], keys[b]) < 0; });
    std::vector<int> rankOfId(distinct.size());
    for (int i = 0; i < int(order.size()); ++i)
        rankOfId[order[i]] = i;
    c.ranks.resize(m_rows);
    for (int r = 0; r < m_rows; ++r)
        c.ranks[r] = rankOfId[idOfRow[r]];
}

int GridTable::compare(int field, int a, int b) const
{
    const Column &c = m_columns[field];
    if (!c.decided)
        return 0;
    if (!c.nulls.empty()) {
        const bool na = isNull(a, field);
        const bool nb = isNull(b, field);
        if (na || nb)
            return na == nb ? 0 : (na ? -1 : 1);
    }
    if (c.storage == Storage::Text && int(c.ranks.size()) == m_rows)
        return c.ranks[a] < c.ranks[b] ? -1 : (c.ranks[a] > c.ranks[b] ? 1 : 0);
    switch (c.storage) {
    case Storage::Int:
        return c.ints[a] < c.ints[b] ? -1 : (c.ints[a] > c.ints[b] ? 1 : 0);
    case Storage::Real:
        return c.reals[a] < c.reals[b] ? -1 : (c.reals[a] > c.reals[b] ? 1 : 0);
    case Storage::Text:
        return text(a, field).compare(text(b, field));
    }
    return 0;
}
