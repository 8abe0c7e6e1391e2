#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace ortelia {

// A word and its place in the list a source gives it in (0 first).
struct RankedWord {
    QString word;
    int rank = 0;
};

// German words reached through English by way of other languages: each language translates the
// German word into its words, and its English dictionary turned round leads those back to English.
// A language answers with the English word its translations lead back to most strongly; an answer
// counts where two languages give the same one.
class Pivot {
public:
    struct Language {
        QHash<QString, QStringList> germanToForeign;        // German key -> its words, best first
        QHash<QString, QList<RankedWord>> foreignToEnglish; // foreign word (lower case) -> English
    };
    // Of English words a language leads back to equally strongly, the one all languages together
    // lead to more is its answer, then the commoner one ("able" beside "capable"); without
    // commonness, words still equal are no answer.
    explicit Pivot(std::vector<Language> languages, std::function<int(const QString &)> commonness = {});

    int languageCount() const { return int(m_languages.size()); }
    // Every German key of every language.
    QStringList germanWords() const;
    // The English word the language leads the German word back to, or "".
    QString answer(int language, const QString &german) const;
    // The English word at least two languages (leaving out the language except) answer with, and
    // no other word as many; "" when there is none.
    QString agreedEnglish(const QString &german, int except = -1) const;
    // The first of the language's translations of the German word that leads back to the English
    // word, or "".
    QString foreignFor(int language, const QString &german, const QString &english) const;

private:
    struct Votes {
        QHash<QString, double> byWord; // case-folded English word -> its vote
        QHash<QString, QString> written;
    };
    Votes votes(int language, const QString &german) const;
    // Each language's votes; pooled sums them.
    std::vector<Votes> allVotes(const QString &german, Votes &pooled) const;
    QString choose(const Votes &own, const Votes &pooled) const;

    std::vector<Language> m_languages;
    std::function<int(const QString &)> m_commonness;
};

} // namespace ortelia
