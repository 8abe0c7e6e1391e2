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

    // A word's grammar under key. A text already held is not added again, and a fuller text of the
    // same word replaces a shorter one ("das Haus, die Häuser" replaces "das Haus").
    void addGrammar(const QString &key, const QString &text);
    // The first pronunciation given for a key stays.
    void addPronunciation(const QString &key, const QString &ipa);
    // The pronunciations of the single words of FreeDict dictd entries, whose headword line gives
    // them between slashes ("Haus /hˈaʊs/ <neut, n, sg>").
    void addPronunciations(const QStringList &dictdEntries);

    QString grammarOf(const QString &key) const { return m_grammar.value(key).join(kSeparator); }
    QString pronunciationOf(const QString &key) const { return m_pronunciation.value(key); }
    // "key;grammar<TAB>pronunciation" for every key, unsorted; a key's texts that would make its line
    // longer than the reader takes are left out. A noun's text comes first where nounFirst says the
    // key's first translation is a noun's, else last ("gut": good, so "gut, besser, am besten" first).
    QStringList lines(const std::function<bool(const QString &key)> &nounFirst) const;

private:
    QHash<QString, QStringList> m_grammar;
    QHash<QString, QString> m_pronunciation;
};

} // namespace ortelia
