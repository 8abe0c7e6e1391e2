#include "LookUpOnPage.h"

#include "WebBrowser.h"

namespace ortelia {

void LookUpOnPage(WebBrowser &browser, const QString &word, TextDirection direction)
{
    const bool german = direction == TextDirection::German;
    browser.setValue(0, german ? QStringLiteral("SuchDeu") : QStringLiteral("SuchEng"), word);
    browser.click(0, german ? QStringLiteral("suchenfeld") : QStringLiteral("englichsuche"));
}

LookupAnswer readLookupAnswer(const WebBrowser &browser)
{
    return {browser.value(1, QStringLiteral("Textfeld2")), browser.value(1, QStringLiteral("Textfeld")),
            browser.value(1, QStringLiteral("Textfeld3"))};
}

} // namespace ortelia
