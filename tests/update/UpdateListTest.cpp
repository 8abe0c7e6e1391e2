#include "PublishUpdates.h"
#include "SettingsFiles.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "UpdateList.h"
#include "UpdateTests.h"

#include <QStringEncoder>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace ortelia;

void UpdateListTest::splitsFieldsLikeTheWordSplitter()
{
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
    QVERIFY(!UpdateList::parse(QStringLiteral("a#").repeated(1502) + QStringLiteral("a")));
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
    QVERIFY(refusal(QStringLiteral("Deutsch-Arabisch_2.0"), QStringLiteral("https://h/a b.txt")).isEmpty());
    QVERIFY(refusal(QString(QStringLiteral("x")).repeated(100)).isEmpty());
    const QStringList hostileNames = {QStringLiteral("../../x"),
                                      QStringLiteral(".."),
                                      QStringLiteral("a/b"),
                                      QStringLiteral("a\\b"),
                                      QStringLiteral("C:x"),
                                      QStringLiteral(""),
                                      QStringLiteral("a\tb"),
                                      QStringLiteral("\""),
                                      QStringLiteral(".versteckt"),
                                      QStringLiteral("a b"),
                                      QStringLiteral("Wörter"),
                                      QStringLiteral("a#b"),
                                      QString(QStringLiteral("x")).repeated(101)};
    for (const QString &bad : hostileNames + QStringList{QStringLiteral("update"), QStringLiteral("UPDATE")})
        QVERIFY2(!refusal(bad).isEmpty(), qPrintable(bad));
    // Stored by address: a plain dictionary name in TranslateDeGb, never the program's own files.
    QVERIFY(UpdateList::storeNameRefusal(QStringLiteral("Deutsch-Arabisch.txt")).isEmpty());
    QVERIFY(UpdateList::storeNameRefusal(QStringLiteral("DeNeu.CHK")).isEmpty());
    for (const QString &bad :
         hostileNames + QStringList{QStringLiteral("ortelia-windows"), QStringLiteral("ortelia"),
                                    QStringLiteral("syso/update-server.chk"), QStringLiteral("Update.chk"),
                                    QStringLiteral("deen.txt"), QStringLiteral("sysx"),
                                    QStringLiteral("x.txt.exe")})
        QVERIFY2(!UpdateList::storeNameRefusal(bad).isEmpty(), qPrintable(bad));
    for (const QString &bad : {QStringLiteral("file:///etc/passwd"), QStringLiteral("ftp://h/x"),
                               QStringLiteral("http:///x"), QStringLiteral(""), QStringLiteral("DeEn.txt")})
        QVERIFY2(!refusal(QStringLiteral("DeEn"), bad).isEmpty(), qPrintable(bad));
}

void UpdateListTest::downloadsAreJudgedAsDictionaries()
{
    const QByteArray sep = "\\\\\\\\\\\\\\\\\r\n";
    const QByteArray good = "oberestextfeld;unterestextfeld;zusatztextfeld\r\nab;off\r\n" + sep +
                            "auto;car\r\n" + sep + "hallo;hello\r\n" + sep + "versuch;trial\r\n";
    QVERIFY(UpdateList::dictionaryRefusal(good).isEmpty());
    QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const struct {
        QByteArray body;
        const char *why;
    } bad[] = {
        {{}, "leer"},
        {png + sep.repeated(3), "keine Textdatei"},
        {"<!DOCTYPE html>\r\n<html><body>Nicht gefunden</body></html>\r\n", "HTML-Seite"},
        {good.left(good.size() - 4), "unvollständig"},
        {good.left(good.indexOf(sep) + sep.size()), "Trennlinien"},
    };
    for (const auto &b : bad)
        QVERIFY2(UpdateList::dictionaryRefusal(b.body).contains(QString::fromUtf8(b.why)),
                 qPrintable(UpdateList::dictionaryRefusal(b.body)));

    // A list without a single dated entry is no list.
    QVERIFY(UpdateList::hasEntries(
        QStringLiteral("Kopf#Datei#B#Datum#A\r\nW#DeEn#E#20240102#http://h/x\r\nEnde#")));
    for (const QString &empty : {QString(), QStringLiteral("Kopf#Datei#B#Datum#A\r\nEnde#"),
                                 QStringLiteral("<html><body>Anmeldung</body></html>")})
        QVERIFY2(!UpdateList::hasEntries(empty), qPrintable(empty));
}

