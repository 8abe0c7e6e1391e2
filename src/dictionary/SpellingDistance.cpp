#include "SpellingDistance.h"

#include "CaseFold.h"

#include <algorithm>
#include <vector>

namespace ortelia::SpellingDistance {

void spell(QStringView word, QString &spelling)
{
    spelling.clear();
    for (const QChar c : word) {
        const char16_t folded = casefold::fold(c.unicode());
        switch (folded) {
        case 0xE4:
            spelling += QLatin1String("ae");
            break;
        case 0xF6:
            spelling += QLatin1String("oe");
            break;
        case 0xFC:
            spelling += QLatin1String("ue");
            break;
        case 0xDF:
            spelling += QLatin1String("ss");
            break;
        default:
            spelling += QChar(folded);
        }
    }
}

QString spelling(QStringView word)
{
    QString result;
    spell(word, result);
    return result;
}

int distance(QStringView a, QStringView b, int limit)
{
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    if (std::abs(n - m) > limit)
        return limit + 1;
    const int beyond = limit + 1;
    // Three rows of the table: the one before the last, the last and the one being filled.
    thread_local std::vector<int> rows;
    rows.assign(size_t(3 * (m + 1)), beyond);
    int *before = rows.data();
    int *last = before + (m + 1);
    int *row = last + (m + 1);
    for (qsizetype j = 0; j <= m; ++j)
        last[j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        row[0] = int(i);
        int smallest = row[0];
        // Only the band around the diagonal can stay within the limit.
        const qsizetype from = std::max<qsizetype>(1, i - limit);
        const qsizetype to = std::min<qsizetype>(m, i + limit);
        if (from > 1)
            row[from - 1] = beyond;
        for (qsizetype j = from; j <= to; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int value = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                value = std::min(value, before[j - 2] + 1);
            row[j] = std::min(value, beyond);
            smallest = std::min(smallest, row[j]);
        }
        if (to < m)
            row[to + 1] = beyond;
        if (smallest > limit)
            return beyond;
        std::swap(before, last);
        std::swap(last, row);
    }
    return std::min(last[m], beyond);
}

} // namespace ortelia::SpellingDistance
