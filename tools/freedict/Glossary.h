#pragma once

#include "Evidence.h"
#include "FormList.h"
#include "FormTable.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace ortelia {

// Largest number of keys an imported dictionary keeps: four sections of fewer than 32,768 lines.
inline constexpr int kMaxImportedKeys = 130000;

// Where a translation comes from, best first: our function-word table, the pair's own
// dictionary, the reverse one turned round, a bridge through English; Pivot: the word other
// languages agree on (Pivot.h), second only to our table.
enum class Source { Curated, Own, Inverted, Bridge, Pivot };

// The part of speech a source marks a sense with, where it is one the text translator or the choice
// of a translation's owner tells apart.
enum class WordClass { Other, Noun, Verb, Adjective };

// One translation a source offers for a German key.
struct Candidate {
    QString text;
    int sense = 0; // order of the sense in its source
    int item = 0;  // order within the sense
    Source source = Source::Own;
    QString label; // the sense's subject or usage labels, "[techn.]"
    int examples = 0;
    bool prefixForm = false;   // "Haus…"
    bool verbalNoun = false;   // "das Werden" under the key "werden"
    bool synonym = false;      // the key is a further synonym of the sense's headword
    bool placeholders = false; // the source's text had placeholders ("listen to sb./sth."), left out
    bool marked = false;       // vulgar, slang, colloquial, regional, dated, rare or of a special field
    bool pluralOnly = false;   // a noun the source names in the plural alone ("Männer {pl}")
    bool comparison = false;   // a comparison's own translation in its adjective's entry ("älter": older)
    WordClass wordClass = WordClass::Other;
};

struct GlossaryResult {
    QString error;       // empty on success
    int keys = 0;        // entry lines written, the "??" line included
    int furtherKeys = 0; // entry lines of the supplementary file
    bool utf8 = false;
};

// German keys and their translations from one or more sources; orders them by the evidence that
// a translation belongs to its key and writes the dictionary file.
class Glossary {
public:
    // Placeholders of valency are left out of the candidate's text.
    void add(const QString &key, Candidate candidate);
    Evidence &evidence() { return m_evidence; }
    // A larger source's evidence of how common German words are, added to this glossary's own.
    void countGermanWordsAlso(const Evidence *other) { m_otherCounts = other; }
    const Evidence &evidence() const { return m_evidence; }
    // The forms the source lists for its German headwords, and for their translations.
    FormList &forms() { return m_forms; }
    const FormList &forms() const { return m_forms; }
    FormList &foreignForms() { return m_foreignForms; }
    const FormList &foreignForms() const { return m_foreignForms; }
    bool contains(const QString &key) const { return m_byKey.contains(key); }
    bool empty() const { return m_entries.empty(); }

    // Orders every key's translations, the first being what the user hears; then makes the
    // everyday German word the first record that carries a given first translation (the page
    // binds the first match): keys before it in the file say their label ("dog [techn.]") or
    // their next translation ("time, times").
    void finish();
    // Before finish: leaves out keys that are a mere form of another key, of our table or of the
    // source's forms ("habe", the rare noun, is "haben"): the dictionary pages answer them with the
    // base form's entry. A verb of the source stays ("meinen", "laden"), and so does a noun or
    // adjective that only the source's forms would send elsewhere ("Weg", "verschieden").
    void leaveOutForms(const FormTable &table);
    // Whether the key has a sense with no mark of special use.
    bool hasGeneralSense(const QString &key) const;
    // Whether text translates the key in a sense with no mark of special use, only in marked ones,
    // or not at all.
    enum class Use { General, Marked, None };
    Use useOf(const QString &key, const QString &text) const;
    // Whether the source names the key as one part of speech only, its verbal noun aside ("Zug",
    // "verstehen"), and text translates the key itself, not its verbal noun ("wissen": not
    // "knowledge", the noun "Wissen").
    bool hasOneWordClassFor(const QString &key, const QString &text) const;
    // After finish: the key's first translation, or "".
    QString firstTranslation(const QString &key) const;
    // Whether the key is a noun of its own in a general sense, not only in the plural ("Essen", unlike
    // "Männer").
    bool hasSingularNoun(const QString &key) const;
    // After finish: the part of speech of the key's first translation.
    WordClass firstWordClass(const QString &key) const;
    // After finish: whether the key is the one a search for its first translation finds.
    bool ownsFirstTranslation(const QString &key) const;
    // After finish: "foreign word;key" (the word in lower case) for every foreign word that a search
    // of the file would answer with another key than the everyday German word for it: the commonest
    // key that gives it among its first translations in a general sense, and that the pair's reverse
    // dictionary names for it ("toujours;immer", not the "alleweil" first in the file; "quickly;schnell",
    // whose first translation is "fast"). Sorted as a form table.
    QStringList foreignOwnerLines() const;
    // All keys, after finish.
    QStringList keys() const;
    // After finish: "key;verb;noun" for every key whose first translation as a verb and first as a
    // noun differ ("essen;eat;food"), sorted; a noun key that is also a verb's or an adjective's form
    // has that word's sense as its verb ("sucht;look for;addiction").
    // hand: our table of forms, the source's own forms besides.
    QStringList wordClassLines(const FormTable &hand) const;

    // Header, "??;Deutsch;<languageName>", one sorted line per key (key;first;further), cut into
    // four sections; at most maxKeys lines, the most useful keys kept. Windows-1252, or UTF-8
    // with a byte-order mark when most translations are in another script. With a supplementPath,
    // the keys left out go there: the header and their sorted lines, in one piece.
    GlossaryResult write(const QString &outPath, const QString &languageName, int maxKeys = kMaxImportedKeys,
                         const QString &supplementPath = QString());

private:
    struct Entry {
        QString key;
        std::vector<Candidate> candidates;
        QStringList translations; // ordered, unique
        QString firstLabel;
        bool firstIsPlain = false;
        bool bridged = false;
        bool owner = true;
        bool hidesOwner = false; // a plain word before the owner of its one translation
    };

    QString lowerCaseReading(const QString &key, const FormTable &hand) const;
    double score(const Entry &entry, const Candidate &candidate) const;
    double ownerScore(const Entry &entry) const;
    double foreignOwnerScore(const Entry &entry, const QString &translation, int place) const;
    void chooseForeignOwners();
    double usefulness(const Entry &entry) const;
    int germanCount(const QString &key) const;
    void orderTranslations(Entry &entry) const;
    void giveFirstTranslationsOwners();
    static Entry *adjectiveOf(const Entry &entry, const std::vector<Entry *> &group);
    bool mostlyOutsideWindows1252() const;

    QHash<QString, int> m_byKey;
    std::vector<Entry> m_entries;
    Evidence m_evidence;
    FormList m_forms;
    FormList m_foreignForms;
    const Evidence *m_otherCounts = nullptr;
    // Case-folded foreign word -> the entry that answers it best, chosen before the first
    // translations of entries that are no owner are told apart.
    QHash<QString, std::pair<double, int>> m_foreignOwners;
};

} // namespace ortelia
