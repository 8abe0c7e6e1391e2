#pragma once

#include <QString>
#include <QStringView>

// How far apart two spellings of a word are, for suggesting the words a dictionary holds.
namespace ortelia::SpellingDistance {

// The word as the distance compares it, written into spelling: case-folded, with "ä", "ö", "ü"
// written "ae", "oe", "ue" and "ß" written "ss", so that "baer" and "bär" are one spelling.
void spell(QStringView word, QString &spelling);
QString spelling(QStringView word);

// The edit distance of two spellings (a letter added, dropped, changed, or two neighbours
// swapped), or limit + 1 when it is more than limit.
int distance(QStringView a, QStringView b, int limit);

} // namespace ortelia::SpellingDistance
