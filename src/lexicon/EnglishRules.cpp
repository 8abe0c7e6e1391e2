#include "EnglishRules.h"

#include <QStringList>

#include <algorithm>

namespace ortelia::EnglishRules {

namespace {

bool isVowel(QChar c)
{
    return QStringLiteral("aeiou").contains(c);
}

// What is left of a word without -ed, -ing, -er or -est, and the bases it may stand for, the
// likelier first: a doubled consonant single ("stopp", "bigg"), an e put back after a short vowel
// and one consonant ("hop" of "hoped"), else the stem as it is ("walk") before the e ("danc").
QStringList stemBases(const QString &stem)
{
    const qsizetype n = stem.size();
    if (n < 2)
        return {};
    const QChar last = stem[n - 1];
    if (n >= 3 && last == stem[n - 2] && !isVowel(last) && !QStringLiteral("lsfz").contains(last))
        return {stem.chopped(1), stem};
    const bool shortVowel = !isVowel(last) && !QStringLiteral("wxy").contains(last) && isVowel(stem[n - 2]) &&
                            (n < 3 || !isVowel(stem[n - 3]));
    if (shortVowel)
        return {stem + QLatin1Char('e'), stem};
    return {stem, stem + QLatin1Char('e')};
}

void add(QList<BaseCandidate> &list, const QStringList &bases, WordKind kind)
{
    for (const QString &base : bases) {
        if (base.size() >= 2)
            list.append({base, kind});
    }
}

} // namespace

QList<BaseCandidate> candidates(const QString &word)
{
    QList<BaseCandidate> list;
    const auto endsWith = [&word](const char *ending) { return word.endsWith(QLatin1String(ending)); };
    if (endsWith("ies") && word.size() > 4)
        add(list, {word.chopped(3) + QLatin1Char('y')}, WordKind::Noun);
    if (endsWith("ied") && word.size() > 4)
        add(list, {word.chopped(3) + QLatin1Char('y')}, WordKind::Verb);
    if (endsWith("ves") && word.size() > 4)
        add(list, {word.chopped(3) + QLatin1String("fe"), word.chopped(3) + QLatin1Char('f')}, WordKind::Noun);
    if (endsWith("es")) {
        const QString stem = word.chopped(2);
        static const char *const sibilants[] = {"s", "x", "z", "ch", "sh", "o"};
        const bool sibilant = std::any_of(std::begin(sibilants), std::end(sibilants),
                                          [&stem](const char *e) { return stem.endsWith(QLatin1String(e)); });
        add(list, {sibilant ? stem : word.chopped(1), sibilant ? word.chopped(1) : stem}, WordKind::Noun);
    } else if (endsWith("s") && !endsWith("ss")) {
        add(list, {word.chopped(1)}, WordKind::Noun);
    } else if (endsWith("ed")) {
        add(list, stemBases(word.chopped(2)), WordKind::Verb);
    } else if (endsWith("ing") && word.size() > 4) {
        add(list, stemBases(word.chopped(3)), WordKind::Verb);
    } else if ((endsWith("ier") || endsWith("iest")) && word.size() > 4) {
        add(list, {word.left(word.lastIndexOf(QLatin1Char('i'))) + QLatin1Char('y')}, WordKind::Any);
    } else if (endsWith("er") && word.size() > 4) {
        add(list, stemBases(word.chopped(2)), WordKind::Any);
    } else if (endsWith("est") && word.size() > 5) {
        add(list, stemBases(word.chopped(3)), WordKind::Any);
    }
    return list;
}

WordKind kindOfIrregular(const QString &form, const QString &base)
{
    const auto both = [&](const char *formEnd, const char *baseEnd) {
        return form.endsWith(QLatin1String(formEnd)) && base.endsWith(QLatin1String(baseEnd));
    };
    if (both("men", "man") || both("ren", "ld") || both("ice", "ouse") || both("ee", "oo") || both("eet", "oot") ||
        both("eeth", "ooth") || both("eese", "oose") || both("i", "us") || both("a", "um") || both("a", "on") ||
        both("ae", "a") || both("ves", "f") || both("ves", "fe") || both("ople", "rson") || both("ices", "ex") ||
        both("ices", "ix") || both("es", "is"))
        return WordKind::Noun;
    static const QStringList comparisons = {"good", "well", "bad", "badly", "ill",
                                            "much", "many", "little", "far",  "old"};
    if (comparisons.contains(base) || form.endsWith(QLatin1String("er")) || form.endsWith(QLatin1String("st")))
        return WordKind::Any;
    return WordKind::Verb;
}

} // namespace ortelia::EnglishRules
