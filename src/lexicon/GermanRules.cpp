#include "GermanRules.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace ortelia::GermanRules {

namespace {

constexpr int kMinStem = 2;

// Separable prefixes of verbs, the longer first so that "herauf" is tried before "her".
const QStringList &separablePrefixes()
{
    static const QStringList prefixes = [] {
        QStringList list = {"ab",     "an",     "auf",    "aus",    "bei",     "da",     "dar",
                            "durch",  "ein",    "fest",   "fort",   "frei",    "heim",   "her",
                            "herab",  "heran",  "herauf", "heraus", "herein",  "herum",  "herunter",
                            "hervor", "hin",    "hinab",  "hinauf", "hinaus",  "hinein", "hinunter",
                            "hinzu",  "hoch",   "los",    "mit",    "nach",    "nieder", "statt",
                            "teil",   "um",     "vor",    "voran",  "voraus",  "vorbei", "vorüber",
                            "weg",    "weiter", "wieder", "zu",     "zurecht", "zurück", "zusammen",
                            "über",   "unter",  "empor",  "kennen", "spazieren"};
        std::stable_sort(list.begin(), list.end(),
                         [](const QString &a, const QString &b) { return a.size() > b.size(); });
        return list;
    }();
    return prefixes;
}

void addOnce(QList<BaseCandidate> &list, const QString &word, const QString &base, WordKind kind)
{
    if (base.size() < kMinStem || base == word)
        return;
    for (const BaseCandidate &c : list) {
        if (c.base == base)
            return;
    }
    list.append({base, kind});
}

// The infinitives a verb stem may have: "koch" kochen, "wander" wandern, "warte" (of "wartest")
// warten; the umlaut undone after them ("fähr" fahren).
QStringList infinitivesOf(const QString &stem)
{
    QStringList result;
    const auto add = [&result](const QString &s) {
        if (s.size() < kMinStem)
            return;
        if (s.endsWith(QLatin1Char('e')) || s.endsWith(QLatin1String("er")) || s.endsWith(QLatin1String("el")))
            result << s + QLatin1Char('n');
        if (!s.endsWith(QLatin1Char('e')))
            result << s + QLatin1String("en");
    };
    add(stem);
    const QString plain = withoutUmlaut(stem);
    if (!plain.isEmpty())
        add(plain);
    return result;
}

// "gekocht" kochen, "gearbeitet" arbeiten, "gesehen" sehen: the participle's own stem.
QStringList participleVerbs(const QString &word)
{
    if (!word.startsWith(QLatin1String("ge")) || word.size() < 5)
        return {};
    const QString inner = word.mid(2);
    QStringList verbs;
    if (inner.endsWith(QLatin1Char('t')))
        verbs << infinitivesOf(inner.chopped(1));
    if (inner.endsWith(QLatin1String("en")))
        verbs << inner;
    return verbs;
}

// Separable verbs: "aufgestanden" aufstehen, "abgeholt" abholen, "auszusprechen" aussprechen.
void addSeparable(QList<BaseCandidate> &list, const QString &word, const TableBases &table)
{
    for (const QString &prefix : separablePrefixes()) {
        if (!word.startsWith(prefix) || word.size() - prefix.size() < 5)
            continue;
        const QString rest = word.mid(prefix.size());
        if (rest.startsWith(QLatin1String("zu")) && hasGermanVerbShape(rest.mid(2)))
            addOnce(list, word, prefix + rest.mid(2), WordKind::Verb);
        if (!rest.startsWith(QLatin1String("ge")))
            continue;
        for (const QString &base : table(rest)) {
            if (hasGermanVerbShape(base))
                addOnce(list, word, prefix + base, WordKind::Verb);
        }
        for (const QString &verb : participleVerbs(rest))
            addOnce(list, word, prefix + verb, WordKind::Verb);
    }
}

// Endings, the shortest first: a shorter one leaves a longer stem, which is likelier right
// ("wartest" warte-n before war-en).
void addVerbEndings(QList<BaseCandidate> &list, const QString &word)
{
    static const char *const endings[] = {"e", "t", "n", "st", "en", "et", "te", "ten", "tet", "test"};
    for (const char *ending : endings) {
        const QLatin1String e(ending);
        if (!word.endsWith(e) || word.size() - e.size() < kMinStem + 1)
            continue;
        for (const QString &verb : infinitivesOf(word.chopped(e.size())))
            addOnce(list, word, verb, WordKind::Verb);
    }
}

// Inflection after the positive, the comparative ("er") and the superlative ("st", "est", "t"
// after ß and s: "größten").
void addAdjectiveEndings(QList<BaseCandidate> &list, const QString &word)
{
    static const QStringList endings = [] {
        QStringList all;
        for (const char *degree : {"", "er", "st", "est", "t"}) {
            for (const char *inflection : {"", "e", "en", "em", "er", "es"}) {
                const QString ending = QLatin1String(degree) + QLatin1String(inflection);
                const bool superlative = QLatin1String(degree).contains(QLatin1Char('t'));
                if (!ending.isEmpty() && !(superlative && !*inflection) && !all.contains(ending))
                    all << ending;
            }
        }
        std::stable_sort(all.begin(), all.end(),
                         [](const QString &a, const QString &b) { return a.size() < b.size(); });
        return all;
    }();
    for (const QString &ending : endings) {
        if (!word.endsWith(ending) || word.size() - ending.size() < kMinStem + 1)
            continue;
        const QString stem = word.chopped(ending.size());
        addOnce(list, word, stem, WordKind::Any);
        addOnce(list, word, withoutUmlaut(stem), WordKind::Any);
        addOnce(list, word, stem + QLatin1Char('e'), WordKind::Any); // "bösen" böse
    }
}

// Plural and case endings, the umlaut undone ("männer"), Latin and Greek plurals ("viren" virus,
// "museen" museum, "themen" thema), and nouns of adjectives ("beamten" beamte, beamter).
void addNounEndings(QList<BaseCandidate> &list, const QString &word)
{
    static const char *const endings[] = {"e", "n", "s", "en", "er", "es", "ern", "nen"};
    for (const char *ending : endings) {
        const QLatin1String e(ending);
        if (!word.endsWith(e) || word.size() - e.size() < kMinStem + 1)
            continue;
        const QString stem = word.chopped(e.size());
        addOnce(list, word, stem, WordKind::Noun);
        addOnce(list, word, withoutUmlaut(stem), WordKind::Noun);
    }
    if (word.endsWith(QLatin1String("en")) && word.size() > 4) {
        const QString stem = word.chopped(2);
        for (const char *singular : {"us", "um", "a", "e", "er"})
            addOnce(list, word, stem + QLatin1String(singular), WordKind::Noun);
    }
    if (word.endsWith(QLatin1Char('e')) && word.size() > 3)
        addOnce(list, word, word + QLatin1Char('r'), WordKind::Noun);
}

// The word as it would be written with umlauts and ß where it was typed without them: every
// choice of its ae, oe, ue and ss, most replaced first. A pair after a vowel or q is no umlaut
// ("neue", "Bauer", "Quelle").
QStringList umlautSpellings(const QString &word)
{
    static const QLatin1String pairs[] = {QLatin1String("ae"), QLatin1String("oe"), QLatin1String("ue"),
                                          QLatin1String("ss")};
    static const QString replacements = QStringLiteral("äöüß");
    static const QString vowels = QStringLiteral("aeiouäöüyq");
    constexpr int kMaxPlaces = 4;
    std::vector<std::pair<qsizetype, int>> places; // position, pair
    for (qsizetype i = 0; i + 1 < word.size() && places.size() < kMaxPlaces; ++i) {
        for (int p = 0; p < 4; ++p) {
            if (QStringView(word).sliced(i, 2) != pairs[p] ||
                (p < 3 && i > 0 && vowels.contains(word[i - 1])))
                continue;
            places.emplace_back(i, p);
            ++i;
            break;
        }
    }
    std::vector<unsigned> choices;
    for (unsigned chosen = 1; chosen < (1u << places.size()); ++chosen)
        choices.push_back(chosen);
    std::stable_sort(choices.begin(), choices.end(),
                     [](unsigned a, unsigned b) { return std::popcount(a) > std::popcount(b); });
    QStringList spellings;
    for (unsigned chosen : choices) {
        QString spelling = word;
        // From the end, so that the positions before stay where they were.
        for (qsizetype k = qsizetype(places.size()) - 1; k >= 0; --k) {
            if (chosen & (1u << k))
                spelling.replace(places[size_t(k)].first, 2, replacements[places[size_t(k)].second]);
        }
        spellings << spelling;
    }
    return spellings;
}

// "daß" dass, "frißt" frisst: ß after one vowel that follows no other vowel ("groß" stays).
QString newSpelling(const QString &word)
{
    static const QString vowels = QStringLiteral("aeiouäöü");
    QString spelling = word;
    for (qsizetype i = spelling.size() - 1; i >= 1; --i) {
        if (spelling[i] != QChar(u'ß') || !vowels.contains(spelling[i - 1]))
            continue;
        if (i >= 2 && vowels.contains(spelling[i - 2]))
            continue;
        spelling.replace(i, 1, QStringLiteral("ss"));
    }
    return spelling == word ? QString() : spelling;
}

} // namespace