void UpdateListTest::hostileListsAndDictionariesNameTheirCause()
{
    const QString list = QStringLiteral("Kopf#Datei#B#Datum#A\r\nW#DeEn#E#20240102#http://h/x\r\nEnde#");
    const QByteArray utf16List(
        QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom).encode(list));
    const struct {
        QString text;
        const char *why;
    } lists[] = {
        {TextFile::decode(utf16List), ""},
        {QString(), "ist leer"},
        {TextFile::decode(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), "ist keine Textdatei"},
        {TextFile::decode(QByteArray(50000, '\0')), "ist keine Textdatei"},
        {QStringLiteral("<html><body>Anmeldung</body></html>"), "ist eine HTML-Seite"},
        {QStringLiteral("Kopf#Datei#B#Datum#A\r\nEnde#"), "hat keinen Eintrag"},
    };
    for (const auto &l : lists)
        QCOMPARE(UpdateList::listRefusal(l.text), QString::fromUtf8(l.why));

    const QByteArray sep = "\\\\\\\\\\\\\\\\\r\n";
    const QString good =
        QStringLiteral("a;b\r\n") + QString::fromLatin1(sep.repeated(3)) + QStringLiteral("süß;sweet\r\n");
    const struct {
        QByteArray body;
        const char *why;
    } dictionaries[] = {
        {QStringEncoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom).encode(good), ""},
        {QByteArray(3 << 20, 'a') + "\r\n" + sep.repeated(3), "eine Zeile ist länger als 2048 KB"},
        // Text after the fourth separator is ignored, however many separators follow.
        {good.toUtf8() + sep.repeated(10000), ""},
    };
    for (const auto &d : dictionaries)
        QCOMPARE(UpdateList::dictionaryRefusal(d.body), QString::fromUtf8(d.why));
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
    // What would break the list's fields, lines or end marker, and a date no calendar has.
    for (const char *base : {"http://h/#x/", "http://h/a\"b/", "http://h/?q="})
        QVERIFY2(publishUpdates(out.path(), QLatin1String(base), QString())
                     .error.startsWith(QStringLiteral("Achtung")),
                 base);
    QVERIFY(publishUpdates(out.path(), QStringLiteral("http://h/"), QStringLiteral("20261399"))
                .error.contains(QStringLiteral("Kein gültiges Datum")));

    // A link planted among the published files is replaced; one in the place of our folders is
    // refused; what either points to stays as it was.
    const QString victim = out.filePath(QStringLiteral("fremd.txt"));
    QVERIFY(TextFile::writeLines(victim, {QStringLiteral("fremd")}));
    const QString planted = out.filePath(QStringLiteral("ortelia-translator/update/") + first.field(2));
    QVERIFY(QFile::remove(planted) && QFile::link(victim, planted));
    QVERIFY(publishUpdates(out.path(), QStringLiteral("http://h/"), QString()).error.isEmpty());
    QVERIFY(!QFileInfo(planted).isSymLink());
    QTemporaryDir other;
    QVERIFY(QDir(out.filePath(QStringLiteral("ortelia-translator"))).removeRecursively());
    QVERIFY(QFile::link(other.path(), out.filePath(QStringLiteral("ortelia-translator"))));
    QVERIFY(publishUpdates(out.path(), QStringLiteral("http://h/"), QString())
                .error.contains(QStringLiteral("Verknüpfung")));
    QCOMPARE(QDir(other.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(TextFile::readLines(victim).value(), QStringList{QStringLiteral("fremd")});
}
