// From F5 in the main window to the first word of the copied text looked up on the page of the
// text translator (its answer timer running), offscreen, on the real DeEn page, with silent
// audio.
#include "BenchMain.h"
#include "BenchServices.h"
#include "ProgramFolder.h"
#include "FormTimer.h"
#include "ProgramWindows.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace ortelia;

namespace {

void F5ToFirstWord(benchmark::State &state, SpeechEngine &engine)
{
    for (auto _ : state) {
        bench::BenchServices program(engine);
        registerProgramWindows(program.services);
        QWidget *main = program.windows.window(windows::Form3);
        main->show();
        QGuiApplication::clipboard()->setText(QStringLiteral("Ich habe ein Haus. Guten Morgen!"));
        QElapsedTimer clock;
        double seconds = 0;
        // Polls the result list while the key's handler runs its waits.
        QTimer poll;
        poll.setInterval(1);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *text = program.windows.existing(windows::TextUeberA);
            auto *list = text ? text->findChild<QListWidget *>(QStringLiteral("List1")) : nullptr;
            auto *answer = text ? text->findChild<FormTimer *>(QStringLiteral("Timer2")) : nullptr;
            if (seconds == 0 && list && (answer->isActive() || list->count() >= 2))
                seconds = clock.nsecsElapsed() / 1e9;
        });
        poll.start();
        clock.start();
        QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
        QApplication::sendEvent(main, &f5);
        while (seconds == 0 && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        state.SetIterationTime(seconds);
        program.speaker.stop();
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("ORTELIA_AUDIO", "null");
    return ortelia::bench::runBenchmarks<ortelia::SpeechEngine>(
        argc, argv, [](ortelia::SpeechEngine &engine) {
            benchmark::RegisterBenchmark("F5ToFirstWord", F5ToFirstWord, std::ref(engine))
                ->UseManualTime()
                ->Iterations(3)
                ->Unit(benchmark::kMillisecond);
        });
}
