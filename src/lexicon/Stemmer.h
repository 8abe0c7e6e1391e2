#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

namespace ortelia {

// Hunspell's stems of a word, for one language's dictionary (such as "de_DE").
class Stemmer {
public:
    // The stemmer of dir/<language>.aff and .dic; nullptr with error when they are missing.
    static std::unique_ptr<Stemmer> open(const QString &dir, const QString &language, QString &error);
    ~Stemmer();

    // The stems in lower case, the word's own spelling and its capitalised one asked (the pages
    // see lower-case words, German nouns are written with a capital).
    QStringList stems(const QString &word) const;

private:
    Stemmer(std::unique_ptr<Hunspell> hunspell, bool utf8);

    std::unique_ptr<Hunspell> m_hunspell;
    bool m_utf8;
};

} // namespace ortelia
