#include "PublishUpdates.h"
#include "SettingsFiles.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "UpdateList.h"
#include "UpdateTests.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace ortelia;

void UpdateListTest::splitsFieldsLikeTheWordSplitter()
{
    test::RecordingResponder responder;
    QCOMPARE(UpdateList::parse(QStringLiteral("a##b#c#"))->fields, (QStringList{"a", "b", "c"}));
    const UpdateList::Entry entry =
        *UpdateList::parse(QStringLiteral("Wörterbuch#DeEn#Englisch#20240102#http://h/x"));
    QCOMPARE(entry.summary(), QStringLiteral("Wörterbuch DeEn Englisch"));
    QCOMPARE(entry.date(), QStringLiteral("20240102"));
    QCOMPARE(entry.address(), QStringLiteral("http://h/x"));
    QVERIFY(UpdateList::parse(QStringLiteral("Ende#\""))->isEndMarker());
    QVERIFY(!UpdateList::parse(QStringLiteral("\"Ende"))->isEndMarker());
    QVERIFY(UpdateList::parse(QStringLiteral("x")).value().fileName().isEmpty());

    QVERIFY(UpdateList::parse(QStringLiteral("a#").repeated(1501)));
    QVERIFY(responder.requests.isEmpty());
    QVERIFY(!UpdateList::parse(QStringLiteral("a#").repeated(1502) + QStringLiteral("a")));
    QCOMPARE(responder.texts(), QStringList{"Zu viele Worte!"});
}

void UpdateListTest::newOnlyWithEightDigitsAndALaterDate()
{
    QVERIFY(UpdateList::isNewer(QStringLiteral("20240102"), QStringLiteral("20240101")));
    QVERIFY(!UpdateList::isNewer(QStringLiteral("20240101"), QStringLiteral("20240101")));
    QVERIFY(!UpdateList::isNewer(QStringLiteral("20231231"), QStringLiteral("20240101")));
    // Character by character "9" is later than "20070501"; as a date it is no date.
    QVERIFY(!UpdateList::isNewer(QStringLiteral("9"), QStringLiteral("20070501")));
    QVERIFY(!UpdateList::isNewer(QStringLiteral("2024010x"), QStringLiteral("20070501")));
    QVERIFY(!UpdateList::isNewer(QStringLiteral("Datum"), QStringLiteral("20070501")));
    QVERIFY(!UpdateList::isNewer(QStringLiteral("20240102"), QStringLiteral("letztes Datum")));
}

void UpdateListTest::refusesHostileEntries()
{
    const auto refusal = [](const QString &name, const QString &address = QStringLiteral("http://h/d.txt")) {
        return UpdateList::refusal(
            UpdateList::Entry{{QStringLiteral("W"), name, QString(), QStringLiteral("20240101"), address}});
    };
    QVERIFY(refusal(QStringLiteral("DeEn")).isEmpty());
    QVERIFY(refusal(QStringLiteral("Deutsch-Arabisch"), QStringLiteral("https://h/a b.txt")).isEmpty());
    QVERIFY(refusal(QString(QStringLiteral("x")).repeated(100)).isEmpty());
    for (const QString &bad :
         {QStringLiteral("../../x"), QStringLiteral(".."), QStringLiteral("a/b"), QStringLiteral("a\\b"),
          QStringLiteral("C:x"), QStringLiteral(""), QStringLiteral("update"), QStringLiteral("UPDATE"),
          QStringLiteral("a\tb"), QStringLiteral("\""), QString(QStringLiteral("x")).repeated(101)})
        QVERIFY2(!refusal(bad).isEmpty(), qPrintable(bad));
    for (const QString &bad : {QStringLiteral("file:///etc/passwd"), QStringLiteral("ftp://h/x"),
                               QStringLiteral("http:///x"), QStringLiteral(""), QStringLiteral("DeEn.txt")})
        QVERIFY2(!refusal(QStringLiteral("DeEn"), bad).isEmpty(), qPrintable(bad));
}

void UpdateListTest::serverAddressFromSettingOrEnvironment()
{
    test::TempProgramFolder folder;
    qunsetenv("ORTELIA_UPDATE_SERVER");
    QFile::remove(SettingsFiles::updateServerPath());
    QCOMPARE(SettingsFiles::updateServer(), QStringLiteral("http://127.0.0.1:8000/"));
    folder.writeBytes(QStringLiteral("syso/update-server.chk"), " http://example.invalid/o/ \r\n");
    QCOMPARE(SettingsFiles::updateServer(), QStringLiteral("http://example.invalid/o/"));
    QCOMPARE(UpdateList::listAddress(SettingsFiles::updateServer()),
             QStringLiteral("http://example.invalid/o/ortelia-translator/update/1/update1.txt"));
    qputenv("ORTELIA_UPDATE_SERVER", "http://127.0.0.1:9/");
    QCOMPARE(SettingsFiles::updateServer(), QStringLiteral("http://127.0.0.1:9/"));
    qunsetenv("ORTELIA_UPDATE_SERVER");
}

void UpdateListTest::publishesListAndDictionaries()
{
    test::TempProgramFolder folder;
    QTemporaryDir out;
    const PublishResult result =
        publishUpdates(out.path(), QStringLiteral("http://127.0.0.1:8000"), QStringLiteral("20991231"));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY(result.dictionaries > 0);
    const QStringList lines =
        TextFile::readLines(out.filePath(QStringLiteral("ortelia-translator/update/1/update1.txt"))).value();
    QCOMPARE(lines.size(), result.dictionaries + 2);
    QCOMPARE(lines.last(), QStringLiteral("Ende#"));
    const UpdateList::Entry first = *UpdateList::parse(lines[1]);
    QVERIFY(UpdateList::refusal(first).isEmpty());
    QCOMPARE(first.date(), QStringLiteral("20991231"));
    QVERIFY(first.address().startsWith(QStringLiteral("http://127.0.0.1:8000/ortelia-translator/update/")));
    const QString published = out.filePath(QStringLiteral("ortelia-translator/update/") + first.field(2));
    QCOMPARE(QFileInfo(published).size(),
             QFileInfo(folder.file(QStringLiteral("TranslateDeGb/") + first.field(2))).size());
    // The stored copy's closing quote makes the last line the end marker.
    const QStringList stored = TextFile::splitLines(UpdateList::storedCopy(
        TextFile::read(out.filePath(QStringLiteral("ortelia-translator/update/1/update1.txt"))).value()));
    QVERIFY(UpdateList::parse(stored.last())->isEndMarker());

    QVERIFY(!publishUpdates(out.path(), QStringLiteral("file:///tmp"), QString()).error.isEmpty());
    QVERIFY(!publishUpdates(out.path(), QStringLiteral("http://h/"), QStringLiteral("2099")).error.isEmpty());
}
