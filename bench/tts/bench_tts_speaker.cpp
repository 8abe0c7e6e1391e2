// The program's path from a translation to speak to the first sample at the sink: the speaker
// writes erkennung.txt in the program folder and hands the request to the engine.

#include "FirstSample.h"
#include "ProgramFolder.h"
#include "Speaker.h"

#include <QTemporaryDir>

namespace {

using namespace ortelia;

void FirstSampleFromSpeaker(benchmark::State &state, SpeechEngine &engine)
{
    QTemporaryDir dir;
    ProgramFolder::setRoot(dir.path());
    Speaker speaker(engine);
    bench::timeToFirstSample(state, engine, [&] {
        QStringList lines = {QStringLiteral("#voice=name:lgx.de.silke#"), QStringLiteral("Hallo")};
        speaker.speakTranslation(lines);
    });
}

} // namespace

namespace ortelia::bench {

// Called by bench_tts.cpp's main() with the process's engine.
void registerSpeakerBenchmark(SpeechEngine &engine)
{
    benchmark::RegisterBenchmark("FirstSampleFromSpeaker", FirstSampleFromSpeaker, std::ref(engine))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
}

} // namespace ortelia::bench
