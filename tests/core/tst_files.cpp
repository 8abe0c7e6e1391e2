#include "EncodedText.h"
#include "FileRead.h"
#include "FileSave.h"
#include "ProgramFolder.h"
#include "SettingsFormat.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <QtTest>

#include <sys/stat.h>

using namespace ortelia;

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    void resolverIgnoresCaseAndSeparatorKind()
    {
        test::TempProgramFolder folder;
        folder.writeBytes(QStringLiteral("hilfe.txt"), "x");
        folder.writeBytes(QStringLiteral("syso/update-datum.chk"), "y");
        QCOMPARE(ProgramFolder::path(QStringLiteral("Hilfe.txt")),
                 folder.path() + QStringLiteral("/hilfe.txt"));
        QCOMPARE(ProgramFolder::path(QStringLiteral("SYSO\\Update-Datum.CHK")),
                 folder.path() + QStringLiteral("/syso/update-datum.chk"));
        QCOMPARE(ProgramFolder::path(QStringLiteral("syso//update-datum.chk")),
                 ProgramFolder::path(QStringLiteral("syso\\update-datum.chk")));
        // A name that matches nothing keeps its spelling, also below a missing folder.
        QCOMPARE(ProgramFolder::path(QStringLiteral("Neu/Datei.TXT")),
                 folder.path() + QStringLiteral("/Neu/Datei.TXT"));
        QCOMPARE(ProgramFolder::path(folder.path() + QStringLiteral("/HILFE.TXT")),
                 folder.path() + QStringLiteral("/hilfe.txt"));
        QCOMPARE(QDir::currentPath(), folder.path());
    }

    void decodesWindows1252AndUtf8WithBom()
    {
        QCOMPARE(TextFile::decode("s\xFC\xDF \x80 \x93x\x94"), QStringLiteral("süß € “x”"));
        QCOMPARE(TextFile::decode("\xEF\xBB\xBF\xCE\xB1\xCF\x80\xCF\x8C"), QStringLiteral("από"));
        // Without a byte-order mark UTF-8 bytes are read as Windows-1252, as the program always did.
        QCOMPARE(TextFile::decode("\xC3\xBC"), QStringLiteral("Ã¼"));

        // Text the user hands in may also be plain UTF-8; anything else stays Windows-1252.
        QCOMPARE(TextFile::decodeUserText("s\xC3\xBC\xC3\x9F \xE2\x82\xAC"), QStringLiteral("süß €"));
        QCOMPARE(TextFile::decodeUserText("s\xFC\xDF \x80"), QStringLiteral("süß €"));
        QCOMPARE(TextFile::decodeUserText("\xEF\xBB\xBF\xCE\xB1"), QStringLiteral("α"));
        QCOMPARE(TextFile::decodeUserText("\xC3\xBC \xFC"), QStringLiteral("Ã¼ ü"));
    }

    // UTF-16 with a byte-order mark, as editors save "Unicode", is text wherever text is read.
    void readsUtf16WithByteOrderMark()
    {
        const QString text = QStringLiteral("haus;house;\r\nsüß €;σπίτι;\r\n");
        const auto utf16 = [&](QStringConverter::Encoding encoding) {
            return QByteArray(QStringEncoder(encoding, QStringConverter::Flag::WriteBom).encode(text));
        };
        test::TempProgramFolder folder;
        for (const QByteArray &bytes : {utf16(QStringConverter::Utf16LE), utf16(QStringConverter::Utf16BE)}) {
            QVERIFY(bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"));
            QCOMPARE(TextFile::decode(bytes), text);
            QCOMPARE(TextFile::decodeUserText(bytes), text);
            folder.writeBytes(QStringLiteral("u16.txt"), bytes);
            QCOMPARE(*TextFile::readLines(folder.file(QStringLiteral("u16.txt"))),
                     (QStringList{"haus;house;", "süß €;σπίτι;"}));
            const EncodedText encoded = EncodedText::of(bytes);
            QVERIFY(encoded.isUtf8() && !encoded.keepsFileBytes());
            QCOMPARE(encoded.decode(encoded.bytes()), text);
            // An odd last byte is no character.
            QCOMPARE(TextFile::decode(bytes + 'x'), text + QChar::ReplacementCharacter);
        }
        QVERIFY(EncodedText::of("haus").keepsFileBytes());
    }

    void encodesWindows1252OrUtf8WithBom()
    {
        QCOMPARE(TextFile::encode(QStringLiteral("süß €")), QByteArray("s\xFC\xDF \x80"));
        QCOMPARE(TextFile::encode(QStringLiteral("σπίτι")),
                 QByteArray("\xEF\xBB\xBF") + QStringLiteral("σπίτι").toUtf8());
        QCOMPARE(TextFile::encode(QStringLiteral("ü بيت")).left(3), QByteArray("\xEF\xBB\xBF"));
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, char(b));
            QCOMPARE(TextFile::encode(TextFile::decode(one)), one);
        }
    }

    void writesLinesWithCrLfAndReadsEveryLineEnd()
    {
        test::TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("probe.txt"));
        QVERIFY(TextFile::writeLines(path, {QStringLiteral("eins"), QString(), QStringLiteral("drei ü")}));
        QCOMPARE(folder.readBytes(QStringLiteral("probe.txt")), QByteArray("eins\r\n\r\ndrei \xFC\r\n"));
        QCOMPARE(*TextFile::readLines(path), (QStringList{"eins", "", "drei ü"}));

        folder.writeBytes(QStringLiteral("mixed.txt"), "a\nb\rc\r\nd");
        QCOMPARE(*TextFile::readLines(folder.file(QStringLiteral("mixed.txt"))),
                 (QStringList{"a", "b", "c", "d"}));
        QVERIFY(!TextFile::readLines(folder.file(QStringLiteral("fehlt.txt"))));

        QVERIFY(TextFile::writeLinesInPlace(path, {QStringLiteral("neu")}));
        QCOMPARE(folder.readBytes(QStringLiteral("probe.txt")), QByteArray("neu\r\n"));
    }

    void failedWritesAreReported()
    {
        // A folder in the file's place cannot be written, whoever runs the program.
        test::TempProgramFolder folder;
        QDir(folder.path()).mkpath(QStringLiteral("belegt.txt/inhalt"));
        QVERIFY(!TextFile::writeLines(folder.file(QStringLiteral("belegt.txt")), {QStringLiteral("neu")}));
        QVERIFY(
            !TextFile::writeLinesInPlace(folder.file(QStringLiteral("belegt.txt")), {QStringLiteral("neu")}));
        QVERIFY(QFileInfo(folder.file(QStringLiteral("belegt.txt/inhalt"))).isDir());
    }

    void fullDiskKeepsTheOldFileAndSaysWhy()
    {
        const test::SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a full disk needs a tmpfs, which only root can mount");
        const QString path = disk.path() + QStringLiteral("/LetztesUpdate-Datum.chk");
        QVERIFY(TextFile::writeLines(path, {QStringLiteral("\"01.05.2007\"")}));
        disk.fill();
        // Small enough to sit in the write buffer until the flush, which is where a full disk shows.
        const SaveResult small = TextFile::writeLines(path, {QStringLiteral("\"10.12.2026\"")});
        const SaveResult large = saveFile(path, QByteArray(1 << 20, 'x'));
        for (const SaveResult &result : {small, large}) {
            QVERIFY(!result);
            QCOMPARE(result.failure(), SaveResult::Failure::DiskFull);
            QVERIFY(result.message().contains(QStringLiteral("voll")));
        }
        QCOMPARE(*TextFile::readLines(path), QStringList{QStringLiteral("\"01.05.2007\"")});
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no leftovers
    }

    // Whatever stands in a written file's place (a link to a file, to nowhere, to a FIFO or a
    // device) is replaced by the file; what it pointed to stays as it was.
    void writesReplaceLinksAndNeverFollowThem()
    {
        test::TempProgramFolder folder;
        folder.writeBytes(QStringLiteral("opfer.txt"), "alt");
        const QString fifo = folder.file(QStringLiteral("rohr"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString device = folder.file(QStringLiteral("gerät"));
        const bool root = test::makeZeroDevice(device);
        QStringList targets = {folder.file(QStringLiteral("opfer.txt")),
                               folder.file(QStringLiteral("nirgends")), fifo};
        if (root)
            targets << device;
        int n = 0;
        for (const QString &target : std::as_const(targets)) {
            for (const bool inPlace : {false, true}) {
                const QString link = folder.file(QStringLiteral("link%1.txt").arg(++n));
                QVERIFY(QFile::link(target, link));
                QVERIFY(inPlace ? writeInPlace(link, "neu") : saveFile(link, "neu").ok());
                const QFileInfo written(link);
                QVERIFY2(!written.isSymLink() && written.isFile(), qPrintable(link));
                QCOMPARE(folder.readBytes(QStringLiteral("link%1.txt").arg(n)), QByteArray("neu"));
            }
        }
        QCOMPARE(folder.readBytes(QStringLiteral("opfer.txt")), QByteArray("alt"));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("nirgends"))));
        struct stat info {};
        QVERIFY(::lstat(QFile::encodeName(fifo).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        if (root)
            QVERIFY(::lstat(QFile::encodeName(device).constData(), &info) == 0 && S_ISCHR(info.st_mode));
        // A regular file keeps its permissions through a save, and its inode when written in place.
        const QString own = folder.file(QStringLiteral("opfer.txt"));
        QCOMPARE(::chmod(QFile::encodeName(own).constData(), 0640), 0);
        QVERIFY(saveFile(own, "neu"));
        ::stat(QFile::encodeName(own).constData(), &info);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
        const ino_t inode = info.st_ino;
        QVERIFY(writeInPlace(own, "neuer"));
        ::stat(QFile::encodeName(own).constData(), &info);
        QCOMPARE(info.st_ino, inode);
        // Nothing is left beside the files.
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.tmp")}, QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }

    void boundedReadTakesOnlyRegularFilesWithinTheBound()
    {
        test::TempProgramFolder folder;
        folder.writeBytes(QStringLiteral("klein.txt"), "hallo;hello");
        QVERIFY(
            QFile::link(folder.file(QStringLiteral("klein.txt")), folder.file(QStringLiteral("link.txt"))));
        QCOMPARE(*FileRead::regularFile(folder.file(QStringLiteral("link.txt")), 11),
                 QByteArray("hallo;hello"));

        FileRead::Failure why = FileRead::Failure::None;
        QVERIFY(!FileRead::regularFile(folder.file(QStringLiteral("klein.txt")), 10, &why));
        QCOMPARE(why, FileRead::Failure::TooLarge);
        QVERIFY(!FileRead::regularFile(folder.file(QStringLiteral("fehlt.txt")), 10, &why));
        QCOMPARE(why, FileRead::Failure::Missing);
        // A FIFO without a writer would block a plain open for good.
        const QString fifo = folder.file(QStringLiteral("fifo.txt"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!FileRead::regularFile(fifo, 1 << 20, &why));
        QCOMPARE(why, FileRead::Failure::NotRegular);
        QVERIFY(!FileRead::regularFile(QStringLiteral("/dev/zero"), 1 << 20, &why));
        QCOMPARE(why, FileRead::Failure::NotRegular);
        QVERIFY(!FileRead::check(folder.path(), 1 << 20, &why));
        QCOMPARE(why, FileRead::Failure::NotRegular);

        // An endless stream as standard input stops at the bound.
        QFile zero(QStringLiteral("/dev/zero"));
        QVERIFY(zero.open(QIODevice::ReadOnly));
        QVERIFY(!FileRead::descriptor(zero.handle(), 1 << 16, &why));
        QCOMPARE(why, FileRead::Failure::TooLarge);
    }

    void printAndQuotingWrites()
    {
        QCOMPARE(SettingsFormat::printNumber(1), QStringLiteral(" 1 "));
        QCOMPARE(SettingsFormat::printNumber(0), QStringLiteral(" 0 "));
        QCOMPARE(SettingsFormat::printNumber(-5), QStringLiteral("-5 "));
        QCOMPARE(SettingsFormat::quoted(QStringLiteral("20070501")), QStringLiteral("\"20070501\""));
        QCOMPARE(SettingsFormat::truthText(true), QStringLiteral("True"));
    }

    void readersAcceptEveryWayOfWriting_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("number");
        QTest::newRow("as is") << "1" << 1;
        QTest::newRow("printed") << " 1 " << 1;
        QTest::newRow("quoted") << "\"0\"" << 0;
        QTest::newRow("negative printed") << "-3 " << -3;
        QTest::newRow("junk") << "abc" << -999;
        QTest::newRow("empty") << "" << -999;
    }
    void readersAcceptEveryWayOfWriting()
    {
        QFETCH(QString, line);
        QFETCH(int, number);
        QCOMPARE(SettingsFormat::readNumber(line).value_or(-999), number);
    }

    void truthAndQuotedTexts()
    {
        QCOMPARE(SettingsFormat::readTruth(QStringLiteral("True")), std::optional(true));
        QCOMPARE(SettingsFormat::readTruth(QStringLiteral("\"False\"")), std::optional(false));
        QCOMPARE(SettingsFormat::readTruth(QStringLiteral(" -1 ")), std::optional(true));
        QCOMPARE(SettingsFormat::readTruth(QStringLiteral("vielleicht")), std::nullopt);
        QCOMPARE(SettingsFormat::unquoted(QStringLiteral("\"01.05.2007\"")), QStringLiteral("01.05.2007"));
    }
};

QTEST_MAIN(FilesTest)
#include "tst_files.moc"
