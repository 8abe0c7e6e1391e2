#pragma once

#include "TextRoutines.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace ortelia::VoiceChoice {

// The language of a text by its name as the dictionaries answer it ("Deutsch", "Englisch",
// "Frazösisch") or by its code ("en"): the code of the program's voices, empty when it has none.
QString languageOf(const QString &name);

// The language of a translator's answer: the pair's second language for a German word, the first
// one (German) for a foreign word.
QString answerLanguage(const QString &first, const QString &second, TextDirection direction);

// The installed voice that the first voice tag of the lines names; -1 when they name none.
int namedVoice(const QStringList &lines);

// A request that carries the user's voice profile (a translation), spoken in language (a code):
// each voice it names becomes the same speaker in that language (the variant stays, the other
// tags stay as they are). A request that names no voice gets the speaker of fallbackVoice (the
// engine's voice, which would have spoken it) ahead of its first line. Unchanged for an empty
// language.
QStringList inLanguage(const QStringList &lines, const QString &language, int fallbackVoice);

// A list read aloud: its standard speaker ("#Standar Sprecher#" in the text translator, "#Standard
// Sprecher#" in the list translator) is the profile, given in the list's language; each marker
// becomes the profile's lines, in order on the marker's line. A voice picked for the list stays
// as picked; a list that names none is read by the profile too. profile is asked only when needed.
QStringList forList(const QStringList &lines, const std::function<QStringList()> &profile);

} // namespace ortelia::VoiceChoice
