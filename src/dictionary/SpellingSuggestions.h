#pragma once

#include "TextRoutines.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

namespace ortelia {

class HunspellSpeller;

namespace web {
class TabularDataObject;
}

// The words a dictionary answers that are spelt like a word it does not hold: its own keys of the
// direction within a small edit distance (SpellingDistance, so across "ae" and "ä" too), and
// Hunspell's suggestions in the language of the direction that the dictionary answers (also
// through a base form); the closest first, the dictionary's own keys before Hunspell's.
class SpellingSuggestions {
public:
    static constexpr int kMost = 5;

    // params: the data object's params of one of the program's own pages; pageDir: the page's folder.
    SpellingSuggestions(const QMap<QString, QString> &params, const QString &pageDir);
    ~SpellingSuggestions();

    // Up to kMost words, in lower case; none for the empty word.
    QStringList of(const QString &word, TextDirection direction);

    // The same for the program's own page at pagePath; none for any other page.
    static QStringList onOwnPage(const QString &pagePath, const QString &word, TextDirection direction);
    // The suggestions as the program asks about them: "Meinten Sie: bahnhof, bahnhöfe?"; empty for none.
    static QString question(const QStringList &suggestions);

private:
    HunspellSpeller *speller(TextDirection direction);
    // Whether the dictionary answers word as one of its words, also through a base form.
    bool answers(const QString &word, TextDirection direction);

    std::unique_ptr<web::TabularDataObject> m_data;
    // Per direction (German, foreign), looked for on the first word asked.
    std::unique_ptr<HunspellSpeller> m_spellers[2];
    bool m_spellerSought[2] = {false, false};
};

} // namespace ortelia