QString withoutUmlaut(const QString &stem)
{
    static const QString umlauts = QStringLiteral("äöü"), plain = QStringLiteral("aou");
    for (qsizetype i = stem.size() - 1; i >= 0; --i) {
        const qsizetype u = umlauts.indexOf(stem[i]);
        if (u >= 0)
            return stem.left(i) + plain[u] + stem.mid(i + 1);
    }
    return QString();
}

QList<BaseCandidate> candidates(const QString &word, const TableBases &table)
{
    QList<BaseCandidate> list;
    for (const QString &verb : participleVerbs(word))
        addOnce(list, word, verb, WordKind::Verb);
    addSeparable(list, word, table);
    addVerbEndings(list, word);
    addAdjectiveEndings(list, word);
    addNounEndings(list, word);
    return list;
}

QStringList otherSpellings(const QString &word)
{
    QStringList spellings = umlautSpellings(word);
    const QString renewed = newSpelling(word);
    if (!renewed.isEmpty())
        spellings << renewed;
    return spellings;
}

QStringList firstPartBases(const QString &part)
{
    QStringList bases{part};
    for (const char *link : {"es", "en", "er", "s", "n", "e"}) {
        const QLatin1String l(link);
        if (!part.endsWith(l) || part.size() - l.size() < 3)
            continue;
        const QString stem = part.chopped(l.size());
        bases << stem;
        const QString plain = withoutUmlaut(stem);
        if (!plain.isEmpty() && l != QLatin1String("s"))
            bases << plain;
    }
    return bases;
}

} // namespace ortelia::GermanRules
