#include "SpeechPage.h"

#include "ProgramFolder.h"
#include "SpeechEngine.h"
#include "SpeechPageObject.h"
#include "WebBrowser.h"

#include <QPointer>

namespace ortelia {

namespace {

QPointer<WebBrowser> g_main;

bool press(const QString &button)
{
    return g_main && g_main->click(0, button);
}

bool speakRequest(const QString &fileName, const QString &button, QStringList &lines, AfterWriting after)
{
    if (!writeRequest(ProgramFolder::path(fileName), lines, after))
        return false;
    return press(button);
}

} // namespace

namespace SpeechPage {

void load(WebBrowser &browser, const QString &page)
{
    SpeechPageObject::registerType();
    browser.navigate(ProgramFolder::path(page));
}

void setMainPage(WebBrowser *browser)
{
    g_main = browser;
}

WebBrowser *mainPage()
{
    return g_main;
}

} // namespace SpeechPage

bool SpeakText(QStringList &lines, AfterWriting after)
{
    return speakRequest(QStringLiteral("hilfe.txt"), QStringLiteral("Hilfe"), lines, after);
}

bool SpeakTranslation(QStringList &lines, AfterWriting after)
{
    return speakRequest(QStringLiteral("erkennung.txt"), QStringLiteral("erkennung"), lines, after);
}

bool SpeakPageHelp()
{
    return press(QStringLiteral("Hilfex"));
}

void StopSpeech()
{
    press(QStringLiteral("stop"));
}

void PauseSpeech()
{
    press(QStringLiteral("pause"));
}

void ResumeSpeech()
{
    press(QStringLiteral("Weiter"));
}

void RepeatSpeech()
{
    press(QStringLiteral("Nochmal"));
}

void TestVoice(WebBrowser &voicePage)
{
    voicePage.click(0, QStringLiteral("stimm"));
}

} // namespace ortelia
