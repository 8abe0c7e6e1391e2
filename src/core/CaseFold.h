#pragma once

#include <QChar>
#include <QStringView>

#include <array>

// The order of dictionary keys: German dictionary order without regard to case ("ä" sorts with
// "a", "ß" as "ss"), ties broken by the case-folded characters. The dictionary import sorts its
// keys with it and the tabular data object sorts its indexes with it, so that a key and every
// value beginning with a prefix can be found by binary search.
namespace ortelia::casefold {

// Latin-1 (every Windows-1252 letter but five) folds through a table: dictionary comparisons
// touch these characters far more than any other.
inline const std::array<char16_t, 256> &latin1FoldTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (char16_t c = 0; c < 256; ++c)
            t[c] = char16_t(QChar::toCaseFolded(char32_t(c)));
        return t;
    }();
    return table;
}

inline char16_t fold(char16_t c)
{
    return c < 0x100 ? latin1FoldTable()[c] : QChar::toCaseFolded(c);
}

// The characters of a text as the dictionary order sees them first.
class PrimaryReader {
public:
    explicit PrimaryReader(QStringView text) : m_text(text) {}
    bool atEnd() const { return !m_pendingS && m_pos >= m_text.size(); }
    char16_t next()
    {
        if (m_pendingS) {
            m_pendingS = false;
            return u's';
        }
        const char16_t c = fold(m_text[m_pos++].unicode());
        switch (c) {
        case 0xE4:
            return u'a';
        case 0xF6:
            return u'o';
        case 0xFC:
            return u'u';
        case 0xDF:
            m_pendingS = true;
            return u's';
        default:
            return c;
        }
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    bool m_pendingS = false;
};

// Compares case-folded characters only; equal exactly when the texts differ in case alone.
inline int compareFolded(QStringView a, QStringView b)
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

inline int compare(QStringView a, QStringView b)
{
    PrimaryReader x(a), y(b);
    while (!x.atEnd() && !y.atEnd()) {
        const char16_t cx = x.next();
        const char16_t cy = y.next();
        if (cx != cy)
            return cx < cy ? -1 : 1;
    }
    if (!x.atEnd() || !y.atEnd())
        return x.atEnd() ? -1 : 1;
    return compareFolded(a, b);
}

// True when text begins, in the dictionary order's primary characters, with prefix; every text
// that begins with prefix without regard to case passes (and a few more, such as "ä" for "a").
inline bool primaryStartsWith(QStringView text, QStringView prefix)
{
    PrimaryReader t(text), p(prefix);
    while (!p.atEnd()) {
        if (t.atEnd() || t.next() != p.next())
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
