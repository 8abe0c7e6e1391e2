// Text routines and the dictionary reader on inputs of the sizes the program meets.
#include "DictionaryFile.h"
#include "TextFile.h"
#include "TextRoutines.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace ortelia;

namespace {

QString germanText(int words)
{
    const QStringList pool = {"Der", "Hund", "läuft,", "über", "die", "Straße.", "(Heute)", "ist",
                              "schön-warm!", "Wir", "gehen", "\"nach\"", "Hause;", "oder?"};
    QStringList out;
    for (int i = 0; i < words; ++i)
        out << pool[i % pool.size()];
    return out.join(QLatin1Char(' '));
}

void NormaliseAndSplit1500Words(benchmark::State &state)
{
    // 805 words with their punctuation split into about 1,490 words: close to the 1,501 limit.
    const QString text = germanText(805);
    for (auto _ : state) {
        const QString once = normalizeForTranslation(text, TextDirection::German);
        const std::optional<QStringList> words =
            splitWords(normalizeForTranslation(once, TextDirection::German), QLatin1Char(' '));
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(NormaliseAndSplit1500Words)->Unit(benchmark::kMillisecond);

void ReadDictionary130000Lines(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DeEn.txt"));
    QString text = dictionaryHeaderLine() + QStringLiteral("\r\n");
    for (int i = 0; i < 130000; ++i) {
        if (i > 0 && i % 32500 == 0)
            text += dictionarySeparator() + QStringLiteral("\r\n");
        text += QStringLiteral("wort%1;word%1;anmerkung\r\n").arg(i);
    }
    TextFile::write(path, text);
    for (auto _ : state) {
        const DictionarySections sections = readDictionarySections(path);
        if (sections.failure)
            state.SkipWithError("dictionary did not load");
        benchmark::DoNotOptimize(sections);
    }
}
BENCHMARK(ReadDictionary130000Lines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
