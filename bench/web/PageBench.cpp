// The headless page under scripts that change its shape: one innerHTML replacement on pages of
// growing size (the page's names are refreshed after each), which must grow linearly.
#include "BenchMain.h"
#include "HeadlessPage.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace ortelia;

namespace {

void ReplaceInnerHtml(benchmark::State &state)
{
    QString html = QStringLiteral("<html><body><div id=Ziel></div><form name=F><input name=Feld></form>");
    for (int i = 0; i < state.range(0); ++i)
        html += QStringLiteral("<p id=p%1>Absatz %1</p>").arg(i);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.htm"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write((html + QStringLiteral("</body></html>")).toUtf8()) < 0) {
        state.SkipWithError("cannot write the page");
        return;
    }
    file.close();
    HeadlessPage page;
    page.navigate(path);
    for (auto _ : state)
        page.evaluateScript(QStringLiteral("Ziel.innerHTML = '<b id=neu>x</b>'; neu.innerText"));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReplaceInnerHtml)->RangeMultiplier(4)->Range(250, 16000)->Complexity()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return ortelia::bench::runBenchmarks(argc, argv);
}
