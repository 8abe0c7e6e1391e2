#pragma once

#include "Glossary.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia {

// Our table of German function words (articles, pronouns, prepositions, conjunctions, auxiliary
// and modal verbs), a few everyday phrases the sources hold only inside longer ones, and the
// everyday word for each in the other languages: one
// "German;English;French;Spanish;Italian;Greek" a line, "#" starts a comment line, an empty field
// leaves that language to the other sources.
class FunctionWords {
public:
    enum Language { English, French, Spanish, Italian, Greek, LanguageCount };

    explicit FunctionWords(QList<QStringList> rows) : m_rows(std::move(rows)) {}

    // The table of a file; nullopt with error naming the file and line when a line is damaged.
    static std::optional<FunctionWords> read(const QString &path, QString &error);
    static std::optional<FunctionWords> parse(const QStringList &lines, const QString &name, QString &error);

    // Each word's translation into the language, as the candidate that goes first.
    void addTo(Glossary &glossary, Language language) const;
    int size() const { return int(m_rows.size()); }

private:
    QList<QStringList> m_rows; // German word, then one field per language
};

} // namespace ortelia
