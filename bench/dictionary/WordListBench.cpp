// One keystroke's word list under the translator's fields (the dictionary's words that begin with
// the letters typed, at most ten), and the suggestions for a word DeEn does not hold, as the
// main window's dictionary gives them on the page T2.
#include "BenchMain.h"
#include "Dictionary.h"
#include "HeadlessPage.h"
#include "TabularDataPages.h"

#include <benchmark/benchmark.h>

using namespace ortelia;

namespace {

const QString kPage = QStringLiteral(ORTELIA_PROGRAM_DIR "/T2");
constexpr int kListed = 10;

// The page and its dictionary as the window holds them, the first list (index built) behind.
struct LoadedPage {
    HeadlessPage page;
    Dictionary dictionary{page, Dictionary::Hits::Shown};
    explicit LoadedPage(TextDirection direction)
    {
        page.navigate(kPage);
        dictionary.wordsBeginning(QStringLiteral("a"), direction, kListed);
    }
};

void Keystroke(benchmark::State &state, const QString &typed, TextDirection direction)
{
    LoadedPage loaded(direction);
    QStringList words;
    for (auto _ : state) {
        words = loaded.dictionary.wordsBeginning(typed, direction, kListed);
        benchmark::DoNotOptimize(words);
    }
    state.SetLabel(words.join(QLatin1Char(' ')).left(60).toStdString());
}
BENCHMARK_CAPTURE(Keystroke, German_s, QStringLiteral("s"), TextDirection::German)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, German_bah, QStringLiteral("bah"), TextDirection::German)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, German_schl, QStringLiteral("schl"), TextDirection::German)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, Foreign_st, QStringLiteral("st"), TextDirection::Foreign)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, Foreign_to, QStringLiteral("to "), TextDirection::Foreign)
    ->Unit(benchmark::kMicrosecond);

// A word without entry: the keys within two letters and Hunspell's words the dictionary answers
// (Hunspell read before the first round).
void Suggestions(benchmark::State &state, const QString &typed, TextDirection direction)
{
    LoadedPage loaded(direction);
    QStringList words = loaded.dictionary.suggestions(typed, direction);
    for (auto _ : state) {
        words = loaded.dictionary.suggestions(typed, direction);
        benchmark::DoNotOptimize(words);
    }
    state.SetLabel(words.join(QLatin1Char(' ')).toStdString());
}
BENCHMARK_CAPTURE(Suggestions, German_bahnhoff, QStringLiteral("bahnhoff"), TextDirection::German)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suggestions, Foreign_staion, QStringLiteral("staion"), TextDirection::Foreign)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    ortelia::registerTabularDataObject();
    return ortelia::bench::runBenchmarks(argc, argv);
}
