#include "HttpGet.h"
#include "TestHttpServer.h"
#include "TestSupport.h"
#include "UpdateTests.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ortelia;

namespace {

QUrl at(const TestHttpServer &server, const char *path)
{
    return QUrl(server.base() + QLatin1String(path));
}

} // namespace

void HttpGetTest::fetchesTextAsTheUpdateClient()
{
    TestHttpServer server;
    server.route("/list.txt", "a#b\r\nc#d");
    HttpGet *get = HttpGet::text(at(server, "list.txt"), 50000, this);
    QCOMPARE(get->wait(), HttpGet::Outcome::Ok);
    QCOMPARE(get->body(), QByteArray("a#b\r\nc#d"));
    QVERIFY(get->failureText().isEmpty());
    QCOMPARE(server.userAgents, QStringList{"Ortelia-Update"});
    delete get;
}

void HttpGetTest::cutsTheListAtItsLimit()
{
    TestHttpServer server;
    server.route("/big.txt", QByteArray(70000, 'z'));
    HttpGet *get = HttpGet::text(at(server, "big.txt"), 50000, this);
    QCOMPARE(get->wait(), HttpGet::Outcome::Ok);
    QCOMPARE(get->body().size(), 50000);
    delete get;
}

void HttpGetTest::failuresAreNamed()
{
    TestHttpServer server;
    server.route("/silent", TestHttpServer::Route{200, {}, TestHttpServer::Mode::Silent});
    server.route("/error", TestHttpServer::Route{500, "oops"});
    server.route("/loop", TestHttpServer::Route{302, {}, TestHttpServer::Mode::Normal, "/loop"});
    server.route("/cut", TestHttpServer::Route{200, QByteArray(4000, 'a'), TestHttpServer::Mode::CutOff});
    // 100 MB of zeros packed into some 100 KB: Qt refuses to unpack such a body.
    server.route("/bomb", TestHttpServer::Route{200,
                                                qCompress(QByteArray(100 << 20, '\0'), 9).mid(4),
                                                TestHttpServer::Mode::Normal,
                                                {},
                                                "Content-Encoding: deflate\r\n"});
    struct Case {
        QUrl url;
        HttpGet::Outcome outcome;
        const char *text;
    };
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const QUrl refused(QStringLiteral("http://127.0.0.1:%1/x").arg(closed.serverPort()));
    closed.close();
    const Case cases[] = {
        {at(server, "missing"), HttpGet::Outcome::HttpError, "Fehler 404"},
        {at(server, "error"), HttpGet::Outcome::HttpError, "Fehler 500"},
        {at(server, "silent"), HttpGet::Outcome::Timeout, "antwortet nicht"},
        {at(server, "loop"), HttpGet::Outcome::TooManyRedirects, "Zu viele Weiterleitungen"},
        {at(server, "cut"), HttpGet::Outcome::Interrupted, "vor dem Ende ab"},
        {at(server, "bomb"), HttpGet::Outcome::BadContent, "nicht lesbar"},
        {refused, HttpGet::Outcome::NoConnection, "Achtung :keine Verbindung !"},
        {QUrl(QStringLiteral("file:///etc/passwd")), HttpGet::Outcome::BadAddress,
         "Keine gültige Internet-Adresse"},
    };
    for (const Case &c : cases) {
        // A silent server is given up after 0.7 s instead of 15 s.
        HttpGet *get = HttpGet::text(c.url, 50000, this, 700);
        const HttpGet::Outcome outcome = get->wait();
        QVERIFY2(get->failureText().contains(QString::fromUtf8(c.text)), qPrintable(get->failureText()));
        QCOMPARE(outcome, c.outcome);
        QVERIFY(get->body().isEmpty());
        delete get;
    }
}

