#pragma once

#include <QChar>
#include <QStringView>

// Case-insensitive comparison by case-folded UTF-16 units. The tabular data object sorts its
// indexes with it and the dictionary import sorts its keys with it, so a prefix ("hall*") is
// always one contiguous range of an index.
namespace ortelia::casefold {

inline char16_t fold(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return QChar::toCaseFolded(c);
}

inline int compare(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = fold(a[i].unicode());
        const char16_t y = fold(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

inline bool startsWith(QStringView text, QStringView prefix)
{
    if (prefix.size() > text.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (fold(text[i].unicode()) != fold(prefix[i].unicode()))
            return false;
    }
    return true;
}

inline bool same(QChar a, QChar b, bool caseSensitive)
{
    return caseSensitive ? a == b : fold(a.unicode()) == fold(b.unicode());
}

// Whole-value match where "*" in the pattern stands for any run of characters.
inline bool wildcardMatch(QStringView text, QStringView pattern, bool caseSensitive)
{
    qsizetype t = 0, p = 0, starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && same(pattern[p], text[t], caseSensitive)) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace ortelia::casefold
