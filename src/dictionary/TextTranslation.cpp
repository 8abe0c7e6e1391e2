#include "TextTranslation.h"

#include "Dictionary.h"
#include "LookupKey.h"
#include "Phrases.h"
#include "SenseInContext.h"

#include <algorithm>

namespace ortelia {

namespace {

using SenseInContext::beginsClause;
using SenseInContext::isArticle;
using SenseInContext::isDefiniteArticle;
using SenseInContext::isWord;

// The particles a German verb leaves at the end of its clause.
bool isParticle(const QString &word)
{
    static const QStringList particles = {
        "ab",     "an",   "auf",    "aus",    "bei",    "dabei",   "durch", "ein",    "fern",
        "fest",   "fort", "her",    "heraus", "herein", "herum",   "hin",   "hinaus", "hinein",
        "hoch",   "los",  "mit",    "nach",   "nieder", "statt",   "teil",  "um",     "vor",
        "vorbei", "weg",  "weiter", "zu",     "zurück", "zusammen"};
    return particles.contains(word);
}

bool lettersOnly(const QString &word)
{
    return !word.isEmpty() && std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetter(); });
}

// A German infinitive: "stehen", "wandern", "lächeln", "sein", "tun".
bool isInfinitive(const QString &word)
{
    return lettersOnly(word) && (word.endsWith(QLatin1String("en")) || word.endsWith(QLatin1String("rn")) ||
                                 word.endsWith(QLatin1String("ln")) || word == u"sein" || word == u"tun");
}

// Whether a German key of several words may stand for the words of a text. The dictionaries hold
// keys that are grammar rather than phrases, with the sense of some longer entry ("zu sein": be off
// your head, "mit dem": whereby, "die zeit": while away the time): a key ending in an article, a
// definite article with one word, and "zu" with an infinitive are answered word by word.
bool idiomatic(const QString &key)
{
    const QList<QStringView> words = QStringView(key).split(u' ');
    if (isArticle(words.last()))
        return false;
    if (words.size() == 2 && isDefiniteArticle(words[0]))
        return false;
    return !(words.size() == 2 && words[0] == u"zu" && isInfinitive(words[1].toString()));
}

} // namespace

TextTranslation::TextTranslation(Dictionary &dictionary, TextDirection direction)
    : m_dictionary(dictionary), m_direction(direction)
{
}

void TextTranslation::setWords(const QStringList &words)
{
    m_tokens.clear();
    m_capitals.clear();
    m_tokenOf.clear();
    m_tokenOf.reserve(words.size());
    for (const QString &word : words) {
        const QString clean = LookupKey::cleaned(word);
        const QStringView core = LookupKey::core(clean);
        if (core.isEmpty() || core.size() == clean.size()) {
            m_tokenOf << addToken(clean);
            continue;
        }
        const qsizetype at = core.data() - clean.constData();
        if (at > 0)
            addToken(clean.left(at));
        m_tokenOf << addToken(core.toString());
        if (at + core.size() < clean.size())
            addToken(clean.sliced(at + core.size()));
    }
    m_keys = QStringList(m_tokens.size());
    m_firstOfKey.resize(m_tokens.size());
    for (qsizetype i = 0; i < m_firstOfKey.size(); ++i)
        m_firstOfKey[i] = i;
}

qsizetype TextTranslation::addToken(const QString &token)
{
    m_tokens << token.toLower();
    m_capitals << (!token.isEmpty() && token.front().isUpper());
    return m_tokens.size() - 1;
}

// A German noun keeps its capital for the lookup ("die Männer": Mann, "er sucht": suchen), except at
// the start of a sentence, where every word has one.
QString TextTranslation::writtenKey(qsizetype n) const
{
    const QString &key = m_keys[n];
    if (m_direction != TextDirection::German || !m_capitals[n] || key != m_tokens[n] || n == 0 ||
        m_tokens[n - 1].isEmpty() || QStringLiteral(".!?:").contains(m_tokens[n - 1].back()))
        return key;
    return key.left(1).toUpper() + key.mid(1);
}

bool TextTranslation::joinedToEarlier(qsizetype word)
{
    const qsizetype n = m_tokenOf[word];
    if (m_keys[n].isNull())
        readStretch(n);
    return m_firstOfKey[n] != n;
}

std::optional<LookupAnswer> TextTranslation::answerAt(qsizetype word)
{
    const qsizetype n = m_tokenOf[word];
    if (m_keys[n].isNull())
        readStretch(n);
    std::optional<LookupAnswer> found = answer(writtenKey(n));
    // A page's correction of a joined key is no correction of the word.
    if (found && m_keys[n] != m_tokens[n])
        found->searchField.clear();
    else if (found)
        fitSense(*found, n);
    return found;
}

// The verb's, the noun's or the adjective's translation where the neighbours ask for one: of the
// German word itself (not of a form: "das ist" asks nothing of "sein"), of an English form's base
// ("i saw": see).
void TextTranslation::fitSense(LookupAnswer &found, qsizetype n)
{
    using SenseInContext::Fit;
    const Fit fit = SenseInContext::fitAt(m_tokens, m_capitals, n, m_direction);
    if (fit == Fit::Any)
        return;
    const QString &word = m_tokens[n];
    if (fit == Fit::Adjective) {
        const QString adjective = adjectiveOf(word);
        if (!adjective.isEmpty() && found.german.compare(adjective, Qt::CaseInsensitive) != 0)
            found = *answer(adjective);
        return;
    }
    if (m_direction == TextDirection::German) {
        const QHash<QString, SenseInContext::VerbAndNoun> *classes = m_dictionary.wordClasses();
        if (!classes || found.german.compare(word, Qt::CaseInsensitive) != 0)
            return;
        const auto senses = classes->constFind(word);
        if (senses != classes->cend())
            found.translation = fit == Fit::Verb ? senses->verb : senses->noun;
        return;
    }
    if (fit != Fit::Verb)
        return;
    const std::optional<LookupAnswer> base = m_dictionary.baseFormAnswer(word);
    if (base && isInfinitive(base->german.toLower()))
        found = *base;
}

