#include "HelpText.h"

#include "CommandCatalogue.h"

namespace ortelia {

QString helpText()
{
    QString text =
        QStringLiteral("Aufruf: ortelia [--window FENSTER]\n"
                       "  oder: ortelia BEFEHL [ARGUMENT...]\n"
                       "Ortelia, das sprechende deutsche Wörterbuch und Übersetzungsprogramm.\n"
                       "\n"
                       "Ohne Befehl startet das Programm mit seinem Hauptfenster und seinem Symbol im\n"
                       "Infobereich. Läuft es schon, zeigt das laufende Programm das verlangte Fenster,\n"
                       "und der zweite Aufruf endet.\n"
                       "\n"
                       "Optionen:\n"
                       "  --window FENSTER  öffnet zusätzlich das Fenster FENSTER: Form3, TextUeberA,\n"
                       "                    Speaking, supertrans1, worter1, arabisch1, Logox4, hilfe1,\n"
                       "                    up1 oder zeit\n"
                       "  -h, --help        zeigt diese Hilfe an und endet\n"
                       "\n"
                       "Befehle (sie brauchen keine Anzeige):\n");
    for (const CommandEntry &command : kCommandCatalogue) {
        text += QStringLiteral("  ortelia %1\n      %2\n")
                    .arg(QString::fromUtf8(command.usage), QString::fromUtf8(command.summary));
    }
    text += QStringLiteral(
        "\n"
        "Umgebung:\n"
        "  ORTELIA_UPDATE_SERVER  Basis-Adresse des Update-Servers\n"
        "  ORTELIA_SPEECH_LOG     Datei, in die jede gesprochene Zeile geschrieben wird\n"
        "  ORTELIA_AUDIO=null     spricht in eine stumme Ausgabe\n"
        "  ORTELIA_PRINT_PDF      Datei, in die statt auf den Drucker gedruckt wird\n"
        "\n"
        "Rückgabewert: 0 bei Erfolg, 2 bei einem unbekannten Fenster, sonst ungleich 0 bei einem\n"
        "Fehler.\n");
    return text;
}

} // namespace ortelia
