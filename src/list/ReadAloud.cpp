#include "ReadAloud.h"

#include "Dialogs.h"
#include "SpeechPage.h"
#include "TextFile.h"

#include <QDir>

namespace ortelia::ReadAloud {

Result read(const QString &text, Button button, bool muted)
{
    const QString request = QLatin1Char('"') + text + QLatin1Char('"');
    if (!TextFile::writeLinesInPlace(QDir::current().filePath(QStringLiteral("hilfe.txt")), {request}))
        return Result::NotWritten;
    if (muted)
        return Result::Muted;
    if (button == Button::Hilfex)
        return SpeakPageHelp() ? Result::Spoken : Result::NoSpeech;
    // "Hilfe" speaks the program folder's hilfe.txt: the same one request line.
    QStringList lines{request};
    return SpeakText(lines) ? Result::Spoken : Result::NoSpeech;
}

void reportNotWritten()
{
    Dialogs::message(Dialogs::programTitle(),
                     QStringLiteral("Achtung : Schreibschutz entfernen [hilfe.txt]!"));
}

void reportNoSpeech()
{
    Dialogs::message(Dialogs::programTitle(), QStringLiteral("Achtung : Haben Sie webspeech installiert ? "
                                                             "http://www.logox.de/download.php"));
}

} // namespace ortelia::ReadAloud
