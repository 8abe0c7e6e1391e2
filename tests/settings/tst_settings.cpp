#include "SettingsFiles.h"
#include "Speaker.h"
#include "StartSettings.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "VoiceLines.h"
#include "WindowRegistry.h"
#include "hilfe1.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

using namespace ortelia;

namespace {

// Puts a file in path's place that no settings file should be.
void makeUnusable(const QString &path, const QString &kind)
{
    if (kind == QLatin1String("link to a device")) {
        // The device is the test's own, beside the file; without root a FIFO stands in for it.
        const QString device = path + QStringLiteral(".gerät");
        if (!test::makeZeroDevice(device))
            QCOMPARE(::mkfifo(QFile::encodeName(device).constData(), 0600), 0);
        QVERIFY(QFile::link(device, path));
    } else if (kind == QLatin1String("FIFO")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QByteArray bytes(kind == QLatin1String("5 MB line") ? 5 << 20 : 4096, 'a');
        if (kind == QLatin1String("random bytes"))
            QRandomGenerator(25).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
}

// The defaults after the two option files, as the first start writes them.
void checkLaterDefaults(const test::TempProgramFolder &folder)
{
    QCOMPARE(folder.readBytes(QStringLiteral("syso/update-datum.chk")), QByteArray("20070501\r\n"));
    QCOMPARE(folder.readBytes(QStringLiteral("syso/LetztesUpdate-Datum.chk")), QByteArray("01.05.2007\r\n"));
    QCOMPARE(folder.readBytes(QStringLiteral("stimm2.txt")), QByteArray("#voice=name:lgx.en.bill#\r\n"));
    QCOMPARE(folder.readBytes(QStringLiteral("syso/update-server.chk")),
             QByteArray("http://127.0.0.1:8000/\r\n"));
    QVERIFY(!SettingsFiles::isFirstRun());
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesTheFiveDefaults()
    {
        test::TempProgramFolder folder;
        QVERIFY(SettingsFiles::isFirstRun());
        QStringList writtenWhileWaiting;
        // The waits keep events flowing; note which files exist when a timer fires mid-way.
        QTimer::singleShot(1000, this, [&] {
            for (const QString &f : QDir(folder.file(QStringLiteral("syso"))).entryList(QDir::Files))
                writtenWhileWaiting << f;
        });
        QElapsedTimer clock;
        clock.start();
        SettingsFiles::WriteDefaultSettings();
        QVERIFY(clock.elapsed() >= 2400);
        writtenWhileWaiting.sort();
        QCOMPARE(writtenWhileWaiting, (QStringList{"optionen.chk", "optionen1.chk"}));

        QCOMPARE(folder.readBytes(QStringLiteral("syso/optionen.chk")), QByteArray("0\r\n"));
        QCOMPARE(folder.readBytes(QStringLiteral("syso/optionen1.chk")), QByteArray("0\r\n"));
        checkLaterDefaults(folder);
    }

    void oneLineOptionFileLeavesTheSecondSwitch()
    {
        test::TempProgramFolder folder;
        folder.writeBytes(QStringLiteral("syso/optionen.chk"), "0\r\n");
        bool daily = true, monthly = true;
        QVERIFY(SettingsFiles::readSwitches(SettingsFiles::optionsPath(), daily, monthly));
        QVERIFY(!daily);
        QVERIFY(monthly);

        QVERIFY(SettingsFiles::writeSwitches(SettingsFiles::updateOptionsPath(), true, false));
        QCOMPARE(folder.readBytes(QStringLiteral("syso/optionen1.chk")), QByteArray(" 1 \r\n 0 \r\n"));
        bool automatic = false, onlyNewer = true;
        QVERIFY(SettingsFiles::readSwitches(SettingsFiles::updateOptionsPath(), automatic, onlyNewer));
        QVERIFY(automatic);
        QVERIFY(!onlyNewer);
    }

    void junkAndMissingFilesKeepTheSwitches()
    {
        test::TempProgramFolder folder;
        folder.writeBytes(QStringLiteral("syso/optionen.chk"), "\x01\x02junk\r\n\"ja\"\r\n1\r\n");
        bool daily = true, monthly = false;
        QVERIFY(SettingsFiles::readSwitches(SettingsFiles::optionsPath(), daily, monthly));
        QVERIFY(daily);
        QVERIFY(!monthly);
        QVERIFY(!SettingsFiles::readSwitches(folder.file(QStringLiteral("syso/fehlt.chk")), daily, monthly));
        QVERIFY(daily);
    }

    void linesInMemoryReadAsTheFiles()
    {
        bool daily = true, monthly = false;
        SettingsFiles::switchesIn({QStringLiteral("\"ja\""), QStringLiteral(" 1 ")}, daily, monthly);
        QVERIFY(daily);
        QVERIFY(monthly);
        QCOMPARE(SettingsFiles::dateIn({QStringLiteral("20070501"), QStringLiteral("\"20250101\"")}),
                 std::optional(QStringLiteral("20250101")));
        QCOMPARE(SettingsFiles::dateIn({}), std::nullopt);
    }

    void datesRoundTripWithoutQuotes()
    {
        test::TempProgramFolder folder;
        test::RecordingResponder responder;
        QVERIFY(SettingsFiles::writeUpdateDate(QStringLiteral("20261208")));
        QCOMPARE(folder.readBytes(QStringLiteral("syso/update-datum.chk")), QByteArray("\"20261208\"\r\n"));
        QCOMPARE(SettingsFiles::readDate(SettingsFiles::updateDatePath()),
                 std::optional(QStringLiteral("20261208")));
        QVERIFY(SettingsFiles::writeLastUpdateDate(QStringLiteral("08.12.2026")));
        QCOMPARE(SettingsFiles::readDate(SettingsFiles::lastUpdateDatePath()),
                 std::optional(QStringLiteral("08.12.2026")));
        // Readers keep the last line of the file.
        folder.writeBytes(QStringLiteral("syso/update-datum.chk"), "20070501\r\n\"20250101\"\r\n");
        QCOMPARE(SettingsFiles::readDate(SettingsFiles::updateDatePath()),
                 std::optional(QStringLiteral("20250101")));
        folder.writeBytes(QStringLiteral("syso/update-datum.chk"), "");
        QCOMPARE(SettingsFiles::readDate(SettingsFiles::updateDatePath()), std::nullopt);
        QVERIFY(responder.requests.isEmpty());
    }

    void writeProtectedDateFilesShowTheirMessages()
    {
        test::TempProgramFolder folder;
        test::RecordingResponder responder;
        // A folder in place of the file makes the write fail even for the administrator.
        QDir(folder.path()).mkpath(QStringLiteral("syso/update-datum.chk/x"));
        QDir(folder.path()).mkpath(QStringLiteral("syso/LetztesUpdate-Datum.chk/x"));
        const SaveResult updateDate = SettingsFiles::writeUpdateDate(QStringLiteral("20261208"));
        const SaveResult lastUpdate = SettingsFiles::writeLastUpdateDate(QStringLiteral("08.12.2026"));
        QCOMPARE((QStringList{SettingsFiles::failureMessage(updateDate),
                              SettingsFiles::failureMessage(lastUpdate)}),
                 (QStringList{"Achtung : Schreibschutz entfernen [Ordner> syso/update-datum.chk]!",
                              "Achtung : Schreibschutz entfernen [Ordner> syso\\LetztesUpdate-Datum.chk]!"}));
        QVERIFY(responder.requests.isEmpty());
    }

    void cutShortFirstStartIsCompleted()
    {
        test::TempProgramFolder folder;
        // Killed while it wrote the third file; the user has changed the first one since.
        folder.writeBytes(QStringLiteral("syso/optionen.chk"), " 1 \r\n 1 \r\n");
        folder.writeBytes(QStringLiteral("syso/optionen1.chk"), "0\r\n");
        folder.writeBytes(QStringLiteral("syso/update-datum.chk"), "");
        QVERIFY(SettingsFiles::isFirstRun());
        QVERIFY(SettingsFiles::WriteDefaultSettings());
        QCOMPARE(folder.readBytes(QStringLiteral("syso/optionen.chk")), QByteArray(" 1 \r\n 1 \r\n"));
        checkLaterDefaults(folder);
    }

    void unusableFilesAreNotRead_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"random bytes", "5 MB line", "link to a device", "FIFO"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void unusableFilesAreNotRead()
    {
        QFETCH(QString, kind);
        test::TempProgramFolder folder;
        test::TestServices program;
        program.registerWindow<hilfe1>(windows::hilfe1);
        for (const char *name : {"stimm2.txt", "syso/update-datum.chk", "syso/optionen.chk", "syso/reg2.txt"})
            makeUnusable(folder.file(QString::fromLatin1(name)), kind);

        QSignalSpy messages(&program.speaker, &Speaker::message);
        QCOMPARE(program.speaker.voiceProfile(), QStringList{QString(VoiceLines::kFirstRunProfile)});
        QCOMPARE(messages.size(), 1);
        QCOMPARE(
            messages.first().first().toString(),
            QStringLiteral("Achtung : stimm2.txt ist kein Stimm-Muster! Es spricht die Standardstimme."));
        QCOMPARE(SettingsFiles::readUpdateDate(), QStringLiteral("20070501"));
        bool daily = true, monthly = true;
        SettingsFiles::readSwitches(SettingsFiles::optionsPath(), daily, monthly);
        QVERIFY(daily && monthly);
        QCOMPARE(StartSettings::read(), QList<std::optional<bool>>(StartSettings::kLineCount));
    }

    void damagedUpdateDateCountsAsNeverUpdated()
    {
        test::TempProgramFolder folder;
        QCOMPARE(SettingsFiles::readUpdateDate(), QStringLiteral("20070501"));
        folder.writeBytes(QStringLiteral("syso/update-datum.chk"), "\"2026121\"\r\n");
        QCOMPARE(SettingsFiles::readUpdateDate(), QStringLiteral("20070501"));
        folder.writeBytes(QStringLiteral("syso/update-datum.chk"), "\"20261210\"\r\n");
        QCOMPARE(SettingsFiles::readUpdateDate(), QStringLiteral("20261210"));
    }

    void fullDiskKeepsTheSettingsAndSaysSo()
    {
        test::TempProgramFolder folder;
        test::RecordingResponder responder;
        const test::SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a full disk needs a tmpfs, which only root can mount");
        QVERIFY(QDir(folder.file(QStringLiteral("syso"))).removeRecursively());
        QVERIFY(QFile::link(disk.path(), folder.file(QStringLiteral("syso"))));
        const QStringList files = {"syso/optionen.chk", "syso/update-datum.chk", "syso/reg2.txt"};
        for (const QString &file : files)
            folder.writeBytes(file, "alt\r\n");
        disk.fill();

        QStringList messages;
        for (const SaveResult &saved :
             {SettingsFiles::writeSwitches(SettingsFiles::optionsPath(), true, false),
              SettingsFiles::writeUpdateDate(QStringLiteral("20261210"))})
            messages << SettingsFiles::failureMessage(saved);
        QVERIFY(!StartSettings::write({true, false, true, false, false}));
        for (const QString &file : files)
            QCOMPARE(folder.readBytes(file), QByteArray("alt\r\n"));
        messages += responder.texts();
        QCOMPARE(messages.size(), 3);
        for (const QString &text : messages)
            QVERIFY2(text.contains(QStringLiteral("voll")), qPrintable(text));
    }

    void firstRunSurvivesAMissingSettingsFolder()
    {
        test::TempProgramFolder folder;
        QDir(folder.file(QStringLiteral("syso"))).removeRecursively();
        SettingsFiles::WriteDefaultSettings();
        QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("syso/optionen.chk"))));
        QVERIFY(!SettingsFiles::isFirstRun());
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
