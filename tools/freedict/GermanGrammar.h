#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

namespace ortelia {

// What a learner needs beside the translation of a German word, gathered from the sources for the
// grammar table: a noun's article and plural ("das Haus, die Häuser"), a verb's principal parts
// ("gehen, ging, ist gegangen"), an adjective's irregular comparison ("gut, besser, am besten"), and
// the pronunciation in IPA. Keys are in lower case, so one key can hold several words ("gut, besser,
// am besten" and "das Gut, die Güter").
class GermanGrammar {
public:
    // The first line of the written table.
    static inline const QString kHeader =
        QStringLiteral("# sorted: key;grammar<TAB>pronunciation, in byte order of UTF-8");
    // Texts of one key are joined by this in the table.
    static inline const QString kSeparator = QStringLiteral(" · ");

    // A word's grammar under key; marked where the source gives the word only for a field or a
    // special use ("Gut {n} [econ.]"). A text already held is not added again, and a fuller text of
    // the same word replaces a shorter one ("das Haus, die Häuser" replaces "das Haus"); a text keeps
    // the mark of the line that gave it first in full.
    void addGrammar(const QString &key, const QString &text, bool marked = false);
    // The first pronunciation given for a key stays.
    void addPronunciation(const QString &key, const QString &ipa);
    // The pronunciations of the single words of FreeDict dictd entries, whose headword line gives
    // them between slashes ("Haus /hˈaʊs/ <neut, n, sg>").
    void addPronunciations(const QStringList &dictdEntries);

    // The texts of a key in the order added.
    QString grammarOf(const QString &key) const;
    QString pronunciationOf(const QString &key) const { return m_pronunciation.value(key); }
    // "key;grammar<TAB>pronunciation" for every key, unsorted; a key's texts that would make its line
    // longer than the reader takes are left out. Marked texts come last; of the others, a noun's
    // comes first where nounFirst says the key's first translation is a noun's, else last ("essen":
    // eat, so "essen, aß, hat gegessen" first).
    QStringList lines(const std::function<bool(const QString &key)> &nounFirst) const;

private:
    struct Text {
        QString text;
        bool marked = false;
    };
    QHash<QString, QList<Text>> m_grammar;
    QHash<QString, QString> m_pronunciation;
};

} // namespace ortelia