// The key of an inflected adjective ("langen": lang, "rote": rot); null where the dictionary holds none.
QString TextTranslation::adjectiveOf(const QString &word)
{
    for (const QLatin1String ending : {QLatin1String("en"), QLatin1String("em"), QLatin1String("er"),
                                       QLatin1String("es"), QLatin1String("e")}) {
        if (word.size() > ending.size() + 1 && word.endsWith(ending) && holds(word.chopped(ending.size())))
            return word.chopped(ending.size());
    }
    return QString();
}

std::optional<LookupAnswer> TextTranslation::answer(const QString &key)
{
    auto known = m_answers.constFind(key);
    if (known == m_answers.cend())
        known = m_answers.insert(key, m_dictionary.answer(key, m_direction));
    return *known;
}

bool TextTranslation::holds(const QString &key)
{
    const std::optional<LookupAnswer> found = answer(key);
    return found && (m_direction == TextDirection::German ? found->german : found->translation)
                            .compare(key, Qt::CaseInsensitive) == 0;
}

bool TextTranslation::holdsPhrase(const QString &key)
{
    if (m_direction == TextDirection::German && !idiomatic(key))
        return false;
    const qsizetype second = key.indexOf(QLatin1Char(' '), key.indexOf(QLatin1Char(' ')) + 1);
    if (!m_dictionary.beginsPhrase(second < 0 ? key : key.left(second), m_direction).value_or(true))
        return false;
    return holds(key);
}

void TextTranslation::readStretch(qsizetype n)
{
    if (!isWord(m_tokens[n])) {
        m_keys[n] = m_tokens[n];
        return;
    }
    qsizetype begin = n;
    while (begin > 0 && isWord(m_tokens[begin - 1]))
        --begin;
    qsizetype end = n + 1;
    while (end < m_tokens.size() && isWord(m_tokens[end]))
        ++end;
    const QStringList stretch = m_tokens.mid(begin, end - begin);
    const web::Phrases::Known known = [this](const QString &key) { return holdsPhrase(key); };
    for (qsizetype at = 0; at < stretch.size();) {
        const int count = web::Phrases::longestAt(stretch, at, known);
        if (count == 0) {
            m_keys[begin + at] = stretch[at];
            ++at;
            continue;
        }
        const QString phrase = stretch.mid(at, count).join(QLatin1Char(' '));
        for (int i = 0; i < count; ++i) {
            m_keys[begin + at + i] = phrase;
            m_firstOfKey[begin + at + i] = begin + at;
        }
        at += count;
    }
    if (m_direction != TextDirection::German)
        return;
    qsizetype clause = begin;
    for (qsizetype i = begin + 1; i <= end; ++i) {
        if (i == end || (beginsClause(m_tokens[i]) && m_keys[i] == m_tokens[i])) {
            joinSeparatedVerb(clause, i);
            clause = i + 1;
        }
    }
}

void TextTranslation::joinSeparatedVerb(qsizetype begin, qsizetype end)
{
    const qsizetype last = end - 1;
    if (last <= begin || m_keys[last] != m_tokens[last])
        return;
    // The finite verb stands early in the clause: the first word that joins is taken.
    for (qsizetype i = begin; i < last; ++i) {
        if (m_keys[i] != m_tokens[i])
            continue;
        const QString joined = separatedVerb(m_tokens[i], m_tokens[last]);
        if (!joined.isEmpty()) {
            m_keys[i] = m_keys[last] = joined;
            m_firstOfKey[last] = i;
            return;
        }
    }
}

// The key of verb joined with the last word of its clause, or null: "aufstehen" for "stehe ... auf"
// or "stand ... auf", "spazieren gehen" for "gehen ... spazieren".
QString TextTranslation::separatedVerb(const QString &verb, const QString &last)
{
    if (isParticle(last)) {
        // An imperative is the verb's stem ("mach ... zu": zumachen).
        const QString base = baseOf(verb);
        const QString infinitive = isInfinitive(base) ? base : verb + QLatin1String("en");
        if (holds(last + infinitive))
            return last + infinitive;
        // The joined form's base form where the verb's own is not found ("aufstehe": aufstehen);
        // the joined form itself may be another word ("aufstand" for "stand ... auf"), its base
        // form the particle ("auser": aus).
        const QString joined = last + verb;
        const std::optional<LookupAnswer> found = answer(joined);
        if (found && isInfinitive(found->german) && found->german.size() > last.size() + 2 &&
            found->german.startsWith(last, Qt::CaseInsensitive) &&
            found->german.compare(joined, Qt::CaseInsensitive) != 0)
            return joined;
        return QString();
    }
    if (!last.endsWith(QLatin1String("en")) || last == verb)
        return QString();
    const QString base = baseOf(verb);
    const QString idiom = last + QLatin1Char(' ') + base;
    if (isInfinitive(base) && holdsPhrase(idiom))
        return idiom;
    return QString();
}

// The dictionary's base form of a word (its German field), or the word itself.
QString TextTranslation::baseOf(const QString &word)
{
    const std::optional<LookupAnswer> found = answer(word);
    return found && lettersOnly(found->german) ? found->german.toLower() : word;
}

} // namespace ortelia
