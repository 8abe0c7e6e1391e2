#pragma once

#include "FormTable.h"
#include "Stemmer.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace ortelia {

// The entry to answer a word with that a dictionary does not hold. German: our form table, then
// Hunspell stems (and past participles without their "ge"), then plural and adjective endings
// Hunspell leaves on, then a compound split into known parts (longest known head first, a linking
// "s" dropped); a word typed without umlauts or ß ("schoen", "Strasse") is tried with them after
// the table and Hunspell had nothing for it as typed. Foreign (English): our table of irregular
// forms ("went" go, "children" child), then the regular endings -s, -es, -ies, -ed and -ing by
// rule. Hunspell's English stems are not asked: beyond these rules they found about one word in
// fifty of English prose, half of them in a wrong sense ("closely" close, "holder" hold).
class BaseFormFinder {
public:
    // Whether the dictionary holds a word (lower case).
    using Known = std::function<bool(const QString &)>;

    BaseFormFinder(std::optional<FormTable> table, std::unique_ptr<Stemmer> german,
                   std::optional<FormTable> foreignTable = std::nullopt);

    // The base form as one part, or a compound's parts; empty when there is none.
    QStringList german(const QString &word, const Known &known) const;
    QStringList foreign(const QString &word, const Known &known) const;

    // The finder of a form table file and a foreign language ("" for none), made once per process;
    // the foreign language's table lies beside the German one (foreignTablePath). A damaged or
    // missing table or missing Hunspell dictionaries are said in one line on standard error and
    // those steps are left out. Hunspell dictionaries are read from ORTELIA_HUNSPELL_DIR, else from
    // the system's folder.
    static const BaseFormFinder &shared(const QString &tablePath, const QString &foreignLanguage);
    // "Grundformen-en_US.tab" beside "Grundformen.tab".
    static QString foreignTablePath(const QString &tablePath, const QString &foreignLanguage);

    // Words longer than this are no word of a dictionary: no base form is looked for.
    static constexpr int kMaxWordLength = 64;

private:
    // The base form the table or Hunspell gives for a German word, when the dictionary holds it.
    QString knownBase(const QString &word, const Known &known) const;
    QString knownStem(const Stemmer *stemmer, const QString &word, const Known &known) const;
    QStringList compoundParts(const QString &word, const Known &dictionary, int depth) const;

    std::optional<FormTable> m_table;
    std::unique_ptr<Stemmer> m_german;
    std::optional<FormTable> m_foreignTable;
};

} // namespace ortelia
