// The list translator on the real DeEn (about 130,000 lines): loading it into the four lists until
// the window is drawn and ready for typing, one keystroke's search at the end of the alphabet, and
// the memory the loaded dictionary takes.

#include "BenchMain.h"
#include "BenchServices.h"
#include "supertrans1.h"

#include <QFile>
#include <QLineEdit>
#include <QListView>

#include <benchmark/benchmark.h>

#include <memory>
#include <unistd.h>

namespace {

using ortelia::SpeechEngine;
using ortelia::supertrans1;
using ortelia::bench::BenchServices;

// A list translator that loads name as it opens, drawn once.
std::unique_ptr<supertrans1> openWith(BenchServices &program, const QString &name)
{
    auto window = std::make_unique<supertrans1>(program.services);
    window->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(name);
    window->Form_Load();
    window->show();
    QApplication::processEvents();
    return window;
}

int loadedLines(const supertrans1 &window)
{
    int lines = 0;
    for (const QListView *list : window.findChildren<QListView *>())
        lines += list->model()->rowCount(list->rootIndex());
    return lines;
}

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

// First, in a process that has not held DeEn before, so that freed memory does not hide it.
void MemoryOfDeEn(benchmark::State &state, SpeechEngine &engine)
{
    BenchServices program(engine);
    for (auto _ : state) {
        std::unique_ptr<supertrans1> example = openWith(program, QStringLiteral("Woerterbuch-Muster"));
        const double before = residentMegabytes();
        std::unique_ptr<supertrans1> loaded = openWith(program, QStringLiteral("DeEn"));
        state.counters["extra_MB"] = residentMegabytes() - before;
    }
}

void LoadDeEnIntoLists(benchmark::State &state, SpeechEngine &engine)
{
    BenchServices program(engine);
    for (auto _ : state) {
        std::unique_ptr<supertrans1> window = openWith(program, QStringLiteral("DeEn"));
        state.PauseTiming();
        state.counters["lines"] = loadedLines(*window);
        window.reset();
        state.ResumeTiming();
    }
}

// Typing one more letter of a word near the end of the alphabet: the search runs over all four
// lists and the last one jumps to the line.
void KeystrokeAtTheEnd(benchmark::State &state, SpeechEngine &engine)
{
    BenchServices program(engine);
    std::unique_ptr<supertrans1> window = openWith(program, QStringLiteral("DeEn"));
    auto *field = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    bool longer = false;
    for (auto _ : state) {
        field->setText(longer ? QStringLiteral("zwischen") : QStringLiteral("zwische"));
        longer = !longer;
    }
    state.counters["hit"] =
        window->findChild<QLineEdit *>(QStringLiteral("Text4"))->text().startsWith(QLatin1String("zwische"));
}
} // namespace

int main(int argc, char **argv)
{
    return ortelia::bench::runBenchmarks<SpeechEngine>(argc, argv, [](SpeechEngine &engine) {
        benchmark::RegisterBenchmark("MemoryOfDeEn", MemoryOfDeEn, std::ref(engine))
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("LoadDeEnIntoLists", LoadDeEnIntoLists, std::ref(engine))
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark("KeystrokeAtTheEnd", KeystrokeAtTheEnd, std::ref(engine))
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);
    });
}
