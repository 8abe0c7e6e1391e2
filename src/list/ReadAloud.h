#pragma once

#include <QString>

namespace ortelia {

// How the list translator speaks: one quoted line in hilfe.txt of the current directory, then a
// button of the main window's speech page.
namespace ReadAloud {

enum class Button { Hilfex, Hilfe };
enum class Result { Spoken, Muted, NotWritten, NoSpeech };

// Writes the request; presses the button unless muted. NotWritten: the file could not be
// written (and nothing is pressed); NoSpeech: the page did not take the press.
Result read(const QString &text, Button button, bool muted);

// The program's messages for the two failures.
void reportNotWritten();
void reportNoSpeech();

} // namespace ReadAloud
} // namespace ortelia
