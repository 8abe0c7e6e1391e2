#include "Phrases.h"

namespace ortelia::web {

int Phrases::longestAt(const QStringList &words, qsizetype at, const Known &known)
{
    if (at < 0 || at >= words.size())
        return 0;
    for (int count = int(qMin<qsizetype>(kMaxWords, words.size() - at)); count >= 2; --count) {
        if (known(words.mid(at, count).join(QLatin1Char(' '))))
            return count;
    }
    return 0;
}

} // namespace ortelia::web
