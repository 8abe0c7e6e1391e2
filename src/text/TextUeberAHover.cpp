// The hover help of the text translator: what each control writes into the help window's label.

#include "TextUeberA.h"

#include "ui_TextUeberA.h"

#include "HoverHelp.h"

#include <QColor>

namespace ortelia {

void TextUeberA::attachHoverHelp()
{
    const std::pair<QWidget *, const char *> texts[] = {
        {ui->auf,
         "Wörterbuch Auswahl: In Auswahlfenster mit Doppelklick Wörterbuch Laden... ! Oder mit Klick auf "
         "[Übernehme [OK] Lade]."},
        {ui->Check1, ": Über Sprachsteuerung"},
        {ui->Check2, ": Über Sprachsteuerung"},
        {ui->CloseButton, "  Beenden: Schließt das Text-Übersetzer-Fenster! "},
        {ui->Command9, "  Lösche: Löscht den Text im deutschen Eingabe-Textfeld! "},
        {ui->Command10, "  Clear: Löscht den Text im Englischen Eingabe-Textfeld! "},
        {ui->Command11, "  Clear: Löscht die übersetzten Text der Englischen  Liste! "},
        {ui->Command12, "  Lösche: Löscht die übersetzten Text der Deutschen  Liste! "},
        {ui->Command16, "  Löscht den übersetzten Text der Deutschen und Englischen Liste! "},
        {ui->Command3, "  Speech: Liest den übersetzten Text der Englischen  Liste! "},
        {ui->Command5, "  Sprich: Liest den übersetzten Text der Deutschen  Liste! "},
        {ui->DeEn, "Sprechendes Wörterbuch Laden... Deutsch Englisch!"},
        {ui->DeFr, "Sprechendes Wörterbuch Laden... Deutsch Französisch!"},
        {ui->deGr, "Sprechendes Wörterbuch Laden... Deutsch Griechisch!"},
        {ui->DeIt, "Sprechendes Wörterbuch Laden... Deutsch Italienisch!"},
        {ui->DeSp, "Sprechendes Wörterbuch Laden... Deutsch Spanisch!"},
        {ui->fensterschlissen, "  Fenster schließen! "},
        {ui->landzu, "Schließe Länder Auswahl!"},
        {ui->Option1_0, "  Anschließend nicht vorlesen! "},
        {ui->Option1E_0, "  Anschließend nicht vorlesen! "},
        {ui->Picture7, "  Verkleinert das Fenster!"},
        {ui->Picture9, "  Verkleinert das Fenster!"},
        {ui->Picture8, "  Vergrößert das Fenster!"},
        {ui->Picture10, "  Vergrößert das Fenster!"},
        {ui->SpeedLabel,
         "  Geschwindigkeits-Schieberegler: können Sie die Übersetzungsgeschwindigkeit einstellen! "
         "Und somit für ihrem Computer das Programm individuell anpassen! Geschwindigkeit in "
         "Millisekunden!"},
        {ui->StopButton, "  Stop: Das vorlesen! "},
        {ui->stopteim, "  Stop: Stoppt das Übersetzen! "},
        {ui->Text, "Deutsches Text-Eingabefeld::"},
        {ui->TextE, "Englisches Text-Eingabefeld::"},
        {ui->Text3, "...Stimme Auswählen"},
        {ui->verstecken, "  Verstecken das Text-Übersetzer-Fenster ! "},
        {ui->einfDE, "  Ein  Wort aus der Zwischenablage einfügen und übersetzen!"},
        {ui->einfGB, "  Ein  Wort aus der Zwischenablage einfügen und übersetzen!"},
        {ui->hrml, "  Kopiert den Text aus der Englischen Liste in das untere gelbe Textfeld! "},
        {ui->html2, "  Kopiert den Text aus der Deutschen Liste in das untere gelbe Textfeld! "},
        {ui->kop1, "  Kopiert den Text im  Gelben Textfeld!"},
        {ui->PauseButton, "  Pause: Beim vorlesen machen! "},
        {ui->Picture1,
         "  Deutscher-Text-Einfügen : Mit Klick Text aus der Zwischenablage in das Deutsche Eingabe "
         "Textfeld einfügen!"},
        {ui->Picture2, "  Englischer-Text-Einfügen : Mit Klick Text aus der Zwischenablage in das Englische "
                       "Eingabe Textfeld einfügen!"},
        {ui->Picture5, "  Kopiert den Text in die Zwischenablage!"},
        {ui->Picture6, "  Den Text im gelben Textfeld  ausdrucken."},
        {ui->speicherngast, "Text in der Gelber Liste speichern. [Gast.txt]!"},
        {ui->Text2, "Gelbes Textfeld:"},
        {ui->Text4, "...Stimme Auswählen"},
    };
    for (const auto &[control, text] : texts)
        HoverHelp::attach(control, QString::fromUtf8(text));
    for (ClickLabel *book : {ui->Label35, ui->Label36, ui->Label37, ui->Label38, ui->Label39})
        HoverHelp::attach(book, QStringLiteral("Sprechendes Wörterbuch bearbeiten. Mit Klick öffnen !"));
    const QString lists = QStringLiteral(
        "  Durch einmaligem Klick der Linken Maus Taste auf die Liste wird der Text in das unteren "
        "rechte Gelbe Textfeld, kopiert. Durch Doppelklick auf eine Wort in der Liste wird das "
        "angeklickte Wort aus der liste entfernt ! ");
    HoverHelp::attach(ui->List1, lists);
    HoverHelp::attach(ui->List2, lists);
    for (QPushButton *paste : {ui->Command6, ui->ni}) {
        HoverHelp::attach(
            paste, QStringLiteral("Mit Klick den ") + paste->text() +
                       QStringLiteral("  -Text-Einfügen ...: Erst wird das Textfeld gelöscht, dann Text "
                                      "aus der Zwischenablage in das Eingabe - Textfeld eingefügt! "));
    }
    // Over the language frame itself the help is emptied and the highlights go back.
    HoverHelp::Options bare;
    bare.highlight = QColor();
    HoverHelp::attach(ui->Frame4, QString(), bare);
    // The start buttons name the direction they translate, which follows the chosen pair.
    HoverHelp::Options speak;
    speak.alsoDo = [this] {
        HoverHelp::setHelpText(QStringLiteral("Startet die Übersetzung von %1 in %2")
                                   .arg(ui->SpeakButton->text(), ui->SpeakButtonE->text()));
    };
    HoverHelp::attach(ui->SpeakButton, QString(), speak);
    HoverHelp::Options speakForeign;
    speakForeign.alsoDo = [this] {
        HoverHelp::setHelpText(QStringLiteral("Startet die Übersetzung von %1 in %2")
                                   .arg(ui->SpeakButtonE->text(), ui->SpeakButton->text()));
    };
    HoverHelp::attach(ui->SpeakButtonE, QString(), speakForeign);
    // Beside the speed slider's caption: the speed as the caption shows it now.
    HoverHelp::Options speed;
    speed.alsoDo = [this] { HoverHelp::setHelpText(ui->SpeedLabel->text()); };
    HoverHelp::attach(ui->Label4, QString(), speed);
}

} // namespace ortelia
