// From letting go of the pitch slider of the voice settings window to the first sample of the
// test sentence in the changed voice, offscreen, beside the main window.
#include "BenchMain.h"
#include "BenchServices.h"
#include "FirstSample.h"
#include "ProgramFolder.h"
#include "ProgramWindows.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QScrollBar>

using namespace ortelia;

namespace {

void SliderReleaseToFirstSample(benchmark::State &state, SpeechEngine &engine)
{
    bench::BenchServices program(engine);
    registerProgramWindows(program.services);
    program.windows.window(windows::Form3)->show();
    QWidget *voice = program.windows.window(windows::Logox4);
    voice->show();
    auto *pitch = voice->findChild<QScrollBar *>(QStringLiteral("PitchScroll"));
    int value = 50;
    bench::timeToFirstSample(state, engine, [&] {
        pitch->setSliderDown(true);
        pitch->setValue(value = value == 50 ? 120 : 50);
        pitch->setSliderDown(false);
    });
}

} // namespace

int main(int argc, char **argv)
{
    return ortelia::bench::runBenchmarks<ortelia::SpeechEngine>(
        argc, argv, [](ortelia::SpeechEngine &engine) {
            benchmark::RegisterBenchmark("SliderReleaseToFirstSample", SliderReleaseToFirstSample,
                                         std::ref(engine))
                ->UseManualTime()
                ->Iterations(10)
                ->Unit(benchmark::kMillisecond);
        });
}
