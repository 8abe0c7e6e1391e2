#pragma once

#include "Glossary.h"
#include "Pivot.h"

#include <QHash>
#include <QStringList>

namespace ortelia {

// FreeDict dictd entries: a headword line, then sense lines ("1. a, b 2."), German or foreign
// glosses, examples ("\"ein Haus bauen\"  - build a house"), notes, synonyms and references.
namespace FreedictSource {

// A German-X dictionary: its keys and translations, its examples as evidence.
void addGerman(Glossary &glossary, const QStringList &entries);
// An X-German dictionary turned round: each German translation becomes a key of the foreign
// headword (ranked after a pair's own translations).
void addInverted(Glossary &glossary, const QStringList &entries);
// German key -> its translations in the source's order, each once; with inverted, of an X-German
// dictionary turned round.
void addGermanTranslations(QHash<QString, QStringList> &table, const QStringList &entries, bool inverted);
// An English-X dictionary turned round: foreign word (lower case) -> the English headwords that
// give it, ranked by its place in each entry.
void addForeignToEnglish(QHash<QString, QList<RankedWord>> &table, const QStringList &entries);
// English word (lower case) -> the first translation of each entry an English-X dictionary has
// for it; with reversed, an X-English dictionary read the other way round.
void addEnglishTranslations(QHash<QString, QStringList> &table, const QStringList &entries, bool reversed);

} // namespace FreedictSource
} // namespace ortelia
