// The hover help of the main window: what each control writes into the help window's label,
// and the status texts some of them also show.

#include "Form3.h"

#include "ui_Form3.h"

#include "HoverHelp.h"

namespace ortelia {

void Form3::attachHoverHelp()
{
    using O = HoverHelp::Options;
    const auto plain = [](QWidget *control, const QString &text) { HoverHelp::attach(control, text); };
    const auto yellow = [](QWidget *control, const QString &text) {
        O options;
        options.highlight = HoverHelp::yellow();
        HoverHelp::attach(control, text, options);
    };
    const auto exit = [](QWidget *control, const QString &text) {
        O options;
        options.highlight = HoverHelp::lightRed();
        HoverHelp::attach(control, text, options);
    };
    // The text goes to the help label and the window's reading text alike.
    const auto told = [this](QWidget *control, const QString &text) {
        O options;
        options.highlight = HoverHelp::yellow();
        options.alsoDo = [this, text] { setStatus(text); };
        HoverHelp::attach(control, text, options);
    };

    // The telling rows.
    plain(ui->Check6, QStringLiteral("Uebersetzungsfenster in seiner Groesse aendern !"));
    told(ui->Command8,
         QStringLiteral(
             "5.[Trans-Ablage]..Zwischenablage-Translator:  Übersetzt Ihren in die Zwischenablage kopierten "
             "Text. Beispiel: Deutsch- Englisch und umgekehrt !Text übersetzen und anschließend automatisch "
             "vorlesen lassen: z.B. Deutsch-Englisch -[F5] und Englisch in Deutsch -[F6]! Oder mit den  "
             "Klickbutton!"));
    const std::pair<QWidget *, const char *> languages[] = {{ui->DeEn, "Englisch"},
                                                            {ui->DeFr, "Französisch"},
                                                            {ui->deGr, "Griechisch"},
                                                            {ui->DeIt, "Italienisch"},
                                                            {ui->DeSp, "Spanisch"}};
    for (const auto &[button, language] : languages)
        yellow(button, QStringLiteral("Sprechendes Wörterbuch Laden... Deutsch ") +
                           QString::fromUtf8(language) + QLatin1Char('!'));
    const QString hideText = QStringLiteral(
        "Fenster verstecken ! Wieder öffnen :  Siehe Symbol am rechten, unteren Bildschirmrand ! ");
    plain(ui->Label14, hideText);
    plain(ui->verstecken, hideText);
    plain(ui->Label23, QStringLiteral("Extra Fenster Wörterbuch Suchtreffer Anzeigen: "));
    plain(ui->lblDrag, QStringLiteral("Mit gedrückter linkem-Maus kann das Fenster verschoben werden !"));
    plain(ui->Label1, QStringLiteral("Mit Klick lese ich den Fenster Inhalt."));
    exit(ui->Label7, QStringLiteral("Alle Fenster schließen. Programm Ende."));
    plain(ui->Label19,
          QStringLiteral(
              "In diesem Fenster kann der Mausbereich mit der F12 Taste eingeschränkt werden! Die "
              "Einschränkung kann dann wider mit der F10 Taste aufgehoben werden! Das Hilfefenster "
              "Automatisch lesen [Ein F11.. Aus F8 Taste]. Wählen Sie mit der [ Tabulator ]-Taste.      "
              "     mit [ ENTER ] bestätigen. "));
    {
        O options;
        options.highlight = HoverHelp::lightRed();
        options.alsoDo = [this] {
            setStatus(QStringLiteral("Programm beenden !"));
            ui->Label2->clear();
        };
        HoverHelp::attach(ui->schließen, QStringLiteral("Alle Fenster schließen. Programm Ende. [EXIT]"),
                          options);
    }
    {
        const QString text = QStringLiteral(
            "Wählen Sie mit der [ Tabulator ]-Taste.           Bitte mit [ ENTER ] bestätigen. ");
        O options;
        options.onFocus = true;
        options.alsoDo = [this, text] { setStatus(text); };
        HoverHelp::attach(ui->Hallo, text, options);
    }

    // The remaining controls, in the same manner.
    told(ui->Command13,
         QStringLiteral(
             "1.[Translator:] Sprechendes Translator-Wörterbuch: Schreiben Sie ein Wort in das Textfeld "
             "und drücken Sie die [Enter]-Taste. Die Übersetzung wird angezeigt und vorgesprochen!"));
    told(ui->Command14,
         QStringLiteral("2.[Synchron Dolmetscher] Translator im Diktiermodus: Für eine Mikrofon unterstützte "
                        "Sprachsteuerung. Nach einer Sprechpause wird automatisch übersetzt!"));
    told(ui->Command12,
         QStringLiteral("3.[Uebersetzer:] Text-Übersetzer: Übersetzt ganze Texte Wort für Wort und liest die "
                        "Übersetzung vor!"));
    told(ui->textueber1, QStringLiteral("Text-Übersetzer öffnen: Ganze Texte Wort für Wort übersetzen!"));
    told(ui->supertrannn,
         QStringLiteral(
             "4.[Listen-Translator] Das ganze Wörterbuch in vier alphabetischen Listen. Tippen Sie die "
             "ersten Buchstaben eines Wortes!"));
    told(ui->Command9,
         QStringLiteral(
             "6.[Stimmuster:] Individuelle Stimm Muster Einstellung: Sprecher, Geschwindigkeit, Tonhöhe, "
             "Lautstärke und Echo einstellen!"));
    told(ui->hilfeL1,
         QStringLiteral("Hilfe Fenster öffnen! Jedes Bedienelement wird dort erklärt. [F1] Taste."));
    told(ui->url, QStringLiteral("Programm Beschreibung mit Bildern öffnen! [F4] Taste."));
    told(ui->Hilfe, QStringLiteral("Info: Programm Beschreibung öffnen!"));
    told(ui->updates,
         QStringLiteral(
             "Neue Wörterbuch Updates über das Internet durchführen. Sucht neue Wörterbücher. Dazu muß eine "
             "Internet-Verbindung bestehen !"));
    told(
        ui->zeiteinstellung,
        QStringLiteral("Updates Zeiteinstellung täglich oder monatlich, Wörterbuch Updates über das Internet "
                       "durchführen.  Dazu muß eine Internet-Verbindung bestehen !"));
    const QString optionText =
        QStringLiteral("Optionen: Programm Start und Computer Geschwindigkeit einstellen!");
    for (QWidget *option : {static_cast<QWidget *>(ui->Label11), static_cast<QWidget *>(ui->op),
                            static_cast<QWidget *>(ui->optionLink)})
        plain(option, optionText);
    plain(ui->Label10, QStringLiteral("Text-Übersetzer in voller Größe anzeigen! Vollansicht."));
    plain(ui->Label4, QStringLiteral("Ortelia Zuzadivi Zeverovazur: Sprechendes Translator-Wörterbuch!"));
    yellow(ui->laenderfenster, QStringLiteral("Wörterbücher-Translator: Ein anderes Wörterbuch auswählen!"));
    exit(ui->landzu, QStringLiteral("Länder Auswahl schließen!"));
    plain(ui->Frame4, QStringLiteral("[ Länder Auswahl ] Wählen Sie die Sprache des Wörterbuches!"));
    for (QPushButton *clipboard : {ui->Command15, ui->Command16}) {
        O options;
        options.highlight = HoverHelp::yellow();
        options.alsoDo = [this, clipboard] {
            const QString text =
                clipboard->text() +
                QStringLiteral(": Zwischenablage Translator übersetzt Ihren in die Zwischenablage "
                               "kopierten Text und spricht automatisch die Übersetzung aus.");
            HoverHelp::setHelpText(text);
            setStatus(text);
        };
        HoverHelp::attach(clipboard, QString(), options);
    }
    exit(ui->Command17, QStringLiteral("Zwischenablage-Translator schließen!"));
    plain(ui->Frame5,
          QStringLiteral("Zwischenablage-Translator: Übersetzt Ihren in die Zwischenablage kopierten Text!"));
    plain(ui->Picture12, QStringLiteral("Ton Stop: Das Vorlesen beenden!"));
    plain(ui->Picture13, QStringLiteral("Fenster wieder schmal machen!"));
    plain(ui->Picture13D, QStringLiteral("Fenster minimieren!"));
    plain(ui->Picture2, QStringLiteral("Zwischenablage vorsprechen ! [F7] Taste."));
    plain(ui->Picture20, QStringLiteral("Wörterbuch Auswahl für den Text-Übersetzer!"));
    plain(ui->weort, HoverHelp::textOf(ui->Picture20));
    plain(ui->PicturePlay, QStringLiteral("Mit Klick lese ich den Fenster Inhalt."));
    plain(ui->PicturePause, QStringLiteral("Vorlesen anhalten! Pause."));
    plain(ui->PictureWeiter, QStringLiteral("Vorlesen fortsetzen! Weiter."));
    plain(ui->PictureStop, QStringLiteral("Vorlesen beenden! Stop. [F3] Taste."));
}

} // namespace ortelia
