// Dictionary storage: "ortelia lookup" as whole processes on the 130,000-key DeEn (the German
// key found by binary search, the foreign word through the index kept beside the file), and the
// heap a dictionary with a 1,000-column header takes.
#include "BenchMain.h"
#include "DictionaryFile.h"
#include "TabularData.h"

#include <QProcess>
#include <QTemporaryDir>

#include <malloc.h>

#include <benchmark/benchmark.h>

using namespace ortelia;

namespace {

void LookupProcess(benchmark::State &state, const QStringList &args)
{
    const QString exe = QStringLiteral(ORTELIA_PROGRAM_DIR "/ortelia");
    QProcess warm;
    warm.start(exe, args); // the first run may write the index beside DeEn
    warm.waitForFinished(-1);
    for (auto _ : state) {
        QProcess process;
        process.start(exe, args);
        process.waitForFinished(-1);
        if (process.exitCode() != 0)
            state.SkipWithError("lookup found nothing");
    }
}
BENCHMARK_CAPTURE(LookupProcess, hallo, QStringList{"lookup", "hallo"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LookupProcess, foreign_hello, QStringList{"lookup", "--foreign", "hello"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// 245 KB of three-field records under a header of 1,000 columns.
void WideHeaderMemory(benchmark::State &state)
{
    QByteArray file = "oberestextfeld;unterestextfeld;zusatztextfeld";
    for (int c = 3; c < 1000; ++c)
        file += ";zusatz" + QByteArray::number(c);
    file += "\r\n";
    for (int r = 0; file.size() < 245 * 1024; ++r)
        file += "wort" + QByteArray::number(r) + ";word" + QByteArray::number(r) + ";Notiz\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Breit.txt"));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(file);
    out.close();
    size_t heap = 0;
    for (auto _ : state) {
        web::TabularDataCache::clear();
        const size_t before = mallinfo2().uordblks;
        const auto data = web::TabularDataCache::load(path, QLatin1Char(';'), true);
        data->select(QStringLiteral("unterestextfeld = word7"), false);
        heap = mallinfo2().uordblks - before;
    }
    state.counters["file_KB"] = double(file.size()) / 1024;
    state.counters["heap_KB"] = double(heap) / 1024;
}
BENCHMARK(WideHeaderMemory)->Unit(benchmark::kMillisecond);

// Resident memory in kB: now, or the peak since the last reset.
qint64 residentKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// A dictionary of 1,000,000 lines (28 MB): the list translator's four-section reader refuses it;
// the lookup page's data object loads it and answers a foreign word. The peak growth of resident
// memory (the file read into memory included) is given against the file's size.
void MillionLines(benchmark::State &state, bool sections)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Million.txt"));
    QByteArray file = "oberestextfeld;unterestextfeld;zusatztextfeld\r\n";
    for (int i = 0; i < 1000 * 1000; ++i) {
        file += "wort" + QByteArray::number(i) + ";word" + QByteArray::number(i) + ";Notiz\r\n";
        if (i % 250000 == 0)
            file += "\\\\\\\\\\\\\\\\\r\n";
    }
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(file);
    out.close();
    const qint64 fileKb = file.size() / 1024;
    file.clear();
    file.squeeze();
    qint64 peakKb = 0;
    for (auto _ : state) {
        web::TabularDataCache::clear();
        QFile::remove(web::ColumnIndexFile::pathFor(path));
        resetPeak();
        const qint64 before = residentKb("VmRSS:");
        if (sections) {
            const DictionarySections read = readDictionarySections(path);
            if (read.failure != DictionaryFailure::SectionTooLarge)
                state.SkipWithError("not refused");
        } else {
            const auto data = web::TabularDataCache::load(path, QLatin1Char(';'), true);
            if (data->select(QStringLiteral("unterestextfeld = word777777"), false).size() != 1)
                state.SkipWithError("not found");
        }
        peakKb = residentKb("VmHWM:") - before;
    }
    state.counters["file_MB"] = double(fileKb) / 1024;
    state.counters["peak_MB"] = double(peakKb) / 1024;
    state.counters["peak_per_file"] = double(peakKb) / double(fileKb);
}
BENCHMARK_CAPTURE(MillionLines, four_sections_refused, true)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(MillionLines, lookup_page_foreign_word, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return ortelia::bench::runBenchmarks(argc, argv);
}
