// The text normaliser and the word splitter of the translators.
#include "FuzzSupport.h"
#include "TextRoutines.h"

using namespace ortelia;

// After the translate action's two passes, every line feed and every double quote, plain or
// typographic, stands as a line-break marker.
bool keepsLineBreakOrDoubleQuote(const QString &text)
{
    for (const char16_t c : {u'\n', u'"', u'\u201E', u'\u201C', u'\u201D', u'\u00AB', u'\u00BB'}) {
        if (text.contains(QChar(c)))
            return true;
    }
    return false;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzz::text(data, size);
    for (TextDirection direction : {TextDirection::German, TextDirection::Foreign}) {
        const QString normal = normalizeForTranslation(text, direction);
        if (const std::optional<QStringList> words = splitWords(normal, QLatin1Char(' '))) {
            if (words->size() > kMaxWords)
                __builtin_trap();
        }
        if (keepsLineBreakOrDoubleQuote(normalizeForTranslation(normal, direction)))
            __builtin_trap();
    }
    QString replaced = text;
    ZeichenErsetzen(replaced, QStringLiteral("  "), QStringLiteral(" "));
    return 0;
}
