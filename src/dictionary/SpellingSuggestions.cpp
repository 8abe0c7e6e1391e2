#include "SpellingSuggestions.h"

#include "DictionaryFormat.h"
#include "HunspellSpeller.h"
#include "LookupKey.h"
#include "OwnPageLookup.h"
#include "SpellingDistance.h"
#include "TabularDataObject.h"

#include <QFileInfo>

#include <algorithm>
#include <tuple>
#include <vector>

namespace ortelia {

namespace {

// A word longer than this is no misspelt dictionary key.
constexpr qsizetype kLongestWord = 64;

// Hunspell's dictionaries for the language names the dictionaries answer to "??".
QStringList hunspellLanguages(const QString &languageName)
{
    static const std::pair<const char *, QStringList> table[] = {
        {"deutsch", {"de_DE", "de_AT", "de_CH"}},  {"englisch", {"en_US", "en_GB"}},
        {"französisch", {"fr_FR", "fr"}},          {"frazösisch", {"fr_FR", "fr"}},
        {"italienisch", {"it_IT", "it"}},          {"spanisch", {"es_ES", "es"}},
        {"griechisch", {"el_GR", "el"}},           {"arabisch", {"ar"}},
    };
    const QString name = languageName.trimmed().toLower();
    for (const auto &[known, languages] : table) {
        if (name == QString::fromUtf8(known))
            return languages;
    }
    return {};
}

struct Candidate {
    QString word;
    int distance = 0;
    // 0: a key of the dictionary, 1: Hunspell's.
    int source = 0;
    qsizetype lengthDifference = 0;
    int order = 0;
};

} // namespace

SpellingSuggestions::SpellingSuggestions(const QMap<QString, QString> &params, const QString &pageDir)
    : m_data(std::make_unique<web::TabularDataObject>(params, pageDir))
{
}

SpellingSuggestions::~SpellingSuggestions() = default;

QStringList SpellingSuggestions::onOwnPage(const QString &pagePath, const QString &word, TextDirection direction)
{
    const std::optional<QMap<QString, QString>> params = ownPageParams(pagePath);
    if (!params)
        return {};
    return SpellingSuggestions(*params, QFileInfo(pagePath).absolutePath()).of(word, direction);
}

QString SpellingSuggestions::question(const QStringList &suggestions)
{
    if (suggestions.isEmpty())
        return QString();
    return QStringLiteral("Meinten Sie: ") + suggestions.join(QStringLiteral(", ")) + QLatin1Char('?');
}

HunspellSpeller *SpellingSuggestions::speller(TextDirection direction)
{
    const int side = direction == TextDirection::German ? 0 : 1;
    if (!m_spellerSought[side]) {
        m_spellerSought[side] = true;
        // The dictionary's record "??" names its two languages.
        const LookupAnswer names = lookUpOnDataObject(*m_data, QStringLiteral("??"), TextDirection::German);
        const QString language = side == 0 ? QStringLiteral("Deutsch") : names.note;
        m_spellers[side] = HunspellSpeller::open(hunspellLanguages(language));
    }
    return m_spellers[side].get();
}

bool SpellingSuggestions::answers(const QString &word, TextDirection direction)
{
    // Hunspell's words with a hyphen or a mark are pieces of words.
    if (!std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }))
        return false;
    const LookupAnswer answer = lookUpOnDataObject(*m_data, word, direction);
    // An answer put together from a compound's parts ("bahn+zoff") is no word the dictionary holds.
    return (!answer.translation.isEmpty() || !answer.german.isEmpty()) && !answer.german.contains(QLatin1Char('+'));
}

QStringList SpellingSuggestions::of(const QString &typed, TextDirection direction)
{
    const QString word = LookupKey::cleaned(typed).simplified().toLower();
    // A wildcard search asks for no one word.
    if (word.isEmpty() || word.size() > kLongestWord || word.contains(QLatin1Char('*')))
        return {};
    const QString target = SpellingDistance::spelling(word);
    // One letter off in a short word, two in a longer one.
    const int limit = target.size() <= 4 ? 1 : 2;
    std::vector<Candidate> candidates;
    int order = 0;
    QString spelling;
    const QString column = direction == TextDirection::German ? germanColumn() : foreignColumn();
    m_data->forEachValue(column, [&](QStringView value) {
        // An umlaut makes a spelling at most twice as long: most keys are passed over here.
        if (value.size() * 2 + limit < target.size() || value.size() > target.size() + limit)
            return;
        SpellingDistance::spell(value, spelling);
        const int distance = SpellingDistance::distance(spelling, target, limit);
        if (distance <= limit && value.compare(word, Qt::CaseInsensitive) != 0)
            candidates.push_back({value.toString().toLower(), distance, 0,
                                  std::abs(spelling.size() - target.size()), order++});
    });
    // Hunspell knows single words, and forms the dictionary answers through their base form.
    if (!word.contains(QLatin1Char(' '))) {
        if (HunspellSpeller *hunspell = speller(direction)) {
            for (const QString &suggestion : hunspell->suggestions(word)) {
                const QString suggested = SpellingDistance::spelling(suggestion);
                const int distance = SpellingDistance::distance(suggested, target, limit + 1);
                if (distance <= limit + 1 && suggestion != word && answers(suggestion, direction))
                    candidates.push_back({suggestion, distance, 1, std::abs(suggested.size() - target.size()),
                                          order++});
            }
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        return std::tie(a.distance, a.source, a.lengthDifference, a.order) <
               std::tie(b.distance, b.source, b.lengthDifference, b.order);
    });
    QStringList suggestions;
    for (const Candidate &candidate : candidates) {
        if (suggestions.size() == kMost)
            break;
        if (!suggestions.contains(candidate.word))
            suggestions << candidate.word;
    }
    return suggestions;
}

} // namespace ortelia
