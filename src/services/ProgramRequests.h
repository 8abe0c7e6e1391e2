#pragma once

#include "TextRoutines.h"

#include <QObject>
#include <QString>

namespace ortelia {

// The window a dictionary chooser or a keyboard serves.
enum class Served { Translator, TextTranslator };

// What one window asks of another. A window emits a request and does not know who answers it;
// the program connects each request to the window that does the work, creating that window when
// it is needed. Tests connect their own receivers.
class ProgramRequests : public QObject {
    Q_OBJECT
signals:
    // Answered by the main window.
    void openDescription();
    void showOptions();
    void readClipboardAloud();
    void openListTranslator();
    void openClipboardTranslator();
    // The clipboard translated in the text translator, narrow beside a hidden main window.
    void translateClipboard(ortelia::TextDirection direction);
    // F5 / F6 of the text translator: translate the clipboard, opening the panel if needed.
    void translateClipboardAndOpen(ortelia::TextDirection direction);
    // A word typed elsewhere (the Arabic keyboard) looked up in the main window's translator.
    void lookUpWord(const QString &word, ortelia::TextDirection direction);
    // A dictated word for the translator; it switches to dictation first if needed.
    void dictatedWord(const QString &word);
    // The chooser has loaded a dictionary for the window it serves.
    void dictionaryChosen(ortelia::Served served);
    // The voice settings window's voice line, to be selected in the translator's voice list.
    void selectVoiceLine(const QString &line);
    // The help window's explanation, shown in the main window's reading text too.
    void showExplanation(const QString &text);
    // The main window is ending the program: the tray takes its icon away.
    void programEnding();
    // The main window has closed: the program ends (answered by the program itself).
    void endProgram();

    // Answered by the text translator.
    void translateText(const QString &text, ortelia::TextDirection direction);
    void openTextTranslatorWide();
    void closeTextTranslator();
    // Closed without the steps of its own close button (the clipboard panel closes it).
    void dropTextTranslator();
    // The clipboard translator shows the text translator small or at its normal height.
    void setTextTranslatorMini(bool mini);
    // Shown in the top left corner in its narrow layout, at this height, for a window that feeds it.
    void arrangeTextTranslatorNarrow(int height);
    void flattenTextTranslator();

    // Answered by the other windows.
    void openChooser(ortelia::Served served);
    void openArabicKeyboard(ortelia::Served served);
    void speakHelp();
    void startUpdateSchedule();
    void checkForUpdates();
    void closeDictation();
};

} // namespace ortelia
