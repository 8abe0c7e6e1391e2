#include "LookUpOnPage.h"

#include "HeadlessPage.h"

namespace ortelia {

QString searchFieldOf(TextDirection direction)
{
    return direction == TextDirection::German ? QStringLiteral("SuchDeu") : QStringLiteral("SuchEng");
}

void LookUpOnPage(HeadlessPage &page, const QString &word, TextDirection direction)
{
    page.setValue(0, searchFieldOf(direction), word);
    page.click(0, direction == TextDirection::German ? QStringLiteral("suchenfeld")
                                                     : QStringLiteral("englichsuche"));
}

LookupAnswer readLookupAnswer(const HeadlessPage &page)
{
    return {page.value(1, QStringLiteral("Textfeld2")),
            page.value(1, QStringLiteral("Textfeld")),
            page.value(1, QStringLiteral("Textfeld3")),
            {}};
}

} // namespace ortelia
