#include "BaseFormFinder.h"

#include <QMutex>
#include <QProcessEnvironment>
#include <QSet>

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

} // namespace

BaseFormFinder::BaseFormFinder(std::optional<FormTable> table, std::unique_ptr<Stemmer> german,
                               std::unique_ptr<Stemmer> foreign)
    : m_table(std::move(table)), m_german(std::move(german)), m_foreign(std::move(foreign))
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

QStringList BaseFormFinder::german(const QString &word, const Known &known) const
{
    const QString lower = word.toLower();
    if (!plainWord(lower))
        return {};
    if (m_table) {
        const QString base = m_table->baseOf(lower);
        if (!base.isEmpty() && known(base))
            return {base};
    }
    QString stem = knownStem(m_german.get(), lower, known);
    // gemacht, gesehen: the participle's own stem is the verb's.
    if (stem.isEmpty() && lower.startsWith(QLatin1String("ge")) && lower.size() > 4) {
        const QString rest = lower.mid(2);
        stem = known(rest) ? rest : knownStem(m_german.get(), rest, known);
    }
    if (stem.isEmpty())
        stem = withoutEnding(lower, known);
    if (!stem.isEmpty())
        return {stem};
    if (lower.size() > kMaxCompound)
        return {};
    return compoundParts(lower, known, 1);
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
    const QString stem = knownStem(m_foreign.get(), lower, known);
    return stem.isEmpty() ? QStringList() : QStringList{stem};
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
        std::unique_ptr<Stemmer> foreign;
        if (!foreignLanguage.isEmpty()) {
            foreign = Stemmer::open(dir, foreignLanguage, error);
            if (!foreign)
                problems << error;
        }
        if (!problems.isEmpty())
            std::fprintf(stderr, "ortelia: %s\n", problems.join(QLatin1Char(' ')).toLocal8Bit().constData());
        finder = std::make_unique<BaseFormFinder>(std::move(table), std::move(german), std::move(foreign));
    }
    return *finder;
}

} // namespace ortelia
