#pragma once

#include "SpeechRequest.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

namespace ortelia {

class WebBrowser;

// The class id of the speech engine object on the program's speech pages.
inline constexpr QLatin1String kSpeechObjectClassId("clsid:0A7E11A0-0E7E-4A11-A5EE-000000000001");

namespace SpeechPage {

// Loads a speech page of the program folder ("sp", "sprech.htm", "blank.htm") into browser, with
// the speech engine object available to its scripts.
void load(WebBrowser &browser, const QString &page);
// The main window's speech page "sp", which speaks for the whole program. The operations below
// do nothing while there is none. Once a page is set, the engine's messages for the user are
// shown in the help label.
void setMainPage(WebBrowser *browser);
WebBrowser *mainPage();

} // namespace SpeechPage

// Writes lines to hilfe.txt in the program folder and presses the speech page's "Hilfe". The
// press follows the close of the file; a file that could not be written is not spoken (the
// page would speak the previous request). True when written and pressed.
bool SpeakText(QStringList &lines, AfterWriting after = AfterWriting::EmptyList);
// The same with erkennung.txt and "erkennung".
bool SpeakTranslation(QStringList &lines, AfterWriting after = AfterWriting::EmptyList);
// Presses "Hilfex": the page speaks the quoted line its caller has just written to hilfe.txt in
// the current directory. False when the press failed (no page, no button).
bool SpeakPageHelp();
void StopSpeech();
void PauseSpeech();
void ResumeSpeech();
void RepeatSpeech();
// Presses "stimm" of the voice settings window's page sprech.htm: it speaks stimm2.txt.
void TestVoice(WebBrowser &voicePage);

} // namespace ortelia
