#include "SpokenLookup.h"

#include "Dictionary.h"
#include "HeadlessPage.h"
#include "LookupCall.h"
#include "SayCommand.h"
#include "Speaker.h"
#include "SpeechEngine.h"
#include "TabularDataPages.h"
#include "VoiceChoice.h"

#include <cstdio>

namespace ortelia {

int runSpokenLookup(const QStringList &args, const QDir &startDir)
{
    const std::variant<LookupCall, int> call = readLookupCall(args, startDir);
    if (const int *status = std::get_if<int>(&call))
        return *status;
    const LookupCall &lookup = std::get<LookupCall>(call);
    std::optional<QString> target;
    if (!lookup.wavPath.isEmpty() && !(target = wavTarget(lookup.wavPath)))
        return 2;

    registerTabularDataObject();
    HeadlessPage page;
    page.navigate(lookup.page);
    Dictionary dictionary(page);
    // The dictionary names its two languages under "??", which the translator window asks too.
    const LookupAnswer languages =
        dictionary.answer(QStringLiteral("??"), TextDirection::German).value_or(LookupAnswer{});
    const LookupAnswer answer = dictionary.answer(lookup.word, lookup.direction).value_or(LookupAnswer{});
    const int status = printLookup(answer, lookup.details);
    const QString spoken = lookup.direction == TextDirection::German ? answer.translation : answer.german;
    if (!lookup.say || spoken.isEmpty())
        return status;

    SpeechEngine engine;
    Speaker speaker(engine);
    QObject::connect(&speaker, &Speaker::message,
                     [](const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    const QString language =
        VoiceChoice::answerLanguage(languages.translation, languages.note, lookup.direction);
    const QStringList request = speaker.inLanguage(speaker.voiceProfile() << spoken, language);
    const int said = sayRequest(engine, request.join(QLatin1Char('\n')), target, lookup.wavPath);
    return status != 0 ? status : said;
}

} // namespace ortelia
