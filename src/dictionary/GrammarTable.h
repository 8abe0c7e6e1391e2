#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace ortelia {

class FormTable;

// What the grammar table says of a German word: its article and plural, principal parts or
// comparison ("das Haus, die Häuser"), and its pronunciation in IPA; either may be empty.
struct WordGrammar {
    QString grammar;
    QString pronunciation;

    bool isEmpty() const { return grammar.isEmpty() && pronunciation.isEmpty(); }
    // "Grammatik: das Haus, die Häuser" and "Aussprache: /hˈaʊs/", each only where known.
    QStringList lines() const;
    // The same lines as one text, for a tooltip.
    QString text() const { return lines().join(QLatin1Char('\n')); }
    // Both on one line, for a label under the answer: "das Haus, die Häuser   /hˈaʊs/".
    QString line() const;
};

// The import's grammar table beside the dictionaries (TranslateDeGb/Grammatik.tab): one
// "key;grammar<TAB>pronunciation" a line, sorted like the form table and searched in place the same
// way, a few lines read per word. The German side is shared by every pair.
class GrammarTable {
public:
    // The table's name in the program folder.
    static inline const QString kFileName = QStringLiteral("TranslateDeGb/Grammatik.tab");

    // The table at path; an unreadable or missing one answers nothing.
    explicit GrammarTable(const QString &path);
    ~GrammarTable();
    GrammarTable(GrammarTable &&) noexcept;
    GrammarTable &operator=(GrammarTable &&) noexcept;

    // The table of the program folder.
    static GrammarTable ofProgram();

    // The grammar of the German side of an answer ("Haus", "gehen"); empty for a compound of parts
    // ("Haus+Tür") or a word the table does not hold.
    WordGrammar of(const QString &germanWord) const;

private:
    std::unique_ptr<FormTable> m_table;
};

} // namespace ortelia
