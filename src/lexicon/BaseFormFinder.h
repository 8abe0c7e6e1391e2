#pragma once

#include "EndingRules.h"
#include "FormTable.h"
#include "Stemmer.h"
#include "WordKind.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace ortelia {

// The entry to answer a word with that a dictionary does not hold. German: the form table for the
// word and its other spellings (umlauts typed as ae, oe, ue, ss; old ß), then the rules of endings
// (GermanRules), then a compound split into known parts (longest known head first, a linking
// element dropped), and Hunspell's stems last, which are loaded only then. Foreign: the table of
// irregular forms ("went" go, "children" child, "suis" être), then the regular endings by rule
// (EnglishRules; EndingRules for French, Italian, Spanish and Greek). Hunspell's English stems are
// not asked: beyond these rules they found about one word in fifty of English prose, half of them
// in a wrong sense ("closely" close, "holder" hold).
class BaseFormFinder {
public:
    // Whether the dictionary holds a word (lower case).
    using Known = std::function<bool(const QString &)>;

    // The foreign language ("fr_FR") chooses the rules of endings; English's for any other.
    BaseFormFinder(std::optional<FormTable> table, std::unique_ptr<Stemmer> german,
                   std::optional<FormTable> foreignTable = std::nullopt, const QString &foreignLanguage = QString());

    // The base form as one part, or a compound's parts; empty when there is none. A word written
    // with a capital is a noun's form before a verb's ("Wände": Wand, "wände": winden).
    QStringList german(const QString &word, const Known &known) const;
    // The singular that the form table makes a word written with a capital the plural of, also
    // where the dictionary holds the word itself ("Männer": Mann); empty when there is none.
    QString singularOf(const QString &word, const Known &known) const;
    QStringList foreign(const QString &word, const Known &known) const;
    // The foreign base with the kind its form tells ("fought": fight, a verb; "knives": knife, a noun).
    std::optional<BaseCandidate> foreignBase(const QString &word, const Known &known) const;

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
    // The table's bases in lower case, a noun's first for a word written with a capital.
    QStringList tableBases(const QString &form, bool capitalized = false) const;
    // The first base by rule that the dictionary holds as a key of the fitting kind.
    QString ruleBase(const QString &word, const Known &known, bool capitalized) const;
    // Hunspell's stem (or the participle's without "ge") that the dictionary holds.
    QString hunspellBase(const QString &word, const Known &known) const;
    QString knownStem(const QString &word, const Known &known) const;
    QStringList compoundParts(const QString &word, const Known &dictionary, int depth) const;
    QList<BaseCandidate> foreignCandidates(const QString &word) const;
    WordKind foreignKindOfIrregular(const QString &form, const QString &base) const;

    std::optional<FormTable> m_table;
    std::unique_ptr<Stemmer> m_german;
    std::optional<FormTable> m_foreignTable;
    const EndingRules *m_endings; // nullptr: English
};

} // namespace ortelia
