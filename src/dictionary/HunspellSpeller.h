#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

namespace ortelia {

// Hunspell's suggestions for a word it does not know, in one language.
class HunspellSpeller {
public:
    // The speller of the first of languages ("en_US", "en_GB") whose .aff and .dic are in the
    // Hunspell folder (ORTELIA_HUNSPELL_DIR, else /usr/share/hunspell); nullptr when there is none.
    // The dictionary is read on the first word asked.
    static std::unique_ptr<HunspellSpeller> open(const QStringList &languages);
    ~HunspellSpeller();

    // Hunspell's suggestions in lower case, for the word as typed and capitalised (German nouns
    // are written with a capital), in Hunspell's order; none for a word too long to be one.
    QStringList suggestions(const QString &word);

private:
    HunspellSpeller(const QString &aff, const QString &dic);
    void suggestFor(const QString &spelling, QStringList &into);

    QString m_aff;
    QString m_dic;
    std::unique_ptr<Hunspell> m_hunspell;
    bool m_utf8 = false;
};

} // namespace ortelia
