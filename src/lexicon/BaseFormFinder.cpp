#include "BaseFormFinder.h"

#include <QFileInfo>
#include <QMutex>
#include <QProcessEnvironment>
#include <QSet>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <map>
#include <vector>

namespace ortelia {

namespace {

constexpr int kMinPart = 3;
constexpr int kMaxCompound = 40;
constexpr int kMaxCompoundParts = 3;

// Prepositions, prefixes, articles and particles: a word that begins or ends with one is mostly a
// derivation ("Vorsicht", "Eindruck", "durchaus", "vielmehr") whose parts translate to nonsense.
bool particle(const QString &part)
{
    static const QSet<QString> particles = {
        QStringLiteral("ab"),     QStringLiteral("an"),      QStringLiteral("auf"),    QStringLiteral("aus"),
        QStringLiteral("bei"),    QStringLiteral("dar"),     QStringLiteral("das"),    QStringLiteral("dem"),
        QStringLiteral("den"),    QStringLiteral("der"),     QStringLiteral("des"),    QStringLiteral("die"),
        QStringLiteral("durch"),  QStringLiteral("ein"),     QStringLiteral("fort"),   QStringLiteral("gegen"),
        QStringLiteral("her"),    QStringLiteral("hin"),     QStringLiteral("hinter"), QStringLiteral("mehr"),
        QStringLiteral("mit"),    QStringLiteral("nach"),    QStringLiteral("neben"),  QStringLiteral("über"),
        QStringLiteral("um"),     QStringLiteral("unter"),   QStringLiteral("von"),    QStringLiteral("vor"),
        QStringLiteral("weg"),    QStringLiteral("wider"),   QStringLiteral("wieder"), QStringLiteral("zu"),
        QStringLiteral("zurück"), QStringLiteral("zusammen")};
    return particles.contains(part);
}

bool plainWord(const QString &word)
{
    if (word.size() < 2 || word.size() > BaseFormFinder::kMaxWordLength)
        return false;
    for (QChar c : word) {
        if (!c.isLetter())
            return false;
    }
    return true;
}

// "häuser" begins as "haus" does.
bool sameBeginning(const QString &a, const QString &b)
{
    const auto folded = [](const QString &word) {
        QString start = word.left(2);
        start.replace(QChar(u'ä'), QLatin1Char('a'))
            .replace(QChar(u'ö'), QLatin1Char('o'))
            .replace(QChar(u'ü'), QLatin1Char('u'));
        return start;
    };
    return folded(a) == folded(b);
}

// The stem's last umlaut undone: "männ" of "männer" is "mann".
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

// Plural and adjective endings Hunspell's German dictionary leaves on ("augen", "männer",
// "bücher", "bösen", "meinungen"): the shortest ending whose stem the dictionary holds.
QString withoutEnding(const QString &word, const BaseFormFinder::Known &known)
{
    static const char *const endings[] = {"n", "e", "s", "en", "er", "es", "ern", "nen"};
    for (const char *ending : endings) {
        const QLatin1String e(ending);
        if (!word.endsWith(e) || word.size() - e.size() < kMinPart)
            continue;
        const QString stem = word.chopped(e.size());
        if (known(stem))
            return stem;
        const QString plain = withoutUmlaut(stem);
        if (!plain.isEmpty() && known(plain))
            return plain;
    }
    return QString();
}

// The word as it would be written with umlauts and ß where it was typed without them ("schoen",
// "Strasse", "Fuesse"): every choice of its ae, oe, ue and ss, most replaced first. A pair after a
// vowel or q is no umlaut ("neue", "Bauer", "Quelle").
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

bool isVowel(QChar c)
{
    return QStringLiteral("aeiou").contains(c);
}

// What is left of an English verb without -ed or -ing, and the base forms it may stand for, the
// likelier first: a doubled consonant single ("stopp"), an e put back after a short vowel and one
// consonant ("hop" of "hoped"), else the stem as it is ("walk") before the e ("danc").
void addVerbBases(const QString &stem, QStringList &bases)
{
    const qsizetype n = stem.size();
    if (n < 2)
        return;
    const QChar last = stem[n - 1];
    if (n >= 3 && last == stem[n - 2] && !isVowel(last) && !QStringLiteral("lsfz").contains(last)) {
        bases << stem.chopped(1) << stem;
        return;
    }
    const bool shortVowel = !isVowel(last) && !QStringLiteral("wxy").contains(last) && isVowel(stem[n - 2]) &&
                            (n < 3 || !isVowel(stem[n - 3]));
    if (shortVowel)
        bases << stem + QLatin1Char('e') << stem;
    else
        bases << stem << stem + QLatin1Char('e');
}

// Base forms a regular English ending stands for, the likelier first: "studies" study, "boxes" box,
// "dogs" dog, "studied" study, "hoped" hope, "walked" walk, "making" make, "running" run.
QStringList englishBases(const QString &word)
{
    QStringList bases;
    const auto endsWith = [&word](const char *ending) { return word.endsWith(QLatin1String(ending)); };
    if ((endsWith("ies") || endsWith("ied")) && word.size() > 4)
        bases << word.chopped(3) + QLatin1Char('y');
    if (endsWith("es")) {
        const QString stem = word.chopped(2);
        static const char *const sibilants[] = {"s", "x", "z", "ch", "sh", "o"};
        const bool sibilant = std::any_of(std::begin(sibilants), std::end(sibilants),
                                          [&stem](const char *e) { return stem.endsWith(QLatin1String(e)); });
        bases << (sibilant ? stem : word.chopped(1)) << (sibilant ? word.chopped(1) : stem);
    } else if (endsWith("s") && !endsWith("ss")) {
        bases << word.chopped(1);
    } else if (endsWith("ed")) {
        addVerbBases(word.chopped(2), bases);
    } else if (endsWith("ing") && word.size() > 4) {
        addVerbBases(word.chopped(3), bases);
    }
    bases.removeIf([](const QString &base) { return base.size() < 2; });
    return bases;
}

} // namespace

BaseFormFinder::BaseFormFinder(std::optional<FormTable> table, std::unique_ptr<Stemmer> german,
                               std::optional<FormTable> foreignTable)
    : m_table(std::move(table)), m_german(std::move(german)), m_foreignTable(std::move(foreignTable))
{
}

QString BaseFormFinder::knownStem(const Stemmer *stemmer, const QString &word, const Known &known) const
{
    if (!stemmer)
        return QString();
    for (const QString &stem : stemmer->stems(word)) {
        // Hunspell also answers a compound with one of its parts ("bahn" of "autobahnfahrer"):
        // an inflected form begins as its stem does, the split tells more about a compound.
        if (stem != word && sameBeginning(stem, word) && known(stem))
            return stem;
    }
    return QString();
}

QString BaseFormFinder::knownBase(const QString &word, const Known &known) const
{
    if (m_table) {
        const QString base = m_table->baseOf(word);
        if (!base.isEmpty() && known(base))
            return base;
    }
    QString stem = knownStem(m_german.get(), word, known);
    // gemacht, gesehen: the participle's own stem is the verb's.
    if (stem.isEmpty() && word.startsWith(QLatin1String("ge")) && word.size() > 4) {
        const QString rest = word.mid(2);
        stem = known(rest) ? rest : knownStem(m_german.get(), rest, known);
    }
    return stem;
}

QStringList BaseFormFinder::german(const QString &word, const Known &known) const
{
    const QString lower = word.toLower();
    if (!plainWord(lower))
        return {};
    // What the table and Hunspell know of the word as typed, then of its spellings with umlauts;
    // only then the guesses (endings, compounds), which would take "strasse" for "strass".
    const QStringList spellings = umlautSpellings(lower);
    QString base = knownBase(lower, known);
    for (qsizetype i = 0; base.isEmpty() && i < spellings.size(); ++i)
        base = known(spellings[i]) ? spellings[i] : knownBase(spellings[i], known);
    for (qsizetype i = -1; base.isEmpty() && i < spellings.size(); ++i)
        base = withoutEnding(i < 0 ? lower : spellings[i], known);
    if (!base.isEmpty())
        return {base};
    if (lower.size() > kMaxCompound)
        return {};
    QStringList parts = compoundParts(lower, known, 1);
    for (qsizetype i = 0; parts.isEmpty() && i < spellings.size(); ++i)
        parts = compoundParts(spellings[i], known, 1);
    return parts;
}

QStringList BaseFormFinder::compoundParts(const QString &word, const Known &dictionary, int depth) const
{
    const auto known = [&dictionary](const QString &part) { return !particle(part) && dictionary(part); };
    for (qsizetype head = word.size() - kMinPart; head >= kMinPart; --head) {
        const QString last = word.right(head);
        if (!known(last))
            continue;
        const QString rest = word.left(word.size() - head);
        if (rest.size() < kMinPart)
            continue;
        if (known(rest))
            return {rest, last};
        const QString withoutLink = rest.endsWith(QLatin1Char('s')) ? rest.chopped(1) : QString();
        if (withoutLink.size() >= kMinPart && known(withoutLink))
            return {withoutLink, last};
        if (depth < kMaxCompoundParts - 1) {
            QStringList parts = compoundParts(rest, dictionary, depth + 1);
            if (!parts.isEmpty())
                return parts << last;
        }
    }
    return {};
}

QStringList BaseFormFinder::foreign(const QString &word, const Known &known) const
{
    const QString lower = word.toLower();
    if (!plainWord(lower))
        return {};
    if (m_foreignTable) {
        const QString base = m_foreignTable->baseOf(lower);
        if (!base.isEmpty() && known(base))
            return {base};
    }
    for (const QString &base : englishBases(lower)) {
        if (known(base))
            return {base};
    }
    return {};
}

QString BaseFormFinder::foreignTablePath(const QString &tablePath, const QString &foreignLanguage)
{
    const QFileInfo table(tablePath);
    return table.path() + QLatin1Char('/') + table.completeBaseName() + QLatin1Char('-') + foreignLanguage +
           QLatin1String(".tab");
}

const BaseFormFinder &BaseFormFinder::shared(const QString &tablePath, const QString &foreignLanguage)
{
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<BaseFormFinder>> finders;
    const QMutexLocker lock(&mutex);
    std::unique_ptr<BaseFormFinder> &finder = finders[tablePath + QChar(0) + foreignLanguage];
    if (!finder) {
        QStringList problems;
        QString error;
        std::optional<FormTable> table = FormTable::read(tablePath, error);
        if (!table)
            problems << error;
        const QString dir = QProcessEnvironment::systemEnvironment().value(
            QStringLiteral("ORTELIA_HUNSPELL_DIR"), QStringLiteral("/usr/share/hunspell"));
        std::unique_ptr<Stemmer> german = Stemmer::open(dir, QStringLiteral("de_DE"), error);
        if (!german)
            problems << error;
        std::optional<FormTable> foreignTable;
        if (!foreignLanguage.isEmpty()) {
            foreignTable = FormTable::read(foreignTablePath(tablePath, foreignLanguage), error);
            if (!foreignTable)
                problems << error;
        }
        if (!problems.isEmpty())
            std::fprintf(stderr, "ortelia: %s\n", problems.join(QLatin1Char(' ')).toLocal8Bit().constData());
        finder = std::make_unique<BaseFormFinder>(std::move(table), std::move(german), std::move(foreignTable));
    }
    return *finder;
}

} // namespace ortelia
