#include "Dictionary.h"
#include "HeadlessPage.h"
#include "ProgramFolder.h"
#include "ScriptWatchdog.h"
#include "TabularDataPages.h"
#include "TestSupport.h"
#include "TextWalk.h"
#include "TranslateCommand.h"

#include <QProcess>
#include <QtTest>

#include <sys/stat.h>

using namespace ortelia;
using test::RecordingResponder;
using test::TempProgramFolder;
using web::ScriptWatchdog;

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

// The built program as a whole process, with the given arguments and standard input, or standard
// input read from inputFile.
Run runProgram(const QStringList &args, const QByteArray &input = QByteArray(), const QString &inputFile = {})
{
    QProcess process;
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    process.start(test::assembledProgramFolder() + QStringLiteral("/ortelia"), args);
    if (inputFile.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        process.kill();
    process.waitForFinished();
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    if (run.lines.last().isEmpty())
        run.lines.removeLast();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

Run translate(const QStringList &args, const QByteArray &input = QByteArray(), const QString &inputFile = {})
{
    return runProgram(QStringList{"translate"} + args, input, inputFile);
}

// A page of the user's own that answers every word with "house", and the words below with work
// for the engine's own routines, which never look whether the script was stopped.
const char kHostilePage[] = R"HTML(<html><body>
<form><input type="text" name="SuchDeu"><input type="button" name="suchenfeld" onclick="suche()"></form>
<form><textarea name="Textfeld2"></textarea><textarea name="Textfeld"></textarea>
<textarea name="Textfeld3"></textarea></form>
<script>
var arbeit = {
  rechne: function () {
    var a = [1];
    for (var i = 0; i < 24; i++) a = [a, a, a];
    return JSON.stringify(a).length;
  },
  speicher: function () {
    var s = 'x'.repeat(1 << 24);
    return s.concat.apply(s, new Array(400).fill(s)).length;
  }
};
function suche() {
  var wort = document.forms[0].SuchDeu.value;
  document.forms[1].Textfeld2.value = arbeit[wort] ? arbeit[wort]() : 'house';
}
</script></body></html>)HTML";

// "Ich habe ein Haus ." repeated (the full stop is a word of its own); the last sentence cut short.
QStringList sentenceWords(int count)
{
    const QStringList sentence = {"Ich", "habe", "ein", "Haus", "."};
    QStringList words;
    while (words.size() < count)
        words << sentence[words.size() % sentence.size()];
    return words;
}

QString lines(const QList<TextWalk::Pair> &pairs)
{
    QStringList result;
    for (const TextWalk::Pair &pair : pairs)
        result << pair.word + u'|' + pair.answer.translation + u'|' + pair.answer.german;
    return result.join(u'\n');
}

} // namespace

class TranslateTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerTabularDataObject(); }

    void wordsAsTheWindowSplitsThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("foreign");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("sentence") << "Ich habe ein Haus." << false
                                  << QStringList{"Ich", "habe", "ein", "Haus", "."};
        QTest::newRow("empty text, one empty word") << "" << false << QStringList{""};
        QTest::newRow("only punctuation") << "?!..." << false << QStringList{"", "?", "!", ".", ".", "."};
        QTest::newRow("line break and quotes become markers")
            << "Ich\n\"Haus\"" << false << QStringList{"Ich", "`\u00B4", "`\u00B4", "Haus", "`\u00B4"};
        QTest::newRow("runs of blanks") << "  a    b  " << false << QStringList{"", "a", "b"};
        QTest::newRow("German hyphen") << "Haus-Tür" << false << QStringList{"Haus", "-", "Tür"};
        QTest::newRow("foreign hyphen") << "well-known" << true << QStringList{"well", "known"};
        QTest::newRow("semicolon, tab") << "a;b\tc" << false << QStringList{"a", ":", "b\tc"};
    }
    void wordsAsTheWindowSplitsThem()
    {
        QFETCH(QString, text);
        QFETCH(bool, foreign);
        QFETCH(QStringList, expected);
        const TextDirection direction = foreign ? TextDirection::Foreign : TextDirection::German;
        QCOMPARE(TextWalk::words(text, direction), expected);
        const QString normalised =
            normalizeForTranslation(normalizeForTranslation(text, direction), direction);
        QCOMPARE(TextWalk::words(text, direction), *splitWords(normalised, u' '));
    }

    void longTextsAreTranslatedWhole()
    {
        RecordingResponder responder;
        for (int count : {kMaxWords, kMaxWords + 1, 3 * kMaxWords + 7}) {
            const QStringList expected = sentenceWords(count);
            QCOMPARE(TextWalk::words(expected.join(u' '), TextDirection::German), expected);
        }
        // One "sentence" beyond the word limit is cut at words, one beyond the length limit too.
        const QStringList noSentenceEnd(kMaxWords + 500, QStringLiteral("Wort"));
        QCOMPARE(TextWalk::words(noSentenceEnd.join(u' '), TextDirection::German), noSentenceEnd);
        const QStringList longWords(5, QString(10000, u'x'));
        QCOMPARE(TextWalk::words(longWords.join(u' '), TextDirection::Foreign), longWords);
        // A word longer than the splitter reads stays one word, cut to that length.
        const QString huge(100000, u'y');
        QCOMPARE(TextWalk::words(huge + QStringLiteral(" Haus ") + huge, TextDirection::German),
                 (QStringList{huge.left(kMaxSplitLength), "Haus", huge.left(kMaxSplitLength)}));
        QVERIFY2(responder.requests.isEmpty(), qPrintable(responder.texts().join(u'/')));
    }

    // A long text is normalised a stretch at a time: its words are those of the whole text
    // normalised at once, also where a stretch would end inside a decomposed letter, a run of
    // Greek letters with no place to cut, typographic quotes, invisible characters or blanks.
    void longTextNormalisedInStretchesAsWhole()
    {
        const QStringList parts = {QStringLiteral("Haus.  "), QStringLiteral("scho\u0308n\u200B\u0308 "),
                                   QStringLiteral("\u201Ezitat\u201C\n"), QString(20000, QChar(0x03B1)),
                                   QStringLiteral("\u00ABx-y\u00BB;(a)   "), QString(5000, u'.'),
                                   QString(3000, QChar(0x0301))};
        // Five characters a letter: some stretch would end between "e" and its accent.
        QString text = QStringLiteral("xae\u0301 ").repeated(10000);
        for (int i = 0; text.size() < 250000; ++i)
            text += parts[i % parts.size()] + parts[(i * 3 + 1) % parts.size()];
        for (const TextDirection direction : {TextDirection::German, TextDirection::Foreign}) {
            QString whole = TextWalk::normalised(text, direction);
            while (whole.contains(QStringLiteral("  ")))
                whole.replace(QStringLiteral("  "), QStringLiteral(" "));
            QStringList expected = whole.split(u' ');
            if (expected.size() > 1 && expected.last().isEmpty())
                expected.removeLast();
            for (QString &word : expected)
                word.truncate(kMaxSplitLength);
            QCOMPARE(TextWalk::words(text, direction), expected);
        }
    }

    void eachWordIsPairedWithItsAnswer()
    {
        TempProgramFolder folder;
        HeadlessPage browser;
        browser.navigate(ProgramFolder::path(QStringLiteral("T2")));
        Dictionary dictionary(browser);
        const auto walk = [&](const QString &text, TextDirection direction) {
            return lines(TextWalk::lookUpAll(dictionary, TextWalk::words(text, direction), direction));
        };
        QCOMPARE(walk(QStringLiteral("Ich habe ein Haus"), TextDirection::German),
                 QStringLiteral("ich|I|ich\nhabe||\nein||\nhaus|house|haus"));
        QCOMPARE(walk(QStringLiteral("Haus Tag haus"), TextDirection::German),
                 QStringLiteral("haus|house|haus\ntag|day|tag\nhaus|house|haus"));
        QCOMPARE(walk(QStringLiteral("HELLO dog"), TextDirection::Foreign),
                 QStringLiteral("hello|hello|hallo\ndog|dog|hund"));
        // An empty word has the empty answer, not the answer to the word before.
        QCOMPARE(walk(QStringLiteral(" Tag!"), TextDirection::German),
                 QStringLiteral("||\ntag|day|tag\n!||"));
        const QString longWord(10000, u'Q');
        QCOMPARE(walk(longWord, TextDirection::German), longWord.toLower() + QStringLiteral("||"));
    }

    // Marks at a word's edges, invisible characters glued to it and a decomposed umlaut stop no
    // lookup, typed or in a text, and the invisible ones reach no word; a text's words keep their marks.
    void marksAndInvisibleCharactersAreNoPartOfAWord()
    {
        TempProgramFolder folder;
        HeadlessPage browser;
        browser.navigate(ProgramFolder::path(QStringLiteral("T2")));
        Dictionary dictionary(browser);
        const struct {
            QString typed;
            QString answer;
        } cases[] = {
            {"haus:", "house|haus"},
            {"(haus);", "house|haus"},
            {"\u201Ehaus\u201C", "house|haus"},
            {"\u00BBhaus\u00AB,", "house|haus"},
            {"'haus'", "house|haus"},
            {"[haus]!?", "house|haus"},
            {"haus\u2026", "house|haus"},
            {"\u2013haus\u2014", "house|haus"},
            {"\u200Bhaus\u200D", "house|haus"},
            {"\u200Ehaus\u200F", "house|haus"},
            {"\u202Ahaus\u202E", "house|haus"},
            {"\u2066haus\u2069", "house|haus"},
            {"\uFEFFhaus\u2060", "house|haus"},
            {"su\u0308\u00DF", "sweet|s\u00FC\u00DF"},
            {"\u200Bhallo\u0308chen\u2026", "hi there|hall\u00F6chen"},
            {"\u2026", "|"},
            {"\u200B", "|"},
        };
        QStringList wrong;
        for (const auto &c : cases) {
            const LookupAnswer answer = dictionary.answer(c.typed, TextDirection::German).value_or(LookupAnswer{});
            if (answer.translation + u'|' + answer.german != c.answer)
                wrong << c.typed + QStringLiteral(" -> ") + answer.translation + u'|' + answer.german;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
        const QStringList words =
            TextWalk::words(QStringLiteral("Haus: und scho\u0308n\u200B\u2026"), TextDirection::German);
        QCOMPARE(lines(TextWalk::lookUpAll(dictionary, words, TextDirection::German)),
                 QStringLiteral("haus:|house|haus\nund|and|und\nsch\u00F6n\u2026|beautiful|sch\u00F6n"));
    }

    // A phrase, a separated verb or a verb with its infinitive is answered as one entry on the lines
    // of all its words; a word that joins nothing keeps its own answer. Word -1: the text typed whole
    // into the single-word translator.
    void wordsAreAnsweredByWhatTheyForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("foreign");
        QTest::newRow("phrase") << "Guten Morgen !" << 0 << "good morning|guten morgen" << false;
        QTest::newRow("phrase, second word")
            << "Das ist zum Beispiel gut" << 3 << "for example|zum beispiel" << false;
        QTest::newRow("longest phrase, supplement")
            << "Ich komme auf jeden Fall" << 4 << "in any case|auf jeden fall" << false;
        QTest::newRow("phrase within punctuation") << "Guten . Morgen" << 2 << "tomorrow|morgen" << false;
        QTest::newRow("verb's base") << "Ich stehe um sieben auf ." << 1 << "get up|aufstehen" << false;
        QTest::newRow("particle") << "Ich stehe um sieben auf ." << 4 << "get up|aufstehen" << false;
        QTest::newRow("past form") << "Ich stand früh auf" << 1 << "get up|aufstehen" << false;
        QTest::newRow("object between") << "Er ruft mich morgen an" << 4 << "phone|anrufen" << false;
        QTest::newRow("question") << "Kommst du mit ?" << 0 << "come along|mitkommen" << false;
        QTest::newRow("imperative") << "Mach die Tür zu !" << 0 << "close|zumachen" << false;
        QTest::newRow("second clause, joined form's base")
            << "Sie kommt und hört zu" << 3 << "listen|zuhören" << false;
        QTest::newRow("fern") << "Wir sehen heute fern" << 1 << "watch TV|fernsehen" << false;
        QTest::newRow("pronoun before the verb")
            << "Er schläft ein" << 1 << "fall asleep|einschlafen" << false;
        QTest::newRow("first clause") << "Sie kommt und hört zu" << 1 << "come|kommen" << false;
        QTest::newRow("gehen idiom") << "Wir gehen im Park spazieren" << 1 << "go for a walk|spazieren gehen"
                                     << false;
        QTest::newRow("gehen idiom, other")
            << "Wir gehen heute einkaufen" << 3 << "go shopping|einkaufen gehen" << false;
        QTest::newRow("particle not at the end") << "Ich warte auf dich" << 2 << "on|auf" << false;
        QTest::newRow("grammar, not a phrase") << "Ich komme mit dem Bus" << 2 << "with|mit" << false;
        QTest::newRow("zu with an infinitive") << "Gut zu sein" << 1 << "to|zu" << false;
        QTest::newRow("foreign phrase") << "Good morning , Sir" << 1 << "good morning|guten morgen" << true;
        QTest::newRow("typed phrase") << " guten  Morgen!" << -1 << "good morning|guten morgen" << false;
        QTest::newRow("typed phrase, full stop")
            << "zum Beispiel." << -1 << "for example|zum beispiel" << false;
        QTest::newRow("typed phrase, foreign")
            << "Good morning?" << -1 << "good morning|guten morgen" << true;
        QTest::newRow("key ending in a mark") << "was geht?" << -1 << "what's up|was geht?" << false;
        QTest::newRow("verb after a modal")
            << "Ich will dich morgen treffen ." << 4 << "meet|treffen" << false;
        QTest::newRow("verb after zu") << "Es ist schön , dich zu treffen" << 6 << "meet|treffen" << false;
        QTest::newRow("noun after an article") << "Das Essen ist gut" << 1 << "food|essen" << false;
        QTest::newRow("no neighbour asks") << "Essen ist gut" << 0 << "eat|essen" << false;
        QTest::newRow("foreign verb after a form of be") << "I am reading" << 2 << "read|lesen" << true;
        QTest::newRow("foreign verb after a pronoun") << "I saw it" << 1 << "see|sehen" << true;
        QTest::newRow("foreign noun after an article") << "a saw" << 1 << "saw|säge" << true;
        QTest::newRow("adjective after an article, not the verb")
            << "Sie hört nach dem langen Streit auf" << 4 << "long|lang" << false;
        QTest::newRow("possessive before a noun, not the verb") << "mit meinen Freunden" << 1 << "my|mein" << false;
        QTest::newRow("verb before a pronoun") << "Was meinen Sie ?" << 1 << "mean|meinen" << false;
    }

    void wordsAreAnsweredByWhatTheyForm()
    {
        QFETCH(QString, text);
        QFETCH(int, word);
        QFETCH(QString, expected);
        TempProgramFolder folder;
        const QString entries = QStringLiteral(
            "oberestextfeld;unterestextfeld;zusatztextfeld\n"
            "guten morgen;good morning;\nzum beispiel;for example;\nmorgen;tomorrow;\nauf;on;\nan;at;\n"
            "stehen;stand;\naufstehen;get up;\naufstand;uprising;\nrufen;call;\nanrufen;phone;\n"
            "kommen;come;\nmitkommen;come along;\nzuhören;listen;\ngehen;go;\nein;a;\n"
            "schlafen;sleep;\neinschlafen;fall asleep;\nmach;mach number;\nzumachen;close;\n"
            "mit;with;\nmit dem;whereby;\nzu;to;\nzu sein;be off your head;\n"
            "spazieren gehen;go for a walk;\neinkaufen gehen;go shopping;\nwas geht?;what's up;\n"
            "treffen;meeting;meet\nessen;eat;food\nlesung;reading;\nlesen;read;\nsäge;saw;\nsehen;see;\n"
            "fernsehen;watch TV;\nlang;long;\nlangen;suffice;\nstreit;quarrel;\nmein;my;\nmeinen;mean;\n");
        folder.writeBytes(QStringLiteral("TranslateDeGb/DeEn.txt"), entries.toLatin1());
        folder.writeBytes(QStringLiteral("TranslateDeGb/DeEn-Zusatz.tab"),
                          "oberestextfeld;unterestextfeld;zusatztextfeld\r\nauf jeden fall;in any case;\r\n");
        folder.writeBytes(QStringLiteral("TranslateDeGb/DeEn-Wortarten.tab"),
                          "essen;eat;food\r\ntreffen;meet;meeting\r\n");
        HeadlessPage browser;
        browser.navigate(ProgramFolder::path(QStringLiteral("T2")));
        Dictionary dictionary(browser);
        QFETCH(bool, foreign);
        const TextDirection direction = foreign ? TextDirection::Foreign : TextDirection::German;
        if (word < 0) {
            const LookupAnswer answer = dictionary.answer(text, direction).value_or(LookupAnswer{});
            QCOMPARE(answer.translation + u'|' + answer.german, expected);
            return;
        }
        const QStringList words = TextWalk::words(text, direction);
        const QList<TextWalk::Pair> pairs = TextWalk::lookUpAll(dictionary, words, direction);
        QCOMPARE(pairs.size(), words.size());
        QCOMPARE(pairs[word].word, words[word].toLower());
        QCOMPARE(pairs[word].answer.translation + u'|' + pairs[word].answer.german, expected);
    }

    void commandReadsTextsAndPrintsOneLinePerWord()
    {
        TempProgramFolder folder;
        const QStringList page = {QStringLiteral("--page"), folder.file(QStringLiteral("T2"))};

        Run run = translate(page, "Ich habe ein Haus\n");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines, (QStringList{"ich\tI\tich", "habe\t\t", "ein\t\t", "haus\thouse\thaus"}));

        // A file with a byte-order mark and CR LF line ends; a tab inside a word stays one column.
        folder.writeBytes(QStringLiteral("text.txt"), "\xEF\xBB\xBFHello\r\nDog\tcat\r\n");
        run = translate(page + QStringList{"--foreign", folder.file(QStringLiteral("text.txt"))});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines, (QStringList{"hello\thello\thallo", "`\u00B4\t\t", "dog cat\t\t"}));

        // Plain UTF-8 on standard input, and more words than the window takes.
        QStringList words;
        for (int i = 0; i < 400; ++i)
            words << QStringList{"Süß", "und", "schön", "!"};
        run = translate(page, words.join(u' ').toUtf8());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.size(), words.size());
        const QStringList sentence = {"süß\tsweet\tsüß", "und\tand\tund", "schön\tbeautiful\tschön", "!\t\t"};
        QCOMPARE(run.lines.mid(0, 4), sentence);
        QCOMPARE(run.lines.mid(words.size() - 4), sentence);

        run = translate({QStringLiteral("fehlt.txt")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(QStringLiteral("Die Datei fehlt.txt kann nicht gelesen werden.\n")),
                 qPrintable(run.errors));
        run = translate({QStringLiteral("eins.txt"), QStringLiteral("zwei.txt")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(QStringLiteral("Aufruf: ortelia translate")), qPrintable(run.errors));
    }

    // No line for the empty word before a leading blank; typographic quotes are taken off a word.
    void commandPrintsALinePerWordOfTheText()
    {
        TempProgramFolder folder;
        const QStringList page = {QStringLiteral("--page"), folder.file(QStringLiteral("T2"))};
        for (const QByteArray &input : {QByteArray(), QByteArray("\n"), QByteArray("  ")})
            QCOMPARE(translate(page, input).lines, QStringList());
        QCOMPARE(translate(page, "?!").lines, (QStringList{"?\t\t", "!\t\t"}));
        const Run quoted = translate(page, QStringLiteral("\u201EHaus\u201C").toUtf8());
        QCOMPARE(quoted.exitCode, 0);
        QCOMPARE(quoted.lines, (QStringList{"`\u00B4\t\t", "haus\thouse\thaus", "`\u00B4\t\t"}));
    }

    // A text of marks alone costs in proportion to its size: each mark is a word with the empty answer.
    void textsOfMarksAloneAreTranslatedWhole()
    {
        TempProgramFolder folder;
        const QStringList page = {QStringLiteral("--page"), folder.file(QStringLiteral("T2"))};
        const qsizetype count = 512 * 1024;
        for (const auto &[mark, line] : {std::pair{'.', QStringLiteral(".\t\t")},
                                         std::pair{'"', QStringLiteral("`\u00B4\t\t")}}) {
            const Run run = translate(page, QByteArray(count, mark));
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.lines.size(), count);
            QCOMPARE(run.lines.count(line), count);
        }
    }

    // The engine's own routines cannot be stopped from within: the command program is bounded as
    // a whole, and ends with the warning and status 1; what it printed before is kept, and the
    // next command answers. A lookup handed on to the page program, and one to be spoken, are
    // bounded alike.
    void scriptsThatIgnoreTheirStopEndTheCommand()
    {
        TempProgramFolder folder;
        folder.writeBytes(QStringLiteral("feind.htm"), kHostilePage);
        const QStringList page = {QStringLiteral("--page"), folder.file(QStringLiteral("feind.htm"))};
        const QStringList spoken = {QStringLiteral("--say"), QStringLiteral("--wav"),
                                    folder.file(QStringLiteral("a.wav"))};
        // "rechne" runs past the time bound, "speicher" grows past the memory bound. Which bound
        // ends a page first depends on the machine (allocation is slow in a sanitizer's build, and
        // a loaded machine gives the page less time): either ends it with its warning.
        const auto stopped = [](const QString &errors) {
            return errors.contains(QString::fromUtf8(ScriptWatchdog::warning(ScriptWatchdog::Stop::Time))) ||
                   errors.contains(QString::fromUtf8(ScriptWatchdog::warning(ScriptWatchdog::Stop::Memory)));
        };
        for (const QString &word : {QStringLiteral("rechne"), QStringLiteral("speicher")}) {
            // The sentence before is answered before the next is looked up.
            Run run = translate(page, "Haus. " + word.toUtf8() + " Haus\n");
            QCOMPARE(run.exitCode, ScriptWatchdog::kEndedStatus);
            QVERIFY2(stopped(run.errors), qPrintable(run.errors));
            QCOMPARE(run.lines, (QStringList{"haus\thouse\t", ".\thouse\t"}));
            for (const QStringList &lookup : {page, spoken + page}) {
                run = runProgram(QStringList{QStringLiteral("lookup")} + lookup + QStringList{word});
                QCOMPARE(run.exitCode, ScriptWatchdog::kEndedStatus);
                QVERIFY2(stopped(run.errors), qPrintable(run.errors));
            }

            run = translate(page, "Haus\n");
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.lines, QStringList{"haus\thouse\t"});
        }
    }

    // Only a regular file within the bound is read; standard input is read up to the bound.
    void commandRefusesSpecialFilesAndTooMuchText()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("fifo.txt"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, dir.filePath(QStringLiteral("link.txt"))));
        for (const QString &special :
             {fifo, dir.filePath(QStringLiteral("link.txt")), QStringLiteral("/dev/zero")}) {
            const Run run = translate({special});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.errors.contains(QStringLiteral("keine gewöhnliche Datei")), qPrintable(run.errors));
            QVERIFY(run.lines.isEmpty());
        }
        QFile large(dir.filePath(QStringLiteral("large.txt")));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(kMaxTranslateInput + 1));
        large.close();
        for (const Run &run :
             {translate({large.fileName()}), translate({}, {}, QStringLiteral("/dev/zero"))}) {
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.errors.contains(QStringLiteral("größer als %1 MB").arg(kMaxTranslateInput >> 20)),
                     qPrintable(run.errors));
            QVERIFY(run.lines.isEmpty());
        }
    }
};

QTEST_MAIN(TranslateTest)
#include "tst_translate.moc"
