#pragma once

#include "TextRoutines.h"

#include <QString>

namespace ortelia {

class HeadlessPage;

// Loads the page; false, with a German message on standard error, when it is missing.
bool openDictionaryPage(HeadlessPage &browser, const QString &page);

// Looks a word up on a dictionary page: German to foreign writes Forms(0).SuchDeu and presses
// Forms(0).suchenfeld; foreign to German writes Forms(0).SuchEng and presses englichsuche.
void LookUpOnPage(HeadlessPage &page, const QString &word, TextDirection direction);

// The page's answer in Forms(1).
struct LookupAnswer {
    QString translation;  // Textfeld2
    QString german;       // Textfeld
    QString note;         // Textfeld3
};
LookupAnswer readLookupAnswer(const HeadlessPage &page);

} // namespace ortelia
