// The voice markup of speech requests.
#include "FuzzSupport.h"
#include "VoiceMarkup.h"

using namespace ortelia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString request = fuzz::text(data, size);
    for (const Utterance &utterance : VoiceMarkup::interpret(request, VoiceSettings())) {
        const SpokenLine speech = utterance.speech();
        if (speech.sourcePositions.size() != speech.text.size())
            __builtin_trap();
        for (qsizetype position : speech.sourcePositions) {
            if (position < 0 || position >= request.size())
                __builtin_trap();
        }
        utterance.text();
        utterance.settings.describe();
    }
    return 0;
}
