#include "Catalogue.h"
#include "DictionaryFile.h"
#include "SemicolonTable.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <QtTest>

#include <sys/stat.h>

using namespace ortelia;

namespace {

QString lines(const QStringList &list)
{
    QString text;
    for (const QString &line : list)
        text += line + QStringLiteral("\r\n");
    return text;
}

const QString S = dictionarySeparator();

QString exampleFile()
{
    return lines({"ab und zu;every now and then;", S, "auto;car;", S, "süssigkeit;sweetness;",
                  "süssigkeiten;sweets;", "süsskartoffel;sweetpotato;", S, "versuch;trial;",
                  "xyz;yxz;TEST;"});
}

QList<int> sizes(const DictionarySections &d)
{
    return {int(d.sections[0].size()), int(d.sections[1].size()), int(d.sections[2].size()),
            int(d.sections[3].size())};
}

} // namespace

class DictionaryFileTest : public QObject {
    Q_OBJECT

private slots:
    void wellFormedFileFillsFourSections()
    {
        const DictionarySections d = splitDictionarySections(exampleFile());
        QVERIFY(!d.failure);
        QCOMPARE(sizes(d), (QList<int>{1, 1, 3, 2}));
        QCOMPARE(d.sections[3], (QStringList{"versuch;trial;", "xyz;yxz;TEST;"}));
        const DictionarySections withHeader =
            splitDictionarySections(lines({dictionaryHeaderLine()}) + exampleFile());
        QCOMPARE(withHeader.sections[0].first(), dictionaryHeaderLine());
        QCOMPARE(sizes(withHeader), (QList<int>{2, 1, 3, 2}));
    }

    void missingSeparatorsFailAfterTheFirstSection()
    {
        const DictionarySections d = splitDictionarySections(lines({"a;b;", "c;d;"}));
        QCOMPARE(d.failure, std::optional(DictionaryFailure::MissingSection));
        QCOMPARE(sizes(d), (QList<int>{2, 0, 0, 0}));

        const DictionarySections empty = splitDictionarySections(QString());
        QCOMPARE(empty.failure, std::optional(DictionaryFailure::MissingSection));
        QCOMPARE(sizes(empty), (QList<int>{0, 0, 0, 0}));
    }

    void fourthSeparatorHidesTheRest()
    {
        const DictionarySections d = splitDictionarySections(exampleFile() + lines({S, "zzz;hidden;"}));
        QVERIFY(!d.failure);
        QVERIFY(!d.sections[3].contains(QStringLiteral("zzz;hidden;")));
        QCOMPARE(d.sections[3].size(), 2);
    }

    // Hostile dictionaries are refused with their true cause; spare separators are only ignored.
    void hostileDictionariesNameTheirCause()
    {
        struct Case {
            const char *name;
            QString text;
            std::optional<DictionaryFailure> failure;
        };
        const QString longLine =
            QString(kMaxDictionaryLineBytes + 1, QLatin1Char('a')) + QStringLiteral(";b;\r\n");
        const Case cases[] = {
            {"one over-long line", longLine, DictionaryFailure::LineTooLong},
            {"an over-long line after the separators", exampleFile() + longLine,
             DictionaryFailure::LineTooLong},
            {"10,000 separators", exampleFile() + (S + QStringLiteral("\r\n")).repeated(10000), std::nullopt},
            {"a few spare separators", exampleFile() + lines({S, "x;y;", S, "z;w;"}), std::nullopt},
        };
        for (const Case &c : cases) {
            QCOMPARE(splitDictionarySections(c.text).failure, c.failure);
            QCOMPARE(splitDictionaryText(EncodedText::of(TextFile::encode(c.text))).failure, c.failure);
        }
        const QStringList tooLong = dictionaryFailureMessages(DictionaryFailure::LineTooLong);
        QCOMPARE(tooLong.first(), dictionaryFailureMessages().first());
        QCOMPARE(tooLong.last(),
                 QStringLiteral("Achtung : Eine Zeile im Wörterbuch ist länger als 2048 KB!"));
        QCOMPARE(dictionaryFailureMessages(DictionaryFailure::MissingSection), dictionaryFailureMessages());
    }

    void labelledSeparatorKeepsTheTextAfterIt()
    {
        const QString text = lines({"a;b;", "1" + S + " Trennlinie", "c;d;", S, "e;f;", S, "g;h;"});
        const DictionarySections d = splitDictionarySections(text);
        QVERIFY(!d.failure);
        // "1" is the section's last piece (after its final line break) and is dropped.
        QCOMPARE(d.sections[0], QStringList{"a;b;"});
        QCOMPARE(d.sections[1], (QStringList{" Trennlinie", "c;d;"}));
    }

