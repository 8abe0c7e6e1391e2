// The text translator's word walk without pauses on the real DeEn: splitting a 10,000-word German
// text and the work per word (LookUpOnPage and reading the answer).
#include "BenchMain.h"
#include "ProgramFolder.h"
#include "TextWalk.h"
#include "Dictionary.h"
#include "HeadlessPage.h"

#include <QFile>

#include <benchmark/benchmark.h>

using namespace ortelia;

namespace {

// The example paragraph of 125 words, 80 times.
QString germanText()
{
    QFile file(QStringLiteral(ORTELIA_BENCH_TEXT));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).repeated(80);
}

void SplitTenThousandWords(benchmark::State &state)
{
    const QString text = germanText();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextWalk::words(text, TextDirection::German));
    state.SetLabel(std::to_string(TextWalk::words(text, TextDirection::German).size()) + " words");
}
BENCHMARK(SplitTenThousandWords)->Unit(benchmark::kMillisecond);

// One word per iteration, the words of the text in turn.
void LookUpOneWord(benchmark::State &state)
{
    const QStringList words = TextWalk::words(germanText(), TextDirection::German);
    HeadlessPage browser;
    browser.navigate(QStringLiteral(ORTELIA_PROGRAM_DIR "/T2"));
    Dictionary dictionary(browser);
    qsizetype next = 0;
    qsizetype found = 0;
    for (auto _ : state) {
        const TextWalk::Pair pair = TextWalk::lookUp(dictionary, words[next], TextDirection::German);
        found += pair.answer.translation.isEmpty() ? 0 : 1;
        next = (next + 1) % words.size();
    }
    state.SetLabel(std::to_string(found * 100 / std::max<int64_t>(state.iterations(), 1)) + " % answered");
}
BENCHMARK(LookUpOneWord)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return ortelia::bench::runBenchmarks(argc, argv);
}
