#include "ReadAloud.h"

#include "Dialogs.h"
#include "Speaker.h"
#include "TextFile.h"

#include <QDir>

namespace ortelia::ReadAloud {

Result read(Speaker &speaker, const QString &text, Button button, bool muted, const QString &language)
{
    // The list translator's voice lines are the profile's (its voice box) or the standard speaker:
    // all of them speak as the same speaker in the text's language.
    QStringList lines = speaker.inLanguage(
        speaker.listInLanguage({QLatin1Char('"') + text + QLatin1Char('"')}, language), language);
    if (!TextFile::writeLinesInPlace(QDir::current().filePath(QStringLiteral("hilfe.txt")), lines))
        return Result::NotWritten;
    if (muted)
        return Result::Muted;
    if (button == Button::Hilfex) {
        speaker.speak(lines);
        return Result::Spoken;
    }
    // "Hilfe" speaks the program folder's hilfe.txt: the same one request line.
    return speaker.speakText(lines) ? Result::Spoken : Result::NotWritten;
}

void reportNotWritten()
{
    Dialogs::message(Dialogs::programTitle(),
                     QStringLiteral("Achtung : Schreibschutz entfernen [hilfe.txt]!"));
}

} // namespace ortelia::ReadAloud
