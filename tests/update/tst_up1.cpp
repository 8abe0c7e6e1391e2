// The update window against a local HTTP server, driven with clicks: the stored copies of the list,
// the date files, the scan with its questions and downloads, the collected list, failures, and that
// a hostile or broken list writes nothing outside TranslateDeGb and leaves no half file.

#include "FormTimer.h"
#include "HttpGet.h"
#include "TestHttpServer.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "WindowRegistry.h"
#include "hilfe1.h"
#include "up1.h"

#include <QCheckBox>
#include <QDate>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace ortelia;
using namespace ortelia::test;

namespace {

const QByteArray kListPath = "/ortelia-translator/update/1/update1.txt";
const QByteArray kSeparator = "\\\\\\\\\\\\\\\\\r\n";
const QByteArray kDictionary = "oberestextfeld;unterestextfeld;zusatztextfeld\r\n" +
                               QByteArray("neu;new\r\n").repeated(300) + kSeparator + "auto;car\r\n" +
                               kSeparator + "hallo;hello\r\n" + kSeparator + "versuch;trial\r\n";
const QString kEndTitle = QStringLiteral("Alle Wörterbücher-Update überprüfungen durchgefürt!");

QString quotedToday()
{
    return QLatin1Char('"') + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char('"');
}

} // namespace

class UpdateWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgramFolder> folder;
    std::unique_ptr<RecordingResponder> responder;
    std::unique_ptr<TestHttpServer> server;
    std::unique_ptr<TestServices> program;

    QByteArray listBytes(bool endMarker = true)
    {
        const QString base = server->base();
        QString list = QStringLiteral("Ortelia Wörterbuch-Update#Datei#Beschreibung#Datum#Adresse\r\n"
                                      "Wörterbuch#DeAlt#alt#20000101#%1d/DeAlt.txt\r\n"
                                      "Wörterbuch#DeNeu#neu#20991231#%1d/DeNeu.txt\r\n"
                                      "Böse#../../x#Pfad#20991231#%1d/DeNeu.txt\r\n"
                                      "Böse#DeDatei#Datei#20991231#file:///etc/passwd\r\n")
                           .arg(base);
        list += endMarker ? QStringLiteral("Ende#") : QString();
        return TextFile::encode(list);
    }
    QWidget *window() { return program->windows.window(windows::up1); }
    template <class T = QWidget> T *c(const char *name)
    {
        T *found = window()->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void click(const char *button) { QTest::mouseClick(c<QPushButton>(button), Qt::LeftButton); }
    QStringList titles() const
    {
        QStringList result;
        for (const DialogRequest &r : responder->requests)
            result << r.title;
        return result;
    }
    // Every file of the program folder, and whether "../../x" from TranslateDeGb got out.
    QStringList allFiles() const
    {
        QStringList files;
        const QDir root(folder->path());
        QDirIterator it(root.absolutePath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << root.relativeFilePath(it.next());
        for (const char *escaped : {"/../x.chk", "/../x"}) {
            if (QFile::exists(folder->path() + QLatin1String(escaped)))
                files << QLatin1String(escaped);
        }
        files.sort();
        return files;
    }
    void fetch()
    {
        click("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(c<QListWidget>("List1")->count(), 6, 5000);
    }

private slots:

    void init()
    {
        folder = std::make_unique<TempProgramFolder>();
        responder = std::make_unique<RecordingResponder>();
        server = std::make_unique<TestHttpServer>();
        qputenv("ORTELIA_UPDATE_SERVER", server->base().toLatin1());
        folder->writeBytes(QStringLiteral("syso/update-datum.chk"), "\"20240101\"\r\n");
        folder->writeBytes(QStringLiteral("syso/LetztesUpdate-Datum.chk"), "\"01.05.2007\"\r\n");
        folder->writeBytes(QStringLiteral("syso/optionen1.chk"), "0\r\n");
        server->route(kListPath, listBytes());
        server->route("/d/DeNeu.txt", kDictionary);
        program = std::make_unique<TestServices>();
        program->registerWindow<hilfe1>(windows::hilfe1);
        program->registerWindow<up1>(windows::up1);
        window()->show();
    }

    void cleanup()
    {
        program.reset();
        server.reset();
        responder.reset();
        folder.reset();
        qunsetenv("ORTELIA_UPDATE_SERVER");
    }

    void fetchStoresBothCopiesAndTheDate()
    {
        QCOMPARE(c<QLineEdit>("Text5")->text(), QStringLiteral("20240101"));
        QCOMPARE(c<QLineEdit>("Text7")->text(),
                 folder->file(QStringLiteral("TranslateDeGb")) + QLatin1Char('/'));
        fetch();
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/update.chk")), '"' + listBytes() + "\"\r\n");
        QCOMPARE(folder->readBytes(QStringLiteral("syso/LetztesUpdate-Datum.chk")),
                 (quotedToday() + "\r\n").toLatin1());
        QCOMPARE(c<QLabel>("Label2")->text(),
                 QStringLiteral("In der Wörterrbuch Liste befinden sich: ( 6 Einträge )"));
        QCOMPARE(c<QPushButton>("Command6")->text(), QStringLiteral("Suche beginnen"));
        QCOMPARE(c<QListWidget>("List1")->currentRow(), 1);
        QCOMPARE(c<QLineEdit>("Text8")->text(), QStringLiteral("DeAlt"));
        QCOMPARE(c<QListWidget>("List2")->count(), 5);
        QCOMPARE(server->userAgents.value(0), QStringLiteral("Ortelia-Update"));

        click("Command19");
        QCOMPARE(folder->readBytes(QStringLiteral("update.chk")), listBytes() + "\r\n");

        QVERIFY(responder->requests.isEmpty());
    }

    void namesFromTheServerStayPlainNamesInTheDictionaryFolder()
    {
        folder->writeBytes(QStringLiteral("ortelia-windows"), "das Programm");
        server->route(kListPath, "Kopf#Datei#B#Datum#Adresse\r\nW#Ok4#d#20991231#ortelia-windows\r\n"
                                 "W#Ok5#d#20991231#syso/update-server.chk\r\nEnde#");
        click("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(c<QListWidget>("List1")->count(), 4, 5000);
        const QStringList before = allFiles();
        // The second "speichern" with the address an entry put into the field, or one typed in.
        for (int row : {1, 2}) {
            c<QListWidget>("List1")->setCurrentRow(row);
            click("Command4");
        }
        for (const char *typed : {"../evil.txt", "DeEn.txt"}) {
            c<QLineEdit>("Text1")->setText(QLatin1String(typed));
            click("Command4");
        }
        // A fine name, but the text is the list, not a dictionary.
        c<QLineEdit>("Text1")->setText(QStringLiteral("DeKopie.txt"));
        click("Command4");
        QCOMPARE(responder->requests.size(), 5);
        for (const QString &text : responder->texts())
            QVERIFY2(text.startsWith(QStringLiteral("Achtung : Nicht gespeichert [")), qPrintable(text));
        QCOMPARE(allFiles(), before);
        QCOMPARE(folder->readBytes(QStringLiteral("ortelia-windows")), QByteArray("das Programm"));

        // A dictionary fetched with "lade" is stored under a plain name in TranslateDeGb.
        c<QLineEdit>("Text1")->setText(server->base() + QStringLiteral("d/DeNeu.txt"));
        click("Command2");
        c<QLineEdit>("Text1")->setText(QStringLiteral("DeKopie.txt"));
        click("Command4");
        QCOMPARE(responder->requests.size(), 5);
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/DeKopie.txt")), kDictionary);
    }

    void scanAsksAndDownloadsOnlySoundEntries()
    {
        fetch();
        const QStringList before = allFiles();
        click("Command6");
        QCOMPARE(c<QPushButton>("Command6")->text(), QStringLiteral("Weiter Suche"));
        QTRY_VERIFY_WITH_TIMEOUT(titles().contains(kEndTitle), 10000);
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/DeNeu.chk")), kDictionary);
        // The download stays as written, and a copy is a dictionary the choosers list.
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/DeNeu.txt")), kDictionary);
        QStringList expected = before;
        expected << QStringLiteral("TranslateDeGb/DeNeu.chk") << QStringLiteral("TranslateDeGb/DeNeu.txt");
        expected.sort();
        QCOMPARE(allFiles(), expected);
        QCOMPARE(server->requests, (QStringList{QString::fromLatin1(kListPath), "/d/DeNeu.txt"}));
        // Asked for the one sound new entry only; the refused ones were counted and shown.
        QCOMPARE(titles(), (QStringList{"Wörterbuch DeNeu neu", kEndTitle}));
        QCOMPARE(responder->requests[0].text, QStringLiteral("Wollen Sie das Neue Wörterbuch Downloaden ?"));
        QCOMPARE(responder->requests[1].text, QStringLiteral("3 Wollen Sie Updat Fenster  beenden ?"));
        QCOMPARE(c<QLabel>("Label4")->text(), QStringLiteral("3"));
        QVERIFY(!window()->isVisible());
        QVERIFY(c<QProgressBar>("ProgressBar1")->isHidden());
    }

    void scanEndsAtTheLastEntryWithoutEndMarker()
    {
        server->route(kListPath, listBytes(false));
        responder->answers = {DialogAnswer::No, DialogAnswer::No};
        click("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(c<QListWidget>("List1")->count(), 6, 5000);
        click("Command6");
        QTRY_VERIFY_WITH_TIMEOUT(titles().contains(kEndTitle), 10000);
        QVERIFY(!QFile::exists(folder->file(QStringLiteral("TranslateDeGb/DeNeu.chk"))));
        QVERIFY(window()->isVisible());
        QCOMPARE(c<QLabel>("Label5")->text(), QStringLiteral("Achtun: ( 0 ) neue Einträge gefunden!"));
        // No further step after the end.
        const int asked = int(responder->requests.size());
        QTest::qWait(2000);
        QCOMPARE(responder->requests.size(), asked);
    }

    void listIsCutAt50000Bytes()
    {
        QByteArray big = "kopf\r\n";
        while (big.size() < 60000)
            big += "Wörterbuch#DeAlt#alt#20000101#http://127.0.0.1:9/x\r\n";
        server->route(kListPath, big);
        click("Command1");
        QTRY_VERIFY_WITH_TIMEOUT(c<QListWidget>("List1")->count() > 900, 5000);
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/update.chk")),
                 '"' + big.left(50000) + "\"\r\n");
    }

    void failedFetchKeepsTheStoredList()
    {
        folder->writeBytes(QStringLiteral("TranslateDeGb/update.chk"), "\"alt\"\r\n");
        server->route(kListPath, TestHttpServer::Route{404, "weg"});
        click("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 1, 5000);
        QVERIFY(responder->texts().first().contains(QStringLiteral("Fehler 404")));
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/update.chk")), QByteArray("\"alt\"\r\n"));
        QCOMPARE(folder->readBytes(QStringLiteral("syso/LetztesUpdate-Datum.chk")),
                 QByteArray("\"01.05.2007\"\r\n"));

        server->route(kListPath, TestHttpServer::Route{200, {}, TestHttpServer::Mode::Silent});
        click("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 2, 5000);
        QVERIFY(responder->texts().last().contains(QStringLiteral("antwortet nicht")));

        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        qputenv("ORTELIA_UPDATE_SERVER",
                QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort()).toLatin1());
        closed.close();
        click("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 3, 5000);
        QCOMPARE(responder->texts().last(), QStringLiteral("Achtung :keine Verbindung !"));
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/update.chk")), QByteArray("\"alt\"\r\n"));

        // Closed while it waits for the list: unloaded at once, nothing more asked or stored.
        qputenv("ORTELIA_UPDATE_SERVER", server->base().toLatin1());
        server->route(kListPath, TestHttpServer::Route{200, {}, TestHttpServer::Mode::Silent});
        responder->answers = {DialogAnswer::No};
        QWidget *waiting = window();
        QTimer::singleShot(300, waiting, [waiting] { QTest::keyClick(waiting, Qt::Key_Escape); });
        c<QPushButton>("Command1")->click();
        QTRY_VERIFY(!program->windows.existing(windows::up1));
        QCOMPARE(responder->requests.size(), 4);
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/update.chk")), QByteArray("\"alt\"\r\n"));
    }

    void brokenDownloadsLeaveNoFile()
    {
        fetch();
        const QStringList before = allFiles();
        c<QListWidget>("List1")->setCurrentRow(2);
        server->route("/d/DeNeu.txt", TestHttpServer::Route{200, kDictionary, TestHttpServer::Mode::CutOff});
        click("Command9");
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 1, 5000);
        server->route("/d/DeNeu.txt", TestHttpServer::Route{200, {}, TestHttpServer::Mode::Endless});
        click("Command9");
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 2, 20000);
        QVERIFY(responder->texts().last().contains(QStringLiteral("zu groß")));
        QCOMPARE(allFiles(), before);

        // Refused entries are never fetched.
        for (int row : {3, 4}) {
            c<QListWidget>("List1")->setCurrentRow(row);
            click("Command9");
            QVERIFY(responder->texts().last().startsWith(QStringLiteral("Achtung : Eintrag abgelehnt")));
        }
        QCOMPARE(server->requests.count(QStringLiteral("/d/DeNeu.txt")), 2);
        QCOMPARE(allFiles(), before);

        // Closing cancels a running download, asks about the date and unloads the window.
        server->route("/d/DeNeu.txt", TestHttpServer::Route{200, {}, TestHttpServer::Mode::Silent});
        c<QListWidget>("List1")->setCurrentRow(2);
        click("Command9");
        QVERIFY(c<QProgressBar>("ProgressBar1")->isVisible());
        responder->answers = {DialogAnswer::No};
        QTest::keyClick(window(), Qt::Key_Escape);
        QCOMPARE(responder->requests.last().text,
                 QStringLiteral("Wollen Sie das Update-Datum abspeichern ?"));
        QTRY_VERIFY(!program->windows.existing(windows::up1));
        QCOMPARE(allFiles(), before);
        QCOMPARE(folder->readBytes(QStringLiteral("syso/update-datum.chk")), QByteArray("\"20240101\"\r\n"));
    }

    // A server that accepts a download and never answers is given up after the quiet time; one
    // that trickles the list, a byte a second and so never quiet for long, after the list's whole
    // time. Each with a message that names the cause; the stored list and the files stay.
    void silentAndSlowServersAreGivenUp()
    {
        fetch();
        const QStringList before = allFiles();
        const QByteArray storedList = folder->readBytes(QStringLiteral("TranslateDeGb/update.chk"));
        server->route("/d/DeNeu.txt", TestHttpServer::Route{200, {}, TestHttpServer::Mode::Silent});
        c<QListWidget>("List1")->setCurrentRow(2);
        click("Command9");
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 1, 4 * HttpGet::kTimeoutMs);
        QVERIFY2(responder->texts().last().contains(QStringLiteral("antwortet nicht")),
                 qPrintable(responder->texts().last()));
        QCOMPARE(allFiles(), before);

        server->route(kListPath, TestHttpServer::Route{200, listBytes(), TestHttpServer::Mode::Trickle});
        click("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 2, 2 * HttpGet::kListTimeouts * HttpGet::kTimeoutMs);
        QVERIFY2(responder->texts().last().contains(QStringLiteral("sendet zu langsam")),
                 qPrintable(responder->texts().last()));
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/update.chk")), storedList);
        QCOMPARE(c<QListWidget>("List1")->count(), 6);
        QCOMPARE(allFiles(), before);
    }

    void collectListsTheNewEntries()
    {
        responder->answers = {DialogAnswer::No};
        click("Command7");
        QTRY_VERIFY_WITH_TIMEOUT(titles().contains(kEndTitle), 10000);
        QCOMPARE(window()->height(), up1::kCollectHeight);
        auto *found = c<QListWidget>("List3");
        QCOMPARE(found->count(), 3);
        QVERIFY(found->item(0)->text().contains(QStringLiteral("#DeNeu#")));
        QVERIFY(found->item(1)->text().startsWith(QStringLiteral("abgelehnt")));
        QVERIFY(found->isEnabled());
        QCOMPARE(c<QLabel>("Label5")->text(), QStringLiteral(" Achtung: [ 3 .] neue Einträge gefunden !"));
        QVERIFY(!QFile::exists(folder->file(QStringLiteral("TranslateDeGb/DeNeu.chk"))));

        // Closed, the window is unloaded: opened again, it is loaded anew, not left as it was.
        click("Command13");
        QVERIFY(c<QWidget>("Frame1")->isHidden());
        const QPointer<QWidget> closed = window();
        responder->answers = {DialogAnswer::No};
        QTest::keyClick(window(), Qt::Key_Escape);
        QTRY_VERIFY(!closed);
        QVERIFY(window()->height() != up1::kCollectHeight);
        QVERIFY(!c<QWidget>("Frame1")->isHidden());
        QCOMPARE(c<QListWidget>("List3")->count(), 0);
        QCOMPARE(c<QLabel>("Label8")->text(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    }

    void downloadNeverReplacesADictionary()
    {
        folder->writeBytes(QStringLiteral("TranslateDeGb/DeNeu.txt"), "eigen;own\r\n");
        fetch();
        c<QListWidget>("List1")->setCurrentRow(2);
        click("Command9");
        QTRY_COMPARE_WITH_TIMEOUT(folder->readBytes(QStringLiteral("TranslateDeGb/DeNeu-20991231.txt")),
                                  kDictionary, 5000);
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/DeNeu.chk")), kDictionary);
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/DeNeu.txt")), QByteArray("eigen;own\r\n"));
    }

    void downloadsAreCheckedBeforeTheyReplace()
    {
        folder->writeBytes(QStringLiteral("TranslateDeGb/DeNeu.chk"), kDictionary);
        fetch();
        const QByteArray storedList = folder->readBytes(QStringLiteral("TranslateDeGb/update.chk"));
        const QStringList before = allFiles();
        c<QListWidget>("List1")->setCurrentRow(2);
        const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        const TestHttpServer::Route hostile[] = {
            {200, {}},
            {200, png + kDictionary},
            {200, "<html><body>Wartung</body></html>\r\n"},
            {200, kDictionary.left(kDictionary.size() - 5), TestHttpServer::Mode::Unsized},
        };
        for (const TestHttpServer::Route &route : hostile) {
            server->route("/d/DeNeu.txt", route);
            const qsizetype asked = responder->requests.size();
            click("Command9");
            QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), asked + 1, 5000);
            QVERIFY2(responder->texts().last().contains(QStringLiteral("kein Wörterbuch")),
                     qPrintable(responder->texts().last()));
        }
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/DeNeu.chk")), kDictionary);
        QCOMPARE(allFiles(), before);

        // An empty answer or a page without entries keeps the stored list, and the message says which.
        const QList<std::pair<TestHttpServer::Route, QString>> refused = {
            {TestHttpServer::Route{204, {}}, QStringLiteral("Update-Liste ist leer")},
            {TestHttpServer::Route{200, "<html>Anmeldung</html>"},
             QStringLiteral("Update-Liste ist eine HTML-Seite")}};
        for (const auto &[route, why] : refused) {
            server->route(kListPath, route);
            const qsizetype asked = responder->requests.size();
            click("Command1");
            QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), asked + 1, 5000);
            QVERIFY2(responder->texts().last().contains(why), qPrintable(responder->texts().last()));
        }
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/update.chk")), storedList);
        QCOMPARE(c<QListWidget>("List1")->count(), 6);
    }

    void fullDiskKeepsTheFilesAndSaysSo()
    {
        const SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a full disk needs a tmpfs, which only root can mount");
        // The dictionary folder and the settings on the small disk.
        for (const QString &name : {QStringLiteral("TranslateDeGb"), QStringLiteral("syso")}) {
            QDir moved(disk.path() + QLatin1Char('/') + name);
            QVERIFY(moved.mkpath(QStringLiteral(".")));
            const QDir original(folder->file(name));
            for (const QString &file : original.entryList(QDir::Files))
                QVERIFY(QFile::copy(original.filePath(file), moved.filePath(file)));
            QVERIFY(QDir(folder->file(name)).removeRecursively());
            QVERIFY(QFile::link(moved.path(), folder->file(name)));
        }
        fetch();
        c<QListWidget>("List1")->setCurrentRow(2);
        click("Command9");
        QTRY_COMPARE_WITH_TIMEOUT(folder->readBytes(QStringLiteral("TranslateDeGb/DeNeu.chk")), kDictionary,
                                  5000);
        const QByteArray storedList = folder->readBytes(QStringLiteral("TranslateDeGb/update.chk"));
        const QByteArray lastUpdate = folder->readBytes(QStringLiteral("syso/LetztesUpdate-Datum.chk"));
        disk.fill();

        server->route("/d/DeNeu.txt", kDictionary + "neuer;newer\r\n");
        click("Command9");
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 1, 5000);
        server->route(kListPath, listBytes() + "\r\nW#DeMehr#m#20991231#http://h/m");
        click("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 2, 5000);
        click("Command15");
        QCOMPARE(responder->requests.size(), 4); // the download, the list and both dates
        for (const QString &text : responder->texts())
            QVERIFY2(text.contains(QStringLiteral("Datenträger ist voll")), qPrintable(text));

        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/DeNeu.chk")), kDictionary);
        QCOMPARE(folder->readBytes(QStringLiteral("TranslateDeGb/update.chk")), storedList);
        QCOMPARE(folder->readBytes(QStringLiteral("syso/LetztesUpdate-Datum.chk")), lastUpdate);
        QCOMPARE(folder->readBytes(QStringLiteral("syso/update-datum.chk")), QByteArray("\"20240101\"\r\n"));
    }

    void automaticLoadingAndTakingOverTheDate()
    {
        program = std::make_unique<TestServices>();
        program->registerWindow<up1>(windows::up1);
        folder->writeBytes(QStringLiteral("syso/optionen1.chk"), " 1 \r\n 0 \r\n");
        window()->show();
        QVERIFY(c<FormTimer>("Timer5")->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder->file(QStringLiteral("TranslateDeGb/update.chk"))),
                                 5000);
        QCOMPARE(c<QLabel>("Label1")->text().trimmed(),
                 QStringLiteral("Automatisches neues Update Liste laden...activiert"));

        click("Command15");
        const QDate today = QDate::currentDate();
        QCOMPARE(folder->readBytes(QStringLiteral("syso/update-datum.chk")),
                 ('"' + today.toString(QStringLiteral("yyyyMMdd")) + "\"\r\n").toLatin1());
        QCOMPARE(c<QLineEdit>("Text5")->text(), today.toString(QStringLiteral("yyyyMMdd")));

        // The settings switches: clearing the first clears the second; saving writes both.
        auto *first = c<QCheckBox>("Check1");
        auto *second = c<QCheckBox>("Check2");
        second->setChecked(true);
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(6, first->height() / 2));
        QVERIFY(!second->isChecked());
        click("Command13");
        QCOMPARE(folder->readBytes(QStringLiteral("syso/optionen1.chk")), QByteArray(" 0 \r\n 0 \r\n"));

        // Ticked again, the first switch uncovers its button, which shows its caption whole.
        c("Frame1")->show();
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(6, first->height() / 2));
        auto *fetchNow = c<QPushButton>("Command20");
        QVERIFY(fetchNow->isVisible());
        QVERIFY2(fetchNow->sizeHint().width() <= fetchNow->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(fetchNow->sizeHint().width()).arg(fetchNow->width())));
        QVERIFY(c("Frame1")->geometry().right() < window()->width());
    }

    // The update buttons of the main and the help window start the automatic loading again.
    void otherWindowsStartTheAutomaticLoading()
    {
        auto *timer = c<FormTimer>("Timer5");
        timer->setEnabled(false);
        emit program->requests.checkForUpdates();
        QVERIFY(timer->isActive());
    }
};

QTEST_MAIN(UpdateWindowTest)
#include "tst_up1.moc"
