#pragma once

#include "GermanGrammar.h"
#include "Glossary.h"

#include <QString>

namespace ortelia {

// A German-English word list in the Ding format (Debian's trans-de-en): one line per sense,
// "German pieces :: English pieces", pieces separated by " | " (the first names the headwords and
// their translations, the others inflected forms and examples), synonyms by ";", labels in [],
// grammar in {}, remarks in (). Lines keep the source's order of senses.
namespace DingSource {

// Adds every line's headwords with their translations, and every line as evidence; with grammar,
// the headwords' grammar too (DingGrammar). Returns the number of lines read; -1 with error when
// the file cannot be read.
int add(Glossary &glossary, const QString &path, QString &error, GermanGrammar *grammar = nullptr);
// The same for text already read.
int addText(Glossary &glossary, const QString &text, GermanGrammar *grammar = nullptr);

} // namespace DingSource
} // namespace ortelia
