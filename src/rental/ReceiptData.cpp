#include "ReceiptData.h"

#include "data/Db.h"
#include "data/Schema.h"

#include <QSqlQuery>
#include <QStringList>

#include <algorithm>

namespace Receipt {

QList<Line> lines(const QList<qint64> &lineIds)
{
    QList<Line> result;
    // In slices, so a long list never exceeds the engine's number of bound values.
    constexpr int Slice = 200;
    for (int from = 0; from < lineIds.size(); from += Slice) {
        const QList<qint64> part = lineIds.mid(from, Slice);
        QStringList marks;
        QVariantList params;
        for (qint64 id : part) {
            marks << QStringLiteral("?");
            params << id;
        }
        QSqlQuery q =
            Db::exec(QStringLiteral("SELECT b.ID, b.Ass_Number, c.Name, b.Amount, b.RMoney "
                                    "FROM TBBusinessDetail AS b JOIN TBName AS c ON c.ID = b.CDNum "
                                    "WHERE b.ID IN (%1)")
                         .arg(marks.join(QLatin1Char(','))),
                     params);
        while (q.next()) {
            Line l;
            l.lineId = Db::integer(q, "ID");
            l.customer = Db::integer(q, "Ass_Number");
            l.name = Db::text(q, "Name");
            l.amount = Db::integer(q, "Amount");
            l.rmoney = Money::fromCents(Db::integer(q, "RMoney"));
            result << l;
        }
    }
    std::sort(result.begin(), result.end(),
              [](const Line &a, const Line &b) { return a.lineId > b.lineId; });
    return result;
}

QString number(const QDate &day)
{
    return day.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('0');
}

bool printingOn()
{
    const QVariant v = Db::scalar(
        QStringLiteral("SELECT CateValue FROM TBKindValue WHERE CateID = ? ORDER BY ID LIMIT 1"),
        {Schema::OptionReceiptPrinting});
    if (!v.isValid() || v.toString().trimmed().isEmpty())
        return true;
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok);
    // A value that is not a number is not the "print" setting the settings page writes.
    return ok && value == 0;
}

QString customerNumber(const QList<Line> &lines)
{
    return lines.isEmpty() ? QString() : QString::number(lines.first().customer);
}

Money total(const QList<Line> &lines)
{
    Money sum;
    for (const Line &l : lines)
        sum += l.charge();
    return sum;
}

} // namespace Receipt
