// The update functions at local speed: python3 -m http.server serves a folder on 127.0.0.1.
#include "HttpGet.h"
#include "SettingsFormat.h"
#include "TextFile.h"
#include "UpdateList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace ortelia;

namespace {

struct LocalServer {
    QTemporaryDir site;
    QTemporaryDir target;
    QProcess python;
    QString base;

    LocalServer()
    {
        QByteArray list = "Ortelia Wörterbuch-Update#Datei#Beschreibung#Datum#Adresse\r\n";
        while (list.size() < UpdateList::kMaxListBytes)
            list +=
                "Woerterbuch#DeXx#Beispiel#20991231#http://127.0.0.1/ortelia-translator/update/DeXx.txt\r\n";
        write(QStringLiteral("list.txt"), list.left(UpdateList::kMaxListBytes));
        write(QStringLiteral("DeXx.txt"),
              QByteArray("haus;house;Gebaeude\r\n").repeated(6 * 1024 * 1024 / 21));

        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        base = QStringLiteral("http://127.0.0.1:%1/").arg(port);
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-m"), QStringLiteral("http.server"), QString::number(port),
                      QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"),
                      site.path()});
        python.waitForStarted();
        for (int tries = 0; tries < 100; ++tries) {
            std::unique_ptr<HttpGet> get(HttpGet::text(QUrl(base + QStringLiteral("list.txt")), 10, nullptr));
            if (get->wait() == HttpGet::Outcome::Ok)
                break;
            QThread::msleep(50);
        }
    }
    ~LocalServer()
    {
        python.kill();
        python.waitForFinished();
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(site.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
};

LocalServer *g_server = nullptr;

// From the request to the stored copy TranslateDeGb/update.chk.
void FetchAndStoreList(benchmark::State &state)
{
    const QUrl url(g_server->base + QStringLiteral("list.txt"));
    const QString stored = g_server->target.filePath(QStringLiteral("update.chk"));
    for (auto _ : state) {
        std::unique_ptr<HttpGet> get(HttpGet::text(url, UpdateList::kMaxListBytes, nullptr));
        if (get->wait() != HttpGet::Outcome::Ok) {
            state.SkipWithError("fetch failed");
            break;
        }
        TextFile::writeLines(stored, {UpdateList::storedCopy(TextFile::decode(get->body()))});
    }
    state.SetLabel(std::to_string(QFileInfo(stored).size()) + " bytes stored");
}
BENCHMARK(FetchAndStoreList)->Unit(benchmark::kMillisecond)->UseRealTime();

// A 6 MB dictionary into its file; longest_gap_ms is the longest time the event loop (the
// window's frames) went without turning while it ran.
void DownloadSixMegabytes(benchmark::State &state)
{
    const QUrl url(g_server->base + QStringLiteral("DeXx.txt"));
    const QString path = g_server->target.filePath(QStringLiteral("DeXx.chk"));
    qint64 longestGap = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        ticker.start(1);
        std::unique_ptr<HttpGet> get(HttpGet::file(url, path, UpdateList::kMaxDictionaryBytes, {}, nullptr));
        if (get->wait() != HttpGet::Outcome::Ok) {
            state.SkipWithError("download failed");
            break;
        }
    }
    state.counters["longest_gap_ms"] = double(longestGap);
    state.SetLabel(std::to_string(QFileInfo(path).size()) + " bytes");
}
BENCHMARK(DownloadSixMegabytes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    LocalServer server;
    g_server = &server;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
