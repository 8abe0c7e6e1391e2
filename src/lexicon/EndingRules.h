#pragma once

#include "WordKind.h"

#include <QList>
#include <QString>

#include <span>

namespace ortelia {

// The regular endings of French, Italian, Spanish and Greek words and the base forms they stand
// for, one table per language: "maisons" maison, "chevaux" cheval, "parlées" parler (fr); "libri"
// libro, "parlato" parlare (it); "luces" luz, "comido" comer (es); "άνθρωποι" άνθρωπος, "γράφουμε"
// γράφω (el). Each candidate carries the kind its ending tells; the caller keeps the first one the
// dictionary holds. English has rules of its own (EnglishRules): its endings need more than a table.
class EndingRules {
public:
    struct Rule {
        const char16_t *ending;
        const char16_t *bases[4]; // the likelier first; unused places are null
        WordKind kind;
    };

    // The rules of a language by its code ("fr_FR", "it"); nullptr for one without a table here.
    static const EndingRules *forLanguage(const QString &language);

    // Base forms (lower case) in the order of the table, which puts the likelier reading first.
    QList<BaseCandidate> candidates(const QString &word) const;
    // A form of the table of irregular forms is a verb's where its base has an infinitive's ending
    // ("suis": être, "tengo": tener), else of any kind ("meilleur": bon, "uomini": uomo).
    WordKind kindOfIrregular(const QString &base) const;

    EndingRules(std::span<const Rule> rules, std::span<const char16_t *const> infinitives);

private:
    std::span<const Rule> m_rules;
    std::span<const char16_t *const> m_infinitives;
};

} // namespace ortelia
