// The text normaliser and the word splitter of the translators.
#include "FuzzSupport.h"
#include "TextRoutines.h"

using namespace ortelia;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::answerDialogs();
    return 0;
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
    }
    QString replaced = text;
    ZeichenErsetzen(replaced, QStringLiteral("  "), QStringLiteral(" "));
    return 0;
}
