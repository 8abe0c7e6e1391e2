#pragma once

#include <QString>

namespace ortelia {

class Speaker;

// How the list translator speaks: one quoted line in hilfe.txt of the current directory, spoken
// as it stands ("Hilfex"), or the same line as a request of the program folder ("Hilfe").
namespace ReadAloud {

enum class Button { Hilfex, Hilfe };
enum class Result { Spoken, Muted, NotWritten };

// Writes the request and speaks it unless muted. NotWritten: a request file could not be written
// and nothing is spoken. Given the text's language (a code, "en", or a name as the dictionaries
// answer it), the text speaks in the user's voice profile as the same speaker in that language:
// the standard speaker, a profile line in front, or none; without one it is read as it stands.
Result read(Speaker &speaker, const QString &text, Button button, bool muted,
            const QString &language = QString());

// The program's message for a request that could not be written.
void reportNotWritten();

} // namespace ReadAloud
} // namespace ortelia