    void lineBreakRules()
    {
        // The last line without a line break is not shown; blank lines give no items.
        const QString text = lines({"a;b;", "", "", S, "c;d", S, "x;1;", S}) + QStringLiteral("last;line;");
        const DictionarySections d = splitDictionarySections(text);
        QVERIFY(!d.failure);
        QCOMPARE(sizes(d), (QList<int>{1, 1, 1, 0}));
        QCOMPARE(d.sections[1], QStringList{"c;d"});

        // LF and CR end lines as CR LF does, also mixed in one file, and count as pieces alike.
        const QString crlf = exampleFile();
        for (const QString &end : {QStringLiteral("\n"), QStringLiteral("\r")}) {
            const DictionarySections other =
                splitDictionarySections(QString(crlf).replace(QStringLiteral("\r\n"), end));
            QVERIFY(!other.failure);
            QCOMPARE(other.sections, splitDictionarySections(crlf).sections);
        }
        const DictionarySections mixed = splitDictionarySections(QStringLiteral("a;\rb;\n\r\nc;\r\r") + S +
                                                                 "\n" + S + "\r" + S + "\nz;\n");
        QCOMPARE(mixed.sections[0], (QStringList{"a;", "b;", "c;"}));
        QCOMPARE(mixed.sections[3], QStringList{"z;"});
        QString tooMany = QStringLiteral("a;") + S;
        for (int i = 0; i < kMaxSectionPieces; ++i)
            tooMany += i % 2 ? QStringLiteral("w;\n") : QStringLiteral("w;\r");
        QCOMPARE(splitDictionarySections(tooMany + S + S).failure,
                 std::optional(DictionaryFailure::SectionTooLarge));
    }

    void oversizedSectionFailsAfterEarlierSections()
    {
        QStringList big;
        for (int i = 0; i < 40000; ++i)
            big << QStringLiteral("w%1;x;").arg(i);
        const DictionarySections d =
            splitDictionarySections(lines(QStringList{"a;b;", S} + big + QStringList{S, "c;", S}));
        QCOMPARE(d.failure, std::optional(DictionaryFailure::SectionTooLarge));
        QCOMPARE(sizes(d), (QList<int>{1, 0, 0, 0}));

        // In a middle section the pieces before its first and after its last line break count too:
        // 32,766 lines are exactly the limit.
        QStringList edge;
        for (int i = 0; i < kMaxSectionPieces - 2; ++i)
            edge << QStringLiteral("w;x;");
        const DictionarySections fits =
            splitDictionarySections(lines(QStringList{"a;", S} + edge + QStringList{S, S}));
        QVERIFY(!fits.failure);
        QCOMPARE(fits.sections[1].size(), kMaxSectionPieces - 2);
        edge << QStringLiteral("one;more;");
        QVERIFY(splitDictionarySections(lines(QStringList{"a;", S} + edge + QStringList{S, S})).failure);
    }

