#include "SettingsFiles.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <QtTest>

using namespace ortelia;

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
        QCOMPARE(folder.readBytes(QStringLiteral("syso/update-datum.chk")), QByteArray("20070501\r\n"));
        QCOMPARE(folder.readBytes(QStringLiteral("syso/LetztesUpdate-Datum.chk")), QByteArray("01.05.2007\r\n"));
        QCOMPARE(folder.readBytes(QStringLiteral("stimm2.txt")), QByteArray("#voice=name:lgx.en.bill#\r\n"));
        QCOMPARE(folder.readBytes(QStringLiteral("syso/update-server.chk")), QByteArray("http://127.0.0.1:8000/\r\n"));
        QVERIFY(!SettingsFiles::isFirstRun());
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
        QCOMPARE(SettingsFiles::readDate(SettingsFiles::updateDatePath()), std::optional(QStringLiteral("20261208")));
        QVERIFY(SettingsFiles::writeLastUpdateDate(QStringLiteral("08.12.2026")));
        QCOMPARE(SettingsFiles::readDate(SettingsFiles::lastUpdateDatePath()), std::optional(QStringLiteral("08.12.2026")));
        // Readers keep the last line of the file.
        folder.writeBytes(QStringLiteral("syso/update-datum.chk"), "20070501\r\n\"20250101\"\r\n");
        QCOMPARE(SettingsFiles::readDate(SettingsFiles::updateDatePath()), std::optional(QStringLiteral("20250101")));
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
        QVERIFY(!SettingsFiles::writeUpdateDate(QStringLiteral("20261208")));
        QVERIFY(!SettingsFiles::writeLastUpdateDate(QStringLiteral("08.12.2026")));
        QCOMPARE(responder.texts(),
                 (QStringList{"Achtung : Schreibschutz entfernen [Ordner> syso/update-datum.chk]!",
                              "Achtung : Schreibschutz entfernen [Ordner> syso\\LetztesUpdate-Datum.chk]!"}));
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
