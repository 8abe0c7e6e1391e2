#pragma once

#include "LookUpOnPage.h"
#include "TextRoutines.h"

#include <QDir>
#include <QStringList>

#include <functional>
#include <variant>

namespace ortelia {

// ortelia lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page FILE] [--foreign] [--details]
// [--say [--wav FILE]] WORD...: the page, the words joined by blanks, the direction, whether the
// German answer's grammar follows the answer, and whether the answer is spoken too (into that WAV
// file, absolute, when one is given).
struct LookupCall {
    QString page;
    QString word;
    TextDirection direction = TextDirection::German;
    bool say = false;
    QString wavPath;
    bool details = false;
};

// The call of "lookup" with these arguments; otherwise its exit status, after the German message
// on standard error: 2 for a wrong call, 1 when the page is missing.
std::variant<LookupCall, int> readLookupCall(const QStringList &args, const QDir &startDir);

// True for a lookup to be spoken: the window program has the speech engine and the sound card.
bool lookupNeedsWindowProgram(const QStringList &args);

// Prints Textfeld2, Textfeld and Textfeld3, one per line, with details then the grammar of the
// German answer (GrammarTable), a line each where known. The exit status of the lookup: 0 when
// the page answered, 1 when it found nothing or standard output did not take the answer.
int printLookup(const LookupAnswer &answer, bool details = false);
// For an answer that found nothing: the words that suggestions gives, asked about on standard error
// ("Meinten Sie: bahnhof, bahnhöfe?"); suggestions is not called for an answer that found something.
void nameSuggestions(const LookupAnswer &answer, const std::function<QStringList()> &suggestions);

} // namespace ortelia
