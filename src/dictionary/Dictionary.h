#pragma once

#include "GrammarTable.h"
#include "LookUpOnPage.h"
#include "SenseInContext.h"
#include "TextRoutines.h"

#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

namespace ortelia {

class HeadlessPage;
class PhraseBeginnings;
class SpellingSuggestions;

namespace web {
class BaseFormStandIn;
class TabularDataObject;
} // namespace web

// Looks words up in both directions on the dictionary page a window has loaded. The program's own
// pages are answered directly from their data, as their search script would answer; a page a
// user wrote is searched by its script on the page itself. Which page is chosen is the page's
// business: the dictionary follows whatever the page loads.
class Dictionary : public QObject {
    Q_OBJECT
public:
    // Shown: the page is in view and shows the hits of each search, so it is searched too.
    enum class Hits { Hidden, Shown };

    explicit Dictionary(HeadlessPage &page, Hits hits = Hits::Hidden, QObject *parent = nullptr);
    ~Dictionary() override;

    // The answer to word, at once; nullopt when the page has no answer fields (no page loaded).
    // The empty word has the empty answer. Every word is cleaned first (LookupKey::cleaned); a word
    // the dictionary does not hold with the marks at its edges is looked up without them ("sagt:").
    // On the program's own pages a typed phrase is looked up as lookUpOnDataObject says.
    std::optional<LookupAnswer> answer(const QString &word, TextDirection direction);
    // The same, answered through finished() once control is back in the event loop, in the order asked.
    void lookUp(const QString &word, TextDirection direction);
    // Whether the page's dictionary holds a key of more than one word for the direction that begins
    // with the two words of beginning (PhraseBeginnings); nullopt for a page a user wrote, whose data
    // only its script knows.
    std::optional<bool> beginsPhrase(const QString &beginning, TextDirection direction);
    // The answer to a foreign word's base form, also where the dictionary holds the word itself
    // ("saw": see, not the tool); nullopt where there is none, or the page is a user's.
    std::optional<LookupAnswer> baseFormAnswer(const QString &word);
    // The German keys whose first translation as a verb and as a noun differ (SenseInContext),
    // read on the first text that asks; null for a page a user wrote.
    const QHash<QString, SenseInContext::VerbAndNoun> *wordClasses();
    // The dictionary's words of the direction that begin with prefix, each once, in dictionary
    // order: at most limit. None for a page a user wrote.
    QStringList wordsBeginning(const QString &prefix, TextDirection direction, int limit);
    // Words the dictionary answers that are spelt like word (SpellingSuggestions); none for a page a
    // user wrote.
    QStringList suggestions(const QString &word, TextDirection direction);
    // The grammar of the German side of an answer, shared by every pair (GrammarTable); the table
    // is opened on the first word asked.
    WordGrammar grammar(const QString &germanWord);

signals:
    void finished(const QString &word, ortelia::TextDirection direction,
                  const std::optional<ortelia::LookupAnswer> &answer);
    // The page's dictionary file was refused unread (not a regular file, too large); said once a page.
    void refused();

private:
    LookupAnswer answerOfPage(const QString &word, TextDirection direction);
    web::TabularDataObject *ownData();
    void noteRefusal(bool refusedNow);

    HeadlessPage &m_page;
    Hits m_hits;
    // The data of the loaded page when it is one of the program's own; looked for once a page.
    std::unique_ptr<web::TabularDataObject> m_ownData;
    // Its data object's params, read from the page once.
    QMap<QString, QString> m_ownParams;
    bool m_ownDataSought = false;
    bool m_refusalSaid = false;
    // Per direction (German, foreign), gathered on the first text that asks.
    std::unique_ptr<PhraseBeginnings> m_phraseBeginnings[2];
    std::unique_ptr<web::BaseFormStandIn> m_baseForms;
    std::optional<QHash<QString, SenseInContext::VerbAndNoun>> m_wordClasses;
    std::unique_ptr<SpellingSuggestions> m_suggestions;
    std::optional<GrammarTable> m_grammar;
};

} // namespace ortelia
