#include "Pivot.h"

#include <QSet>

#include <climits>
#include <tuple>

#include <utility>

namespace ortelia {

namespace {

// A German word's later translations are rarer senses: they say little about its everyday one.
constexpr int kForeignWordsWeighed = 8;

} // namespace

Pivot::Pivot(std::vector<Language> languages, std::function<int(const QString &)> commonness)
    : m_languages(std::move(languages)), m_commonness(std::move(commonness))
{
}

QStringList Pivot::germanWords() const
{
    QSet<QString> seen;
    QStringList words;
    for (const Language &language : m_languages) {
        for (auto it = language.germanToForeign.cbegin(); it != language.germanToForeign.cend(); ++it) {
            if (!seen.contains(it.key())) {
                seen.insert(it.key());
                words << it.key();
            }
        }
    }
    return words;
}

// Each translation votes for the English words it comes from, the more the earlier it stands in
// the German word's list and the English word's.
Pivot::Votes Pivot::votes(int language, const QString &german) const
{
    const Language &lang = m_languages[size_t(language)];
    const QStringList foreign = lang.germanToForeign.value(german);
    Votes votes;
    for (int p = 0; p < qMin(int(foreign.size()), kForeignWordsWeighed); ++p) {
        const auto it = lang.foreignToEnglish.constFind(foreign[p].toLower());
        if (it == lang.foreignToEnglish.cend())
            continue;
        for (const RankedWord &english : *it) {
            const QString folded = english.word.toCaseFolded();
            votes.byWord[folded] += 1.0 / (1.0 + p) / (1.0 + english.rank);
            votes.written.insert(folded, english.word);
        }
    }
    return votes;
}

std::vector<Pivot::Votes> Pivot::allVotes(const QString &german, Votes &pooled) const
{
    std::vector<Votes> all;
    for (int i = 0; i < languageCount(); ++i) {
        all.push_back(votes(i, german));
        for (auto it = all.back().byWord.cbegin(); it != all.back().byWord.cend(); ++it) {
            pooled.byWord[it.key()] += it.value();
            pooled.written.insert(it.key(), all.back().written[it.key()]);
        }
    }
    return all;
}

// The strongest vote; between equal ones the word all languages together vote for more, then the
// commoner word.
QString Pivot::choose(const Votes &own, const Votes &pooled) const
{
    using Strength = std::tuple<double, double, int>;
    QString best;
    Strength bestStrength{0.0, 0.0, 0};
    bool tied = false;
    for (auto it = own.byWord.cbegin(); it != own.byWord.cend(); ++it) {
        const Strength strength{it.value(), pooled.byWord.value(it.key()),
                                m_commonness ? m_commonness(own.written[it.key()]) : 0};
        if (strength > bestStrength) {
            best = it.key();
            bestStrength = strength;
            tied = false;
        } else if (strength == bestStrength) {
            tied = true;
        }
    }
    return tied ? QString() : own.written.value(best);
}

QString Pivot::answer(int language, const QString &german) const
{
    Votes pooled;
    const std::vector<Votes> all = allVotes(german, pooled);
    return choose(all[size_t(language)], pooled);
}

QString Pivot::agreedEnglish(const QString &german, int except) const
{
    Votes pooled;
    const std::vector<Votes> all = allVotes(german, pooled);
    QHash<QString, int> count;
    QHash<QString, QString> written;
    for (int i = 0; i < languageCount(); ++i) {
        if (i == except)
            continue;
        const QString english = choose(all[size_t(i)], pooled);
        if (english.isEmpty())
            continue;
        ++count[english.toCaseFolded()];
        written.insert(english.toCaseFolded(), english);
    }
    QString best;
    int bestCount = 1;
    bool tied = false;
    for (auto it = count.cbegin(); it != count.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
            tied = false;
        } else if (it.value() == bestCount) {
            tied = true;
        }
    }
    return tied ? QString() : written.value(best);
}

QString Pivot::foreignFor(int language, const QString &german, const QString &english) const
{
    const Language &lang = m_languages[size_t(language)];
    const QStringList foreign = lang.germanToForeign.value(german);
    QString best;
    std::pair<int, int> bestPlace{INT_MAX, INT_MAX};
    for (int p = 0; p < int(foreign.size()); ++p) {
        for (const RankedWord &back : lang.foreignToEnglish.value(foreign[p].toLower())) {
            const std::pair<int, int> place{p, back.rank};
            if (back.word.compare(english, Qt::CaseInsensitive) == 0 && place < bestPlace) {
                best = foreign[p];
                bestPlace = place;
            }
        }
    }
    return best;
}

} // namespace ortelia
