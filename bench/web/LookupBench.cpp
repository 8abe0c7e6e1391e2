// The dictionary page: loading T2 with the 130,000-key DeEn from cold, and warm lookups.
#include "BenchMain.h"
#include "HeadlessPage.h"
#include "LookUpOnPage.h"
#include "ProgramFolder.h"
#include "TabularData.h"
#include "TabularDataPages.h"

#include <benchmark/benchmark.h>

using namespace ortelia;

namespace {

const QString kPage = QStringLiteral(ORTELIA_PROGRAM_DIR "/T2");

// Cold: no parsed dictionary in memory; the page is read, its scripts run, DeEn is parsed.
void ColdNavigateT2(benchmark::State &state)
{
    for (auto _ : state) {
        web::TabularDataCache::clear();
        HeadlessPage browser;
        browser.navigate(kPage);
        benchmark::DoNotOptimize(browser.value(1, QStringLiteral("Textfeld2")));
    }
}
BENCHMARK(ColdNavigateT2)->Unit(benchmark::kMillisecond);

// Cold, up to the first answer (which also builds the key index).
void ColdNavigateT2AndFirstLookup(benchmark::State &state)
{
    for (auto _ : state) {
        web::TabularDataCache::clear();
        HeadlessPage browser;
        browser.navigate(kPage);
        LookUpOnPage(browser, QStringLiteral("hallo"), TextDirection::German);
        benchmark::DoNotOptimize(readLookupAnswer(browser));
    }
}
BENCHMARK(ColdNavigateT2AndFirstLookup)->Unit(benchmark::kMillisecond);

// The page is loaded and DeEn is in memory (another page had it open).
void NavigateT2WithDeEnReady(benchmark::State &state)
{
    HeadlessPage warmup;
    warmup.navigate(kPage);
    for (auto _ : state) {
        HeadlessPage browser;
        browser.navigate(kPage);
        benchmark::DoNotOptimize(browser.value(1, QStringLiteral("Textfeld2")));
    }
}
BENCHMARK(NavigateT2WithDeEnReady)->Unit(benchmark::kMillisecond);

void WarmLookup(benchmark::State &state, const QString &word, TextDirection direction)
{
    HeadlessPage browser;
    browser.navigate(kPage);
    LookUpOnPage(browser, word, direction);
    for (auto _ : state) {
        LookUpOnPage(browser, word, direction);
        benchmark::DoNotOptimize(readLookupAnswer(browser));
    }
    state.SetLabel(readLookupAnswer(browser).translation.toStdString());
}
BENCHMARK_CAPTURE(WarmLookup, German_hallo, QStringLiteral("hallo"), TextDirection::German)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WarmLookup, Foreign_hello, QStringLiteral("hello"), TextDirection::Foreign)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WarmLookup, Wildcard_hall, QStringLiteral("hall*"), TextDirection::German)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    ortelia::registerTabularDataObject();
    return ortelia::bench::runBenchmarks(argc, argv);
}
