#include "BaseFormFinder.h"

#include "EnglishRules.h"
#include "GermanRules.h"

#include <QFileInfo>
#include <QMutex>
#include <QProcessEnvironment>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <map>

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

// The table names a noun's singular with a capital ("wände;Wand").
bool isNounBase(const QString &base)
{
    return !base.isEmpty() && base[0].isUpper();
}

bool capitalized(const QString &word)
{
    return !word.isEmpty() && word[0].isUpper();
}

} // namespace

BaseFormFinder::BaseFormFinder(std::optional<FormTable> table, std::unique_ptr<Stemmer> german,
                               std::optional<FormTable> foreignTable, const QString &foreignLanguage)
    : m_table(std::move(table)),
      m_german(std::move(german)),
      m_foreignTable(std::move(foreignTable)),
      m_endings(EndingRules::forLanguage(foreignLanguage))
{
}

QStringList BaseFormFinder::tableBases(const QString &form, bool capitalized) const
{
    QStringList bases = m_table ? m_table->basesOf(form) : QStringList();
    if (capitalized)
        std::stable_partition(bases.begin(), bases.end(), isNounBase);
    for (QString &base : bases)
        base = base.toLower();
    return bases;
}

QString BaseFormFinder::singularOf(const QString &word, const Known &known) const
{
    if (!capitalized(word) || word.size() > kMaxWordLength || !m_table)
        return QString();
    const QString lower = word.toLower();
    for (const QString &base : m_table->basesOf(lower)) {
        if (isNounBase(base) && base.toLower() != lower && known(base.toLower()))
            return base.toLower();
    }
    return QString();
}

QString BaseFormFinder::knownStem(const QString &word, const Known &known) const
{
    if (!m_german)
        return QString();
    for (const QString &stem : m_german->stems(word)) {
        // Hunspell also answers a compound with one of its parts ("bahn" of "autobahnfahrer"):
        // an inflected form begins as its stem does, the split tells more about a compound.
        if (stem != word && sameBeginning(stem, word) && known(stem))
            return stem;
    }
    return QString();
}

QString BaseFormFinder::hunspellBase(const QString &word, const Known &known) const
{
    QString stem = knownStem(word, known);
    // gemacht, gesehen: the participle's own stem is the verb's.
    if (stem.isEmpty() && word.startsWith(QLatin1String("ge")) && word.size() > 4) {
        const QString rest = word.mid(2);
        stem = known(rest) ? rest : knownStem(rest, known);
    }
    return stem;
}

QString BaseFormFinder::ruleBase(const QString &word, const Known &known, bool capitalized) const
{
    const auto table = [this, capitalized](const QString &form) { return tableBases(form, capitalized); };
    for (const BaseCandidate &candidate : GermanRules::candidates(word, table)) {
        const bool fits = candidate.kind != WordKind::Verb || hasGermanVerbShape(candidate.base);
        if (fits && known(candidate.base))
            return candidate.base;
    }
    return QString();
}

QStringList BaseFormFinder::german(const QString &word, const Known &known) const
{
    const QString lower = word.toLower();
    if (!plainWord(lower))
        return {};
    const bool noun = capitalized(word);
    // The table for the word as typed and its other spellings (a spelling may be a key itself),
    // then the rules, the compound split, and Hunspell last: loading it costs a fifth of a second.
    const QStringList spellings = QStringList{lower} + GermanRules::otherSpellings(lower);
    for (qsizetype i = 0; i < spellings.size(); ++i) {
        if (i > 0 && known(spellings[i]))
            return {spellings[i]};
        for (const QString &base : tableBases(spellings[i], noun)) {
            if (known(base))
                return {base};
        }
    }
    for (const QString &spelling : spellings) {
        const QString base = ruleBase(spelling, known, noun);
        if (!base.isEmpty())
            return {base};
    }
    if (lower.size() <= kMaxCompound) {
        for (const QString &spelling : spellings) {
            const QStringList parts = compoundParts(spelling, known, 1);
            if (!parts.isEmpty())
                return parts;
        }
    }
    for (const QString &spelling : spellings) {
        const QString base = hunspellBase(spelling, known);
        if (!base.isEmpty())
            return {base};
    }
    return {};
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
        // "zitronen" of "Zitronensaft": the first part without its linking element.
        for (const QString &first : GermanRules::firstPartBases(rest)) {
            if (first.size() >= kMinPart && known(first))
                return {first, last};
        }
        if (depth < kMaxCompoundParts - 1) {
            QStringList parts = compoundParts(rest, dictionary, depth + 1);
            if (!parts.isEmpty())
                return parts << last;
        }
    }
    return {};
}

std::optional<BaseCandidate> BaseFormFinder::foreignBase(const QString &word, const Known &known) const
{
    const QString lower = word.toLower();
    if (!plainWord(lower))
        return std::nullopt;
    if (m_foreignTable) {
        for (const QString &base : m_foreignTable->basesOf(lower)) {
            if (known(base))
                return BaseCandidate{base, foreignKindOfIrregular(lower, base)};
        }
    }
    for (const BaseCandidate &candidate : foreignCandidates(lower)) {
        if (known(candidate.base))
            return candidate;
    }
    return std::nullopt;
}

QList<BaseCandidate> BaseFormFinder::foreignCandidates(const QString &word) const
{
    return m_endings ? m_endings->candidates(word) : EnglishRules::candidates(word);
}

WordKind BaseFormFinder::foreignKindOfIrregular(const QString &form, const QString &base) const
{
    return m_endings ? m_endings->kindOfIrregular(base) : EnglishRules::kindOfIrregular(form, base);
}

QStringList BaseFormFinder::foreign(const QString &word, const Known &known) const
{
    const std::optional<BaseCandidate> found = foreignBase(word, known);
    return found ? QStringList{found->base} : QStringList();
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
        finder = std::make_unique<BaseFormFinder>(std::move(table), std::move(german), std::move(foreignTable),
                                                  foreignLanguage);
    }
    return *finder;
}

} // namespace ortelia
