// Speech: the delay from a request to the first sample handed to the audio output, and the
// whole "ortelia say --wav" process against "espeak-ng -w".

#include "FirstSample.h"
#include "ProgramFolder.h"
#include "SpeechRequest.h"
#include "TextFile.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>

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
    runProcess(state, QStringLiteral("espeak-ng"),
               {QStringLiteral("-v"), QStringLiteral("de"), QStringLiteral("-w"),
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
