#pragma once

#include "TextRoutines.h"

#include <QString>

namespace ortelia {

class HeadlessPage;

// Looks a word up on a dictionary page: German to foreign writes Forms(0).SuchDeu and presses
// Forms(0).suchenfeld; foreign to German writes Forms(0).SuchEng and presses englichsuche.
void LookUpOnPage(HeadlessPage &page, const QString &word, TextDirection direction);

// The page's answer in Forms(1).
struct LookupAnswer {
    QString translation; // Textfeld2
    QString german;      // Textfeld
    QString note;        // Textfeld3
    // What the search field holds after the search: the page's own correction of the word, or
    // empty, as the program's pages leave it.
    QString searchField;
};
// The answer fields (the search field left empty).
LookupAnswer readLookupAnswer(const HeadlessPage &page);
// The search field of the direction (SuchDeu or SuchEng).
QString searchFieldOf(TextDirection direction);

} // namespace ortelia