void HttpGetTest::fileIsWrittenWholeOrNotAtAll()
{
    TestHttpServer server;
    const QByteArray dictionary =
        QByteArray("oberestextfeld;unterestextfeld;zusatztextfeld\r\n").repeated(2000);
    server.route("/d.txt", dictionary);
    server.route("/cut.txt", TestHttpServer::Route{200, dictionary, TestHttpServer::Mode::CutOff});
    server.route("/endless", TestHttpServer::Route{200, {}, TestHttpServer::Mode::Endless});
    server.route("/stalled", TestHttpServer::Route{200, "oberestextfeld", TestHttpServer::Mode::Stalled});
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("DeXx.chk"));

    HttpGet *get = HttpGet::file(at(server, "d.txt"), target, 64 << 20, {}, this);
    qint64 lastReceived = 0;
    connect(get, &HttpGet::progress, this, [&](qint64 received, qint64) { lastReceived = received; });
    QCOMPARE(get->wait(), HttpGet::Outcome::Ok);
    QCOMPARE(lastReceived, dictionary.size());
    delete get;
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), dictionary);
    written.close();

    // A failed or refused download leaves the earlier file as it was and no partial file beside it.
    const auto failsAndKeeps = [&](HttpGet *failed, HttpGet::Outcome outcome, const char *why) {
        QCOMPARE(failed->wait(), outcome);
        QVERIFY2(failed->failureText().contains(QString::fromUtf8(why)), qPrintable(failed->failureText()));
        delete failed;
        QFile again(target);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), dictionary);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"DeXx.chk"});
    };
    failsAndKeeps(HttpGet::file(at(server, "cut.txt"), target, 64 << 20, {}, this),
                  HttpGet::Outcome::Interrupted, "vor dem Ende");
    failsAndKeeps(HttpGet::file(at(server, "endless"), target, 8 << 20, {}, this), HttpGet::Outcome::TooLarge,
                  "zu groß");
    failsAndKeeps(HttpGet::file(at(server, "d.txt"), target, 1000, {}, this), HttpGet::Outcome::TooLarge,
                  "zu groß");
    const HttpGet::Check refuseAll = [](const QByteArray &) { return QStringLiteral("leer"); };
    failsAndKeeps(HttpGet::file(at(server, "d.txt"), target, 64 << 20, refuseAll, this),
                  HttpGet::Outcome::Refused, "kein Wörterbuch (leer)");

    // Cancelled while it runs (the server sent a part and waits): the same.
    HttpGet *cancelled = HttpGet::file(at(server, "stalled"), target, 64 << 20, {}, this);
    connect(cancelled, &HttpGet::progress, cancelled, &HttpGet::cancel, Qt::QueuedConnection);
    failsAndKeeps(cancelled, HttpGet::Outcome::Cancelled, "abgebrochen");
}

void HttpGetTest::redirectOnlyToTheWeb()
{
    TestHttpServer server;
    server.route("/to-web", TestHttpServer::Route{302,
                                                  {},
                                                  TestHttpServer::Mode::Normal,
                                                  (server.base() + QStringLiteral("list.txt")).toLatin1()});
    server.route("/to-file",
                 TestHttpServer::Route{302, {}, TestHttpServer::Mode::Normal, "file:///etc/passwd"});
    server.route("/list.txt", "ok");
    HttpGet *web = HttpGet::text(at(server, "to-web"), 50000, this);
    QCOMPARE(web->wait(), HttpGet::Outcome::Ok);
    QCOMPARE(web->body(), QByteArray("ok"));
    delete web;
    HttpGet *file = HttpGet::text(at(server, "to-file"), 50000, this);
    QCOMPARE(file->wait(), HttpGet::Outcome::BadRedirect);
    QVERIFY2(file->failureText().contains(QStringLiteral("leitet die Anfrage an eine Adresse weiter, die keine "
                                                         "http- oder https-Adresse ist [file:///etc/passwd]")),
             qPrintable(file->failureText()));
    QVERIFY(file->body().isEmpty());
    delete file;
}

void HttpGetTest::fullDiskDuringADownloadSaysSo()
{
    const test::SmallDisk disk;
    if (!disk.mounted())
        QSKIP("a full disk needs a tmpfs, which only root can mount");
    TestHttpServer server;
    server.route("/d.txt", QByteArray("a;b\r\n").repeated(100000));
    const QString target = disk.path() + QStringLiteral("/DeXx.chk");
    // What a download killed an hour ago left beside the target, and a file of the user's.
    const QString stale = target + QStringLiteral(".k2x9a.tmp");
    const QString usersOwn = target + QStringLiteral(".notes.tmp.txt");
    for (const QString &path : {stale, usersOwn}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.flush();
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    disk.fill();
    HttpGet *get = HttpGet::file(at(server, "d.txt"), target, 64 << 20, {}, this);
    QCOMPARE(get->wait(), HttpGet::Outcome::WriteFailed);
    QVERIFY2(get->failureText().contains(QStringLiteral("Der Datenträger ist voll")), qPrintable(get->failureText()));
    delete get;
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("DeXx")),
             QStringList{QStringLiteral("DeXx.chk.notes.tmp.txt")});
}
