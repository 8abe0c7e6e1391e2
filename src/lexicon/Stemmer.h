#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>

class Hunspell;

namespace ortelia {

// Hunspell's stems of a word, for one language's dictionary (such as "de_DE").
class Stemmer {
public:
    // The stemmer of dir/<language>.aff and .dic; nullptr with error when they are missing. They
    // are read on the first word asked: loading them takes a fifth of a second, and the words a
    // dictionary lacks are often forms of our table that need no stems.
    static std::unique_ptr<Stemmer> open(const QString &dir, const QString &language, QString &error);
    ~Stemmer();

    // The stems in lower case, the word's own spelling and its capitalised one asked (the pages
    // see lower-case words, German nouns are written with a capital).
    QStringList stems(const QString &word) const;
    // Whether the dictionaries have been read: only a word that nothing else answered reads them.
    bool isLoaded() const { return m_hunspell != nullptr; }

private:
    Stemmer(const QString &aff, const QString &dic);
    Hunspell &hunspell() const;

    QString m_aff;
    QString m_dic;
    mutable std::once_flag m_loaded;
    mutable std::unique_ptr<Hunspell> m_hunspell;
    mutable bool m_utf8 = false;
};

} // namespace ortelia