    void readsFilesAndReportsUnreadable()
    {
        test::TempProgramFolder folder;
        const DictionarySections muster =
            readDictionarySections(folder.file(QStringLiteral("TranslateDeGb/woerterbuch-muster.TXT")));
        QVERIFY(!muster.failure);
        QCOMPARE(muster.sections[0].first(), dictionaryHeaderLine());
        QCOMPARE(muster.sections[0].at(1), QStringLiteral("??;Deutsch;Englisch"));
        QVERIFY(muster.sections[2].contains(QStringLiteral("süssigkeit;sweetness;")));
        QVERIFY(muster.sections[2].contains(QStringLiteral("hallo;hello;Gruss")));

        const DictionarySections missing =
            readDictionarySections(folder.file(QStringLiteral("TranslateDeGb/nix.txt")));
        QCOMPARE(missing.failure, std::optional(DictionaryFailure::Unreadable));

        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 37) & 0xFF);
        folder.writeBytes(QStringLiteral("TranslateDeGb/binaer.txt"), binary);
        const DictionarySections junk =
            readDictionarySections(folder.file(QStringLiteral("TranslateDeGb/binaer.txt")));
        QVERIFY(junk.failure);

        // A million lines: refused as too large, without first making a million strings.
        QByteArray million;
        million.reserve(16 * 1000 * 1000);
        for (int i = 0; i < 1000 * 1000; ++i) {
            million += "w" + QByteArray::number(i) + ";x;\r\n";
            if (i % 250000 == 249999 && i < 999999)
                million += S.toLatin1() + "\r\n";
        }
        folder.writeBytes(QStringLiteral("TranslateDeGb/million.txt"), million);
        const DictionarySections huge =
            readDictionarySections(folder.file(QStringLiteral("TranslateDeGb/million.txt")));
        QCOMPARE(huge.failure, std::optional(DictionaryFailure::SectionTooLarge));
        QCOMPARE(sizes(huge), (QList<int>{0, 0, 0, 0}));
    }

    // A FIFO (also behind a link) is refused without waiting for a writer; a file over the bound
    // is refused unread (a sparse file: no disk is used); control bytes are no text.
    void specialAndHugeFilesAreRefusedUnread()
    {
        test::TempProgramFolder folder;
        const QString fifo = folder.file(QStringLiteral("TranslateDeGb/Rohr.txt"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, folder.file(QStringLiteral("TranslateDeGb/Link.txt"))));
        QCOMPARE(readDictionarySections(fifo).failure, std::optional(DictionaryFailure::NotRegular));
        QCOMPARE(readDictionarySections(folder.file(QStringLiteral("TranslateDeGb/Link.txt"))).failure,
                 std::optional(DictionaryFailure::NotRegular));
        QCOMPARE(readDictionarySections(folder.file(QStringLiteral("TranslateDeGb"))).failure,
                 std::optional(DictionaryFailure::NotRegular));
        QString error;
        QVERIFY(!SemicolonTable::read(
            fifo, QStringLiteral("a;b"), [](const SemicolonTable::Row &) { return true; }, error));
        QCOMPARE(error, fifo + QStringLiteral(" kann nicht gelesen werden."));

        QFile huge(folder.file(QStringLiteral("TranslateDeGb/Riesig.txt")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.write(exampleFile().toLatin1()) > 0);
        QVERIFY(huge.resize(kMaxDictionaryBytes + 1));
        huge.close();
        const DictionarySections tooLarge = readDictionarySections(huge.fileName());
        QCOMPARE(tooLarge.failure, std::optional(DictionaryFailure::TooLarge));
        QCOMPARE(sizes(tooLarge), (QList<int>{0, 0, 0, 0}));

        folder.writeBytes(QStringLiteral("TranslateDeGb/Null.txt"),
                          "a;b;\r\n\x01\r\n" + exampleFile().toLatin1());
        QCOMPARE(readDictionarySections(folder.file(QStringLiteral("TranslateDeGb/Null.txt"))).failure,
                 std::optional(DictionaryFailure::NotText));
    }

    void shippedExampleIsWindows1252WithCrLf()
    {
        test::TempProgramFolder folder;
        const QByteArray bytes = folder.readBytes(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"));
        QVERIFY(bytes.contains("s\xFCssigkeit;sweetness;\r\n"));
        QVERIFY(!bytes.contains("\xC3\xBC"));
        QCOMPARE(bytes.count("\\\\\\\\\\\\\\\\\r\n"), 3);
        QVERIFY(bytes.endsWith("xyz;yxz;TEST;\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    }

    void failureMessagesAreExact()
    {
        const QStringList messages = dictionaryFailureMessages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0], QStringLiteral("Achtung: Im Woerterbuch sind Fehler"));
        const QStringList second = messages[1].split(QStringLiteral("\r\n"));
        QCOMPARE(second.size(), 17);
        QCOMPARE(second[3], QStringLiteral("1\\\\\\\\\\\\\\\\ Trennlinie"));
        QCOMPARE(second[12], QStringLiteral(" "));
        QCOMPARE(second[16],
                 QStringLiteral("Eine Trennlinien besteht aus folgenden Zeichen:  \\\\\\\\\\\\\\\\"));
    }

    void catalogueNamesKnownFiles()
    {
        QCOMPARE(catalogueEntry(QStringLiteral("deen")).chooserCaption, QStringLiteral("Deutsch-Englisch"));
        QCOMPARE(catalogueEntry(QStringLiteral("DeFr.txt")).listLabel, QStringLiteral("Land"));
        QCOMPARE(catalogueEntry(QStringLiteral("DeFr.txt")).chooserCaption,
                 QStringLiteral("Deutsch-Französisch"));
        QCOMPARE(catalogueEntry(QStringLiteral("Woerterbuch-Muster.txt")).listLabel,
                 QStringLiteral("Beispiel-Woerterbuch"));
        QCOMPARE(catalogueEntry(QStringLiteral("DeIt.txt")).page, QStringLiteral("T3"));
        const CatalogueEntry own = catalogueEntry(QStringLiteral("Meins.txt"));
        QCOMPARE(own.chooserCaption, QStringLiteral("Wörterbuch"));
        QCOMPARE(own.listLabel, QStringLiteral("Land"));
        QVERIFY(own.page.isEmpty());
    }
};

QTEST_MAIN(DictionaryFileTest)
#include "tst_dictionaryfile.moc"
