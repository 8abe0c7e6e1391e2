// Speech: the delay from a request to the first sample at the sink, how far word events are from
// the heard words, underruns while the window thread is busy, and the whole "ortelia say --wav"
// process against "espeak-ng -w". There is no sound card on the build machine: the sinks here
// are silent ones that play at real-time pace, with a sound card's buffer.

#include "FirstSample.h"
#include "ProgramFolder.h"
#include "SpeechRequest.h"
#include "TextFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace {

using namespace ortelia;

const QString kSentence =
    QStringLiteral("Der schnelle braune Fuchs springt heute über den faulen Hund und läuft danach "
                   "fröhlich durch den grünen Wald nach Hause");

// A one-word request written to erkennung.txt, read back and handed to the engine: the engine's
// share of the program's path (bench_tts_speaker.cpp times the whole of it).
void FirstSampleFromEngine(benchmark::State &state, SpeechEngine &engine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("erkennung.txt"));
    bench::timeToFirstSample(state, engine, [&] {
        QStringList lines = {QStringLiteral("#voice=name:lgx.de.silke#"), QStringLiteral("Hallo")};
        writeRequest(path, lines, AfterWriting::EmptyList);
        engine.speak(TextFile::readLines(path)->join(QLatin1Char('\n')));
    });
}

// A silent sound card that notes when the first sound of a request is heard.
class OnsetSink : public PacedSink {
public:
    explicit OnsetSink(int sampleRate) : PacedSink({sampleRate, 1}) {}
    bool write(const float *frames, qsizetype count) override
    {
        if (onset < 0) {
            for (qsizetype k = 0; k < count; ++k) {
                if (std::abs(frames[k]) > 0.01f) {
                    onset =
                        bench::nowNs() + (qint64(bufferedFrames()) + k) * 1000000000 / format().sampleRate;
                    break;
                }
            }
        }
        return PacedSink::write(frames, count);
    }
    std::atomic<qint64> onset{-1};
};

// From the first word event to the moment its first sound is heard (absolute difference).
void WordEventToHeardWord(benchmark::State &state, SpeechEngine &engine)
{
    auto sink = std::make_unique<OnsetSink>(engine.sampleRate());
    OnsetSink *heard = sink.get();
    engine.setOutput(std::move(sink));
    qint64 event = -1;
    const QMetaObject::Connection first = QObject::connect(&engine, &SpeechEngine::wordSpoken, [&] {
        if (event < 0)
            event = bench::nowNs();
    });
    for (auto _ : state) {
        heard->onset = -1;
        event = -1;
        engine.speak(QStringLiteral("#voice=name:lgx.de.silke#Hallo"));
        bench::waitUntil([&] { return !engine.isSpeaking(); });
        state.SetIterationTime(double(std::abs(event - heard->onset)) / 1e9);
    }
    QObject::disconnect(first);
    state.counters["sink_latency_ms"] = engine.outputLatencyMs();
    engine.setOutput(nullptr);
}

// A long text read aloud to a 48 kHz stereo sink (resampled) while the window thread does not
// return to its event loop for 200 ms of every second. ORTELIA_BENCH_SPEECH_SECONDS sets the
// length of the text (300 s when unset).
void UnderrunsWhileWindowBusy(benchmark::State &state, SpeechEngine &engine)
{
    const int seconds = qEnvironmentVariableIsSet("ORTELIA_BENCH_SPEECH_SECONDS")
                            ? qEnvironmentVariableIntValue("ORTELIA_BENCH_SPEECH_SECONDS")
                            : 300;
    // The sentence takes about 6.15 s to say.
    QStringList text;
    for (int i = 0; i < std::max(1, int(std::lround(seconds / 6.15))); ++i)
        text << kSentence + QLatin1Char('.');
    engine.setOutput(std::make_unique<PacedSink>(SinkFormat{48000, 2}));
    for (auto _ : state) {
        const int before = engine.underruns();
        engine.speak(text.join(QLatin1Char(' ')));
        while (engine.isSpeaking()) {
            QElapsedTimer busy;
            busy.start();
            while (busy.elapsed() < 200) {
            }
            bench::waitUntil([&] { return busy.elapsed() >= 1000 || !engine.isSpeaking(); });
        }
        state.counters["underruns"] = engine.underruns() - before;
    }
    engine.setOutput(nullptr);
}

// The wall time of one run of argv in milliseconds, output discarded; negative when it fails.
// posix_spawn starts the child without copying this process, so the figure is the child's own.
double timedRun(const std::vector<std::string> &argv)
{
    std::vector<char *> args;
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&quiet, 1, 2);
    QElapsedTimer clock;
    clock.start();
    pid_t child = 0;
    int status = 0;
    const bool ran = posix_spawnp(&child, args[0], &quiet, nullptr, args.data(), environ) == 0 &&
                     waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    posix_spawn_file_actions_destroy(&quiet);
    return ran ? ms : -1.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// "ortelia say --wav" and "espeak-ng -w" of the same sentence, taking turns in every round so that
// other work on the machine weighs on both alike: the medians of both and their ratio.
void SayBesideEspeak(benchmark::State &state)
{
    QTemporaryDir dir;
    const std::string sentence = kSentence.toStdString();
    const std::vector<std::string> say = {ORTELIA_PROGRAM_DIR "/ortelia",
                                          "say",
                                          "--wav",
                                          dir.filePath(QStringLiteral("say.wav")).toStdString(),
                                          "#voice=name:lgx.de.bill#",
                                          sentence};
    // The voice lgx.de.bill is eSpeak NG's "de" with the variant "m3": the same work.
    const std::vector<std::string> espeak = {
        "espeak-ng", "-v", "de+m3", "-w", dir.filePath(QStringLiteral("espeak.wav")).toStdString(), sentence};
    std::vector<double> sayMs;
    std::vector<double> espeakMs;
    for (auto _ : state) {
        espeakMs.push_back(timedRun(espeak));
        sayMs.push_back(timedRun(say));
        if (espeakMs.back() < 0 || sayMs.back() < 0) {
            state.SkipWithError("a process failed");
            return;
        }
    }
    state.counters["say_ms"] = median(sayMs);
    state.counters["espeak_ms"] = median(espeakMs);
    state.counters["ratio"] = median(sayMs) / median(espeakMs);
}
BENCHMARK(SayBesideEspeak)->Iterations(61)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

namespace ortelia::bench {
// In bench_tts_speaker.cpp.
void registerSpeakerBenchmark(SpeechEngine &engine);
} // namespace ortelia::bench

int main(int argc, char **argv)
{
    using namespace ortelia;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ORTELIA_AUDIO", "null");
    QApplication app(argc, argv);
    // The process's one engine, as in the program: eSpeak NG serves one engine per process.
    SpeechEngine engine;
    benchmark::RegisterBenchmark("FirstSampleFromEngine", FirstSampleFromEngine, std::ref(engine))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
    // Each iteration speaks a whole word in real time: a fixed count keeps the run short.
    benchmark::RegisterBenchmark("WordEventToHeardWord", WordEventToHeardWord, std::ref(engine))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("UnderrunsWhileWindowBusy", UnderrunsWhileWindowBusy, std::ref(engine))
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kSecond);
    bench::registerSpeakerBenchmark(engine);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
