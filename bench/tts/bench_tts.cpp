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
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

namespace {

using namespace ortelia;

const QString kSentence =
    QStringLiteral("Der schnelle braune Fuchs springt heute über den faulen Hund und läuft danach "
                   "fröhlich durch den grünen Wald nach Hause");

// A one-word request written to erkennung.txt, read back and handed to the engine, as the speech
// page does when its button is pressed.
void FirstSampleFromEngine(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("erkennung.txt"));
    bench::timeToFirstSample(state, [&] {
        QStringList lines = {QStringLiteral("#voice=name:lgx.de.silke#"), QStringLiteral("Hallo")};
        writeRequest(path, lines, AfterWriting::EmptyList);
        SpeechEngine::instance().speak(TextFile::readLines(path)->join(QLatin1Char('\n')));
    });
}
BENCHMARK(FirstSampleFromEngine)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

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
void WordEventToHeardWord(benchmark::State &state)
{
    SpeechEngine &engine = SpeechEngine::instance();
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
// Each iteration speaks a whole word in real time: a fixed count keeps the run short.
BENCHMARK(WordEventToHeardWord)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A long text read aloud to a 48 kHz stereo sink (resampled) while the window thread does not
// return to its event loop for 200 ms of every second. ORTELIA_BENCH_SPEECH_SECONDS sets the
// length of the text (300 s when unset).
void UnderrunsWhileWindowBusy(benchmark::State &state)
{
    const int seconds = qEnvironmentVariableIsSet("ORTELIA_BENCH_SPEECH_SECONDS")
                            ? qEnvironmentVariableIntValue("ORTELIA_BENCH_SPEECH_SECONDS")
                            : 300;
    // The sentence takes about 6.15 s to say.
    QStringList text;
    for (int i = 0; i < std::max(1, int(std::lround(seconds / 6.15))); ++i)
        text << kSentence + QLatin1Char('.');
    SpeechEngine &engine = SpeechEngine::instance();
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
BENCHMARK(UnderrunsWhileWindowBusy)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

void runProcess(benchmark::State &state, const QString &program, const QStringList &args)
{
    for (auto _ : state) {
        QProcess process;
        process.start(program, args);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            state.SkipWithError("the process failed");
    }
}

void SayProcess(benchmark::State &state)
{
    QTemporaryDir dir;
    runProcess(state, QStringLiteral(ORTELIA_PROGRAM_DIR "/ortelia"),
               {QStringLiteral("say"), QStringLiteral("--wav"), dir.filePath(QStringLiteral("say.wav")),
                QStringLiteral("#voice=name:lgx.de.bill#"), kSentence});
}
BENCHMARK(SayProcess)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void EspeakProcess(benchmark::State &state)
{
    QTemporaryDir dir;
    // The voice lgx.de.bill is eSpeak NG's "de" with the variant "m3": the same work.
    runProcess(state, QStringLiteral("espeak-ng"),
               {QStringLiteral("-v"), QStringLiteral("de+m3"), QStringLiteral("-w"),
                dir.filePath(QStringLiteral("espeak.wav")), kSentence});
}
BENCHMARK(EspeakProcess)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ORTELIA_AUDIO", "null");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
