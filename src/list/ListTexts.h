#pragma once

#include <QString>
#include <QStringList>

// The list translator's fixed texts: its description panel's wordings and the example
// dictionary's message.
namespace ortelia::ListTexts {

inline const QString kDescription = QStringLiteral(
    "Beispiel: [Woerterbuch-Muster.txt] Schreiben Sie in das gelb markierte Textfeld [hallo] danach drücken "
    "Sie "
    "auf die [Entertaste]! Nun wird das geschriebene Wort [hallo] hier im Beispiel Englisch also [hello] "
    "übersetzt und ausgesprochen! Gleichzeitig wird eine Liste angezeigt mit folgenden Einträgen: "
    "[hallo;hello;Gruss]. Mit Doppelklick können Sie das Wort auch übersetzen und vorlesen lasen! Oder mit "
    "den "
    "Klick Button rechts neben der Liste. Über den Klickbutton [Land] können Sie ein Wörterbuch auswählen.");
inline const QString kExampleText = QStringLiteral(
    "Das Woerterbuch-Muster soll nur als Vorlage dienen,um gegebenenfalls in einer beliebigen Sprache ein "
    "eigenes Wörterbuch zu erstellen.");
inline const QString kVoiceHelp =
    QStringLiteral("[Stimme] Mit Ihrem individuellem erstelltem Stimmuster Übersetzung "
                   "vorlesen lassen.");

// The description's other wordings: hover over "Beschreibung: >" and its click.
inline QString descriptionHovered()
{
    return QString(kDescription).replace(QStringLiteral("Liste. Über"), QStringLiteral("Liste.Über"));
}
inline QString descriptionClicked()
{
    return descriptionHovered().replace(QStringLiteral("danach"), QStringLiteral("Danach"));
}

inline QString exampleFormatMessage()
{
    const QString sep = QString(8, QLatin1Char('\\'));
    return QStringList{
        QStringLiteral("Das Wörterbuch ist mit 3 Trennlinien eingeteilt"),
        QStringLiteral("z.B. [1%1 Trennlinie ]  [2%1 Trennlinie ]  [3%1 Trennlinie ].").arg(sep),
        QStringLiteral("Grosse umfangreiche Wörterbücher müssen so aufgeteilt werden,"),
        QStringLiteral("ansonsten ist der Listenspeicher überladen."),
        QStringLiteral("Und eine Fehler Meldung wird angezeigt.")}
        .join(QStringLiteral("\r\n"));
}

} // namespace ortelia::ListTexts
