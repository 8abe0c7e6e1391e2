#include "LookUpOnPage.h"

#include "HeadlessPage.h"
#include "PageCommandLine.h"

namespace ortelia {

bool openDictionaryPage(HeadlessPage &browser, const QString &page)
{
    if (!pageExists(page))
        return false;
    browser.navigate(page);
    return true;
}

void LookUpOnPage(HeadlessPage &page, const QString &word, TextDirection direction)
{
    const bool german = direction == TextDirection::German;
    page.setValue(0, german ? QStringLiteral("SuchDeu") : QStringLiteral("SuchEng"), word);
    page.click(0, german ? QStringLiteral("suchenfeld") : QStringLiteral("englichsuche"));
}

LookupAnswer readLookupAnswer(const HeadlessPage &page)
{
    return {page.value(1, QStringLiteral("Textfeld2")), page.value(1, QStringLiteral("Textfeld")),
            page.value(1, QStringLiteral("Textfeld3"))};
}

} // namespace ortelia
