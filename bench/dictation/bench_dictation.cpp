// The dictation interpreter offscreen, beside the main window in dictation mode, with silent
// audio: how evenly 20 dictated words are handed over at 300 ms, and how often its timers fire
// while nothing is queued.
#include "BenchMain.h"
#include "BenchServices.h"
#include "FormTimer.h"
#include "ProgramFolder.h"
#include "ProgramWindows.h"
#include "WindowRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <cmath>

using namespace ortelia;

namespace {

constexpr int kWords = 20;
constexpr int kPace = 300;
constexpr double kStep = kPace + 100;

// The main window in dictation mode, as the dictation window asks for it, and the dictation window.
QWidget *openDictation(bench::BenchServices &program)
{
    registerProgramWindows(program.services);
    program.windows.window(windows::Form3)->show();
    program.state.dictationMode.set(true);
    QWidget *speaking = program.windows.window(windows::Speaking);
    speaking->show();
    return speaking;
}

void waitFor(const std::function<bool()> &done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

// Worst single step against its due time (jitter) and the lag of the last word (drift), in
// per cent of one step.
void HandOverPace(benchmark::State &state, SpeechEngine &engine)
{
    bench::BenchServices program(engine);
    QWidget *speaking = openDictation(program);
    speaking->findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(kPace);
    auto *handed = speaking->findChild<QLineEdit *>(QStringLiteral("Textempfan"));
    for (auto _ : state) {
        QList<qint64> at;
        QElapsedTimer clock;
        clock.start();
        const auto connection = QObject::connect(handed, &QLineEdit::textChanged, [&](const QString &word) {
            if (!word.isEmpty())
                at << clock.nsecsElapsed();
        });
        QStringList words;
        for (int i = 0; i < kWords; ++i)
            words << QStringLiteral("wort%1").arg(i);
        speaking->findChild<QLineEdit *>(QStringLiteral("TextD8"))->setText(words.join(QLatin1Char(' ')));
        waitFor([&] { return at.size() == kWords; }, kWords * int(kStep) * 2 + 2000);
        QObject::disconnect(connection);
        double jitter = 0;
        for (qsizetype i = 1; i < at.size(); ++i)
            jitter = std::max(jitter, std::abs((at[i] - at[i - 1]) / 1e6 - kStep) / kStep * 100);
        const double drift = ((at.last() - at.first()) / 1e6 - (kWords - 1) * kStep) / kStep * 100;
        state.SetIterationTime((at.last() - at.first()) / 1e9);
        state.counters["words"] = double(at.size());
        state.counters["worst_step_pct"] = jitter;
        state.counters["drift_pct"] = drift;
        waitFor([] { return false; }, 1000);
    }
    program.speaker.stop();
}

// The window's own timers firing while it waits 10 s for a phrase.
void IdleTimeouts(benchmark::State &state, SpeechEngine &engine)
{
    bench::BenchServices program(engine);
    QWidget *speaking = openDictation(program);
    for (auto _ : state) {
        int timeouts = 0;
        const QList<FormTimer *> timers = speaking->findChildren<FormTimer *>();
        QList<QMetaObject::Connection> connections;
        for (FormTimer *timer : timers)
            connections << QObject::connect(timer, &FormTimer::timeout, [&] { ++timeouts; });
        waitFor([] { return false; }, 10000);
        for (const auto &c : connections)
            QObject::disconnect(c);
        state.counters["timeouts"] = timeouts;
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("ORTELIA_AUDIO", "null");
    return ortelia::bench::runBenchmarks<ortelia::SpeechEngine>(
        argc, argv, [](ortelia::SpeechEngine &engine) {
            benchmark::RegisterBenchmark("HandOverPace", HandOverPace, std::ref(engine))
                ->UseManualTime()
                ->Iterations(3)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("IdleTimeouts", IdleTimeouts, std::ref(engine))
                ->Iterations(1)
                ->Unit(benchmark::kSecond);
        });
}
