#include "SenseInContext.h"

#include "TextFile.h"

#include <algorithm>

namespace ortelia::SenseInContext {

bool isWord(const QString &word)
{
    return std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

bool beginsClause(const QString &word)
{
    static const QStringList conjunctions = {"und", "oder", "aber", "denn", "sondern"};
    return conjunctions.contains(word);
}

bool isDefiniteArticle(QStringView word)
{
    static const QStringList articles = {"der", "die", "das", "dem", "den", "des"};
    return articles.contains(word);
}

bool isArticle(QStringView word)
{
    static const QStringList articles = {"ein", "eine", "einem", "einen", "einer", "eines"};
    return isDefiniteArticle(word) || articles.contains(word);
}

namespace {

bool isGermanModal(const QString &word)
{
    static const QStringList modals = {
        "kann",   "kannst",   "können",  "könnt",   "konnte", "konntest", "konnten", "konntet",
        "muss",   "musst",    "müssen",  "müsst",   "musste", "musstest", "mussten", "musstet",
        "will",   "willst",   "wollen",  "wollt",   "wollte", "wolltest", "wollten", "wolltet",
        "soll",   "sollst",   "sollen",  "sollt",   "sollte", "solltest", "sollten", "solltet",
        "darf",   "darfst",   "dürfen",  "dürft",   "durfte", "durftest", "durften", "durftet",
        "möchte", "möchtest", "möchten", "möchtet", "mag",    "magst",    "mögen"};
    return modals.contains(word);
}

// An article or "kein" before a noun: "das Essen", "kein Treffen".
bool beforeNoun(QStringView word)
{
    static const QStringList kein = {"kein", "keine", "keinem", "keinen", "keiner", "keines"};
    return isArticle(word) || kein.contains(word);
}

bool isPossessive(QStringView word)
{
    static const QStringList stems = {"mein", "dein", "sein", "ihr", "unser", "euer", "eur"};
    static const QStringList endings = {"", "e", "em", "en", "er", "es"};
    return std::any_of(stems.cbegin(), stems.cend(), [word](const QString &stem) {
        return word.startsWith(stem) && endings.contains(word.sliced(stem.size()));
    });
}

bool isPreposition(QStringView word)
{
    static const QStringList prepositions = {
        "an",    "am",    "ans",   "auf",  "aus",   "bei",    "beim",  "bis",   "durch", "für",
        "gegen", "hinter", "in",   "im",   "ins",   "mit",    "nach",  "neben", "ohne",  "seit",
        "über",  "um",    "unter", "von",  "vom",   "vor",    "wegen", "zu",    "zum",   "zur",
        "zwischen", "trotz", "während", "außer", "statt"};
    return prepositions.contains(word);
}

// Between a determiner or a preposition and a noun, which German writes with a capital: "nach dem
// langen Streit", "mit großen Augen"; "Sie" is no noun. A determiner there is none ("mit seinen
// Freunden"), except "meinen", whose key is the verb: "mit meinen Freunden", not "was meinen Sie".
bool isAdjectivePlace(const QStringList &words, const QList<bool> &capitals, qsizetype n)
{
    static const QStringList pronouns = {"ich", "du", "er", "sie", "es", "wir", "ihr"};
    if (capitals[n] || n + 1 >= words.size() || !capitals[n + 1] || !isWord(words[n + 1]) ||
        pronouns.contains(words[n + 1]))
        return false;
    const QString &word = words[n];
    if (word == u"meinen")
        return true;
    if (beforeNoun(word) || isPossessive(word))
        return false;
    const QStringView before = n > 0 ? QStringView(words[n - 1]) : QStringView();
    return beforeNoun(before) || isPossessive(before) || isPreposition(before);
}

Fit germanFit(const QStringList &words, const QList<bool> &capitals, qsizetype n)
{
    if (isAdjectivePlace(words, capitals, n))
        return Fit::Adjective;
    const QString before = n > 0 ? words[n - 1] : QString();
    if (beforeNoun(before))
        return Fit::Noun;
    if (before == u"zu")
        return Fit::Verb;
    // The infinitive of a modal verb ends its clause: "ich will dich morgen treffen".
    const bool last = n + 1 == words.size() || !isWord(words[n + 1]) || beginsClause(words[n + 1]);
    for (qsizetype i = n - 1; last && i >= 0 && isWord(words[i]) && !beginsClause(words[i]); --i) {
        if (isGermanModal(words[i]))
            return Fit::Verb;
    }
    return Fit::Any;
}

Fit englishFit(const QStringList &words, qsizetype n)
{
    static const QStringList verbBefore = {"i",     "you",    "he",  "she",   "it",   "we",
                                           "they",  "to",     "can", "could", "will", "would",
                                           "shall", "should", "may", "might", "must"};
    static const QStringList be = {"am", "is", "are", "was", "were", "be", "been"};
    const QString before = n > 0 ? words[n - 1] : QString();
    if (verbBefore.contains(before) || (be.contains(before) && words[n].endsWith(QLatin1String("ing"))))
        return Fit::Verb;
    return Fit::Any;
}

} // namespace

Fit fitAt(const QStringList &words, const QList<bool> &capitals, qsizetype n, TextDirection direction)
{
    return direction == TextDirection::German ? germanFit(words, capitals, n) : englishFit(words, n);
}

QHash<QString, VerbAndNoun> readWordClasses(const QString &path)
{
    QHash<QString, VerbAndNoun> table;
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines)
        return table;
    for (const QString &line : *lines) {
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.size() == 3)
            table.insert(fields[0], VerbAndNoun{fields[1], fields[2]});
    }
    return table;
}

} // namespace ortelia::SenseInContext
