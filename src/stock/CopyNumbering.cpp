#include "CopyNumbering.h"

namespace CopyNumbering {

QStringList copyCodes(const QString &base, int quantity)
{
    QStringList codes;
    if (quantity <= 0)
        return codes;
    if (quantity == 1)
        return {base};
    codes.reserve(quantity);
    for (int k = 1; k <= quantity; ++k)
        codes << base + QLatin1Char('-') + QString::number(k);
    return codes;
}

QList<int> PendingTitles::apply(const TitleRecord &film, int quantity, Mode mode, int currentRow)
{
    QList<int> touched;
    const QStringList codes = copyCodes(film.customNum, quantity);
    if (codes.isEmpty())
        return touched;

    const bool rewrite =
        mode == Mode::Edit && codes.size() == 1 && currentRow >= 0 && currentRow < m_rows.size();
    for (const QString &code : codes) {
        TitleRecord row = film;
        row.customNum = code;
        row.copy = 1;
        if (rewrite) {
            m_rows[currentRow] = row;
            touched << currentRow;
        } else {
            m_rows.append(row);
            touched << int(m_rows.size()) - 1;
        }
    }
    return touched;
}

void PendingTitles::remove(int row)
{
    if (row >= 0 && row < m_rows.size())
        m_rows.removeAt(row);
}

} // namespace CopyNumbering
