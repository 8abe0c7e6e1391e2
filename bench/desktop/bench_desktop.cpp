// The main window's shape at start-up: drawing the background and cutting the region from it.

#include "WindowShape.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

const QString kBackground = QStringLiteral(ORTELIA_PROGRAM_DIR "/art/hintergrund.svg");

void RenderBackground(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ortelia::RenderPicture(kBackground));
}
BENCHMARK(RenderBackground)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void RegionFromBackground(benchmark::State &state)
{
    const QImage background = ortelia::RenderPicture(kBackground);
    for (auto _ : state)
        benchmark::DoNotOptimize(ortelia::RegionFromBitmap(background, 0xFFFFFF));
}
BENCHMARK(RegionFromBackground)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
