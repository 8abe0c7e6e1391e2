#include "ChooserTests.h"

#include "CaseFold.h"
#include "Catalogue.h"
#include "DictionaryFile.h"
#include "DingSource.h"
#include "FunctionWords.h"
#include "LookUpOnPage.h"
#include "LookupPage.h"
#include "OwnPageLookup.h"
#include "ProgramFolder.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "WebBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace ortelia;
using ortelia::test::TempProgramFolder;

namespace {

QString builtDictionary(const QString &name)
{
    return test::assembledProgramFolder() + QStringLiteral("/TranslateDeGb/") + name;
}

struct Run {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

Run runProgram(const QStringList &args, const QString &workingDir = QString(), const QByteArray &input = QByteArray(),
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.setProcessEnvironment(environment);
    process.start(test::assembledProgramFolder() + QStringLiteral("/ortelia"), args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Everyday words and the first translation a person expects to hear ("a|b": either).
const QList<QPair<QString, QString>> kGermanEnglish = {
    {"haus", "house"},   {"ja", "yes"},        {"nein", "no"},         {"hund", "dog"},       {"katze", "cat"},
    {"baum", "tree"},    {"wasser", "water"},  {"brot", "bread"},      {"buch", "book"},      {"tisch", "table"},
    {"stuhl", "chair"},  {"tür", "door"},      {"fenster", "window"},  {"stadt", "town|city"}, {"zeit", "time"},
    {"tag", "day"},      {"nacht", "night"},   {"jahr", "year"},       {"woche", "week"},     {"geld", "money"},
    {"arbeit", "work"},  {"schule", "school"}, {"frau", "woman"},      {"mann", "man"},       {"kind", "child"},
    {"auto", "car"},     {"gehen", "go"},      {"kommen", "come"},     {"sehen", "see"},      {"nehmen", "take"},
    {"geben", "give"},   {"machen", "make|do"}, {"sagen", "say"},      {"essen", "eat"},      {"trinken", "drink"},
    {"schlafen", "sleep"}, {"lesen", "read"},  {"schreiben", "write"}, {"sprechen", "speak"}, {"hören", "hear"},
    {"kaufen", "buy"},   {"finden", "find"},   {"wissen", "know"},     {"gut", "good"},       {"schlecht", "bad"},
    {"groß", "big|large"}, {"klein", "small"}, {"alt", "old"},         {"neu", "new"},        {"schnell", "fast|quick"},
    {"langsam", "slow"}, {"schön", "beautiful|nice"}, {"heute", "today"}, {"immer", "always"}, {"nie", "never"},
    {"hier", "here"},    {"dort", "there"},    {"mit", "with"},        {"ohne", "without"},   {"und", "and"},
    {"oder", "or"},      {"aber", "but"},      {"nicht", "not"},       {"ich", "I"},          {"wir", "we"},
    {"weil", "because"}, {"wenn", "if|when"},  {"werden", "become|will"}, {"sein", "be"},     {"haben", "have"}};
const QList<QPair<QString, QString>> kEnglishGerman = {
    {"dog", "hund"},      {"cat", "katze"},     {"house", "haus"},     {"tree", "baum"},      {"come", "kommen"},
    {"yes", "ja"},        {"no", "nein|kein|keine"}, {"water", "wasser"}, {"bread", "brot"},  {"book", "buch"},
    {"table", "tisch"},   {"chair", "stuhl"},   {"door", "tür"},       {"window", "fenster"}, {"day", "tag"},
    {"night", "nacht"},   {"year", "jahr"},     {"money", "geld"},     {"school", "schule"},  {"woman", "frau"},
    {"man", "mann"},      {"child", "kind"},    {"car", "auto"},       {"go", "gehen"},       {"see", "sehen"},
    {"take", "nehmen"},   {"give", "geben"},    {"eat", "essen"},      {"read", "lesen"},     {"write", "schreiben"},
    {"speak", "sprechen"}, {"buy", "kaufen"},   {"good", "gut"},       {"bad", "schlecht"},   {"small", "klein"},
    {"old", "alt"},       {"new", "neu"},       {"today", "heute"},    {"always", "immer"},   {"never", "nie"},
    {"here", "hier"},     {"with", "mit"},      {"and", "und"},        {"time", "zeit"},      {"drink", "trinken"},
    {"sleep", "schlafen"}};

// The share of words whose answer is one of the expected ones; the misses in misses.
double precision(WebBrowser &browser, const QList<QPair<QString, QString>> &list, TextDirection direction,
                 QStringList &misses)
{
    int right = 0;
    for (const auto &[word, expected] : list) {
        LookUpOnPage(browser.page(), word, direction);
        const LookupAnswer answer = readLookupAnswer(browser.page());
        const QString got = direction == TextDirection::German ? answer.translation : answer.german;
        if (expected.split(QLatin1Char('|')).contains(got))
            ++right;
        else
            misses << word + QStringLiteral(" -> ") + got;
    }
    return double(right) / double(list.size());
}

} // namespace

void RealDictionaryTest::initTestCase()
{
    QVERIFY2(QFileInfo(builtDictionary(QStringLiteral("DeEn.txt"))).size() > 1000000,
             "the build imports the FreeDict dictionaries into the program folder");
}

void RealDictionaryTest::filesFollowTheDictionaryRules()
{
    for (const CatalogueEntry &entry : knownDictionaries()) {
        if (entry.page.isEmpty())
            continue;
        QFile file(builtDictionary(entry.fileName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const bool greek = entry.fileName == QLatin1String("DeGr.txt");
        QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), greek);
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        const QString text = TextFile::decode(bytes);
        if (greek)
            QVERIFY(text.contains(QStringLiteral("haus;σπίτι;")));

        const DictionarySections sections = splitDictionarySections(text);
        QVERIFY2(!sections.failure, qPrintable(entry.fileName));
        QCOMPARE(text.count(QStringLiteral("\r\n") + dictionarySeparator() + QStringLiteral("\r\n")), 3);
        QStringList all;
        for (const QStringList &section : sections.sections) {
            QVERIFY(!section.isEmpty());
            QVERIFY(section.size() + 2 < kMaxSectionPieces);
            all << section;
        }
        QCOMPARE(all.value(0), dictionaryHeaderLine());
        QCOMPARE(all.value(1), QStringLiteral("??;Deutsch;") + entry.languageName);
        const QStringList entries = all.mid(2);
        QVERIFY(entries.size() + 1 <= 130000);
        if (entry.fileName == QLatin1String("DeEn.txt"))
            QVERIFY(entries.size() > 120000);
        // The keys past the ceiling, in the supplementary file: the same rules, in one piece.
        const QStringList further =
            TextFile::readLines(builtDictionary(supplementName(entry.fileName))).value();
        QCOMPARE(further.value(0), dictionaryHeaderLine());
        if (entry.fileName == QLatin1String("DeEn.txt"))
            QVERIFY(further.size() > 100000);
        for (const QStringList &lines : {entries, further.mid(1)}) {
            QString previous;
            for (const QString &line : lines) {
                QCOMPARE(line.count(QLatin1Char(';')), 2);
                const QString key = line.section(QLatin1Char(';'), 0, 0);
                QVERIFY2(!key.isEmpty() && !line.section(QLatin1Char(';'), 1, 1).isEmpty(), qPrintable(line));
                QCOMPARE(key, key.toLower());
                QVERIFY(!key.endsWith(QLatin1Char('!')));
                QVERIFY2(previous.isEmpty() || casefold::compare(previous, key) < 0,
                         qPrintable(previous + " / " + key));
                previous = key;
            }
        }
    }
}

// A "#" would be read as voice markup, a translation that names its own German key in brackets
// ("user (abnutzen)") speaks German in the foreign voice, and a placeholder outside a remark
// ("listen to sb./sth."; "so." may end a sentence) is read out as letters.
void RealDictionaryTest::noMarksOrOwnKeysInTranslations()
{
    const QRegularExpression remark(QStringLiteral("\\([^)]*\\)"));
    const QRegularExpression placeholder(
        QStringLiteral("(^|[ /,])((sb|sth|jdn|jdm|etw|jds|jd)\\.|so\\.(?=[ /])|someone[’']s\\b)"));
    QStringList found;
    for (const CatalogueEntry &entry : knownDictionaries()) {
        QStringList files = {entry.fileName};
        // The sample dictionary is written by hand and has no supplement.
        if (entry.fileName != QLatin1String("Woerterbuch-Muster.txt"))
            files << supplementName(entry.fileName);
        for (const QString &name : files) {
            const std::optional<QStringList> lines = TextFile::readLines(builtDictionary(name));
            QVERIFY2(lines, qPrintable(name));
            for (const QString &line : *lines) {
                const QString ownKey =
                    QLatin1Char('(') + line.section(QLatin1Char(';'), 0, 0) + QLatin1Char(')');
                const QString translations = line.section(QLatin1Char(';'), 1);
                if (line.contains(QLatin1Char('#')) || translations.contains(ownKey, Qt::CaseInsensitive) ||
                    QString(translations).remove(remark).contains(placeholder))
                    found << name + QStringLiteral(": ") + line;
            }
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.mid(0, 20).join(QStringLiteral(" | "))));
}

void RealDictionaryTest::pagesAnswerFromRealData()
{
    TempProgramFolder folder(true);
    WebBrowser browser;
    browser.navigate(ProgramFolder::path(QStringLiteral("T2")));
    LookUpOnPage(browser.page(), QStringLiteral("hallo"), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("hello"));
    LookUpOnPage(browser.page(), QStringLiteral("hello"), TextDirection::Foreign);
    QCOMPARE(readLookupAnswer(browser.page()).german, QStringLiteral("hallo"));

    LookUpOnPage(browser.page(), QStringLiteral("hall*"), TextDirection::German);
    const int count = browser.evaluateScript(QStringLiteral("Begriffe.RecordCount")).toInt();
    QVERIFY(count > 1);
    QCOMPARE(browser.evaluateScript(QStringLiteral("document.getElementById('Treffer').innerText")).toString(),
             QStringLiteral("%1 Suchtreffer !").arg(count));
    QVERIFY(browser.evaluateScript(QStringLiteral(
                                       "var found = false; for (var i = 1; i <= Begriffe.RecordCount; i++) {"
                                       " Begriffe.AbsolutePosition = i; if (Begriffe.field('oberestextfeld') == 'hallo') found = true; }"
                                       " found"))
                .toBool());

    const QMap<QString, QString> house = {{"T3", "casa"}, {"T4", "maison"}, {"T5", "σπίτι"}, {"T6", "casa"}};
    for (const CatalogueEntry &entry : knownDictionaries()) {
        if (entry.page.isEmpty())
            continue;
        browser.navigate(ProgramFolder::path(entry.page));
        LookUpOnPage(browser.page(), QStringLiteral("??"), TextDirection::German);
        QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("Deutsch"));
        QCOMPARE(readLookupAnswer(browser.page()).note, entry.languageName);
        if (house.contains(entry.page)) {
            LookUpOnPage(browser.page(), QStringLiteral("haus"), TextDirection::German);
            QCOMPARE(readLookupAnswer(browser.page()).translation, house.value(entry.page));
        }
    }
}

void RealDictionaryTest::lookupCommand()
{
    Run run = runProgram({QStringLiteral("lookup"), QStringLiteral("hallo")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.value(0), QStringLiteral("hello"));
    QCOMPARE(run.lines.value(1), QStringLiteral("hallo"));
    QCOMPARE(run.lines.size(), 4);  // three lines, each ended

    run = runProgram({QStringLiteral("lookup"), QStringLiteral("--foreign"), QStringLiteral("hello")});
    QCOMPARE(run.lines.value(1), QStringLiteral("hallo"));
    run = runProgram({QStringLiteral("lookup"), QStringLiteral("--pair"), QStringLiteral("DeGr"), QStringLiteral("haus")});
    QCOMPARE(run.lines.value(0), QStringLiteral("σπίτι"));
    run = runProgram({QStringLiteral("lookup"), QStringLiteral("--pair"), QStringLiteral("DeFr"), QStringLiteral("??")});
    QCOMPARE(run.lines.mid(0, 3), QStringList({"Deutsch", "??", "Frazösisch"}));

    run = runProgram({QStringLiteral("lookup"), QStringLiteral("xyzzyqq")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.lines, QStringList({"", "", "", ""}));

    // --page is taken relative to where the program was started, without regard to case.
    QTemporaryDir dir;
    QVERIFY(LookupPage::write(dir.filePath(QStringLiteral("seite")), QStringLiteral("Mini")));
    QVERIFY(TextFile::writeLines(dir.filePath(QStringLiteral("mini.txt")),
                                 {dictionaryHeaderLine(), QStringLiteral("ab und zu;now and then;selten")}));
    run = runProgram({QStringLiteral("lookup"), QStringLiteral("--page"), QStringLiteral("SEITE"), QStringLiteral("ab"),
                      QStringLiteral("und"), QStringLiteral("zu")},
                     dir.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.mid(0, 3), QStringList({"now and then", "ab und zu", "selten"}));

    // A page of the user's own making is run with its script.
    QString page = LookupPage::text(QStringLiteral("Mini"));
    page.replace(QStringLiteral("  Begriffe.Reset();\r\n"),
                 QStringLiteral("  Begriffe.Reset();\r\n  ergebnis.Textfeld2.value = \"vom Skript\";\r\n"));
    QVERIFY(TextFile::write(dir.filePath(QStringLiteral("eigene")), page));
    run = runProgram({QStringLiteral("lookup"), QStringLiteral("--page"), QStringLiteral("eigene"), QStringLiteral("ab"),
                      QStringLiteral("und"), QStringLiteral("zu")},
                     dir.path());
    QCOMPARE(run.lines.mid(0, 3), QStringList({"vom Skript", "ab und zu", "selten"}));

    // After "--" every argument is a word, also one that begins as an option does.
    run = runProgram({QStringLiteral("lookup"), QStringLiteral("--"), QStringLiteral("haus")});
    QCOMPARE(run.lines.value(0), QStringLiteral("house"));
    run = runProgram({QStringLiteral("lookup"), QStringLiteral("--"), QStringLiteral("--pair")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.lines, QStringList({"", "", "", ""}));
    QVERIFY2(!run.errors.contains(QLatin1String("Aufruf")), qPrintable(run.errors));

    QCOMPARE(runProgram({QStringLiteral("lookup")}).exitCode, 2);
    QCOMPARE(runProgram({QStringLiteral("lookup"), QStringLiteral("--pair"), QStringLiteral("DeXx"), QStringLiteral("haus")}).exitCode, 2);
    QCOMPARE(runProgram({QStringLiteral("lookup"), QStringLiteral("--page"), QStringLiteral("fehlt"), QStringLiteral("haus")},
                        dir.path()).exitCode,
             1);
    QCOMPARE(runProgram({QStringLiteral("import-freedict"), QStringLiteral("nur-eins")}).exitCode, 2);
}

// A word without entry: its empty lines and exit 1 as before, and on standard error the words of
// the direction's language that the dictionary holds spelt like it.
void RealDictionaryTest::lookupCommandSuggestsSpellings()
{
    const QRegularExpression question(QStringLiteral("^Meinten Sie: ([^?]+)\\?\n$"));
    const auto suggested = [&](const Run &run) {
        const QRegularExpressionMatch match = question.match(run.errors);
        return match.hasMatch() ? match.captured(1).split(QStringLiteral(", ")) : QStringList();
    };
    Run run = runProgram({QStringLiteral("lookup"), QStringLiteral("bahnhoff")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.lines, QStringList({"", "", "", ""}));
    QStringList words = suggested(run);
    QVERIFY2(!words.isEmpty() && words.size() <= 5, qPrintable(run.errors));
    QCOMPARE(words.first(), QStringLiteral("bahnhof"));

    run = runProgram({QStringLiteral("lookup"), QStringLiteral("strasse")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.errors.isEmpty());
    run = runProgram({QStringLiteral("lookup"), QStringLiteral("schluesel")});
    QCOMPARE(suggested(run).value(0), QStringLiteral("schlüssel"));

    run = runProgram({QStringLiteral("lookup"), QStringLiteral("--foreign"), QStringLiteral("staion")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(suggested(run).contains(QStringLiteral("station")), qPrintable(run.errors));
}

// lookup --details: the three lines, then the grammar and pronunciation of the German answer, in
// both directions of the real German-English dictionary and of a small pair; only what is known.
void RealDictionaryTest::lookupDetailsGiveTheGermanAnswersGrammar()
{
    const QString details = QStringLiteral("--details");
    const struct {
        QStringList args;
        QString german;
        QString grammar;
    } cases[] = {
        {{"Haus"}, "haus", "Grammatik: das Haus, die Häuser"},
        {{"--foreign", "house"}, "haus", "Grammatik: das Haus, die Häuser"},
        {{"gehen"}, "gehen", "Grammatik: gehen, ging, ist gegangen"},
        {{"--foreign", "went"}, "gehen", "Grammatik: gehen, ging, ist gegangen"},
        {{"gut"}, "gut", "Grammatik: gut, besser, am besten · das Gut, die Güter"},
        {{"--foreign", "good"}, "gut", "Grammatik: gut, besser, am besten · das Gut, die Güter"},
        {{"--pair", "DeGr", "Frau"}, "frau", "Grammatik: die Frau, die Frauen"},
        {{"--pair", "DeGr", "--foreign", "σπίτι"}, "haus", "Grammatik: das Haus, die Häuser"},
        {{"--pair", "DeGr", "sein"}, "sein", "Grammatik: sein, war, ist gewesen"},
    };
    for (const auto &c : cases) {
        const Run run = runProgram(QStringList{QStringLiteral("lookup"), details} + c.args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.value(1), c.german);
        QCOMPARE(run.lines.value(3), c.grammar);
        QVERIFY2(run.lines.value(4).startsWith(QStringLiteral("Aussprache: /")), qPrintable(run.lines.join('|')));
        QCOMPARE(run.lines.size(), 6);
    }
    // Without grammar or pronunciation known, the three lines alone.
    const Run phrase = runProgram({QStringLiteral("lookup"), details, QStringLiteral("guten"), QStringLiteral("morgen")});
    QCOMPARE(phrase.lines.size(), 4);
}

// The lookup program answers the program's own pages without their script, as the script does:
// hits, misses, base forms, wildcards, odd filters, the separator line, both directions, every
// pair. Other pages and an empty word it leaves to the script.
void RealDictionaryTest::ownPagesAnswerAsTheirScriptDoes()
{
    TempProgramFolder folder(true);
    WebBrowser browser;
    QStringList differences;
    const auto compare = [&](const QString &page, const QString &word, TextDirection direction) {
        const std::optional<LookupAnswer> own = lookUpOnOwnPage(ProgramFolder::path(page), word, direction);
        LookUpOnPage(browser.page(), word, direction);
        const LookupAnswer scripted = readLookupAnswer(browser.page());
        if (!own || own->translation != scripted.translation || own->german != scripted.german ||
            own->note != scripted.note)
            differences << page + QLatin1Char(' ') + word;
    };
    const QStringList odd = {"gehst", "Häuser", "HALLO", " hallo", "hall*", "*ll*", "??", "xyzzy", "\"hallo\"",
                             "ab und zu", "haus & auto", "haus = x", "a <> b", "*"};
    browser.navigate(ProgramFolder::path(QStringLiteral("T2")));
    for (const auto &[word, expected] : kGermanEnglish)
        compare(QStringLiteral("T2"), word, TextDirection::German);
    for (const auto &[word, expected] : kEnglishGerman)
        compare(QStringLiteral("T2"), word, TextDirection::Foreign);
    for (const QString &word : odd) {
        compare(QStringLiteral("T2"), word, TextDirection::German);
        compare(QStringLiteral("T2"), word, TextDirection::Foreign);
    }
    const QMap<QString, QString> foreignForm = {{"T3", "bambini"}, {"T4", "chevaux"}, {"T5", "σπίτια"}, {"T6", "tengo"}};
    for (const QString page : {"T3", "T4", "T5", "T6"}) {
        browser.navigate(ProgramFolder::path(page));
        for (const QString word : {"haus", "hund", "gehst", "??"})
            compare(page, word, TextDirection::German);
        compare(page, QStringLiteral("dog"), TextDirection::Foreign);
        compare(page, foreignForm.value(page), TextDirection::Foreign);
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QStringLiteral(", "))));

    QVERIFY(!lookUpOnOwnPage(ProgramFolder::path(QStringLiteral("T2")), QString(), TextDirection::German));
    QVERIFY(!lookUpOnOwnPage(ProgramFolder::path(QStringLiteral("blank.htm")), QStringLiteral("hallo"),
                             TextDirection::German));
}

void RealDictionaryTest::everydayFirstTranslations()
{
    TempProgramFolder folder(true);
    WebBrowser browser;
    browser.navigate(ProgramFolder::path(QStringLiteral("T2")));
    QStringList misses;
    QVERIFY(kGermanEnglish.size() >= 60 && kEnglishGerman.size() >= 40);
    const double german = precision(browser, kGermanEnglish, TextDirection::German, misses);
    QVERIFY2(german >= 0.95, qPrintable(misses.join(QStringLiteral(", "))));
    const double foreign = precision(browser, kEnglishGerman, TextDirection::Foreign, misses);
    QVERIFY2(foreign >= 0.90, qPrintable(misses.join(QStringLiteral(", "))));
    qInfo("first translations: German-English %.0f %%, English-German %.0f %%; missed: %s", german * 100,
          foreign * 100, qPrintable(misses.join(QStringLiteral(", "))));

    // Specialist senses before the everyday word in the file say their label.
    LookUpOnPage(browser.page(), QStringLiteral("bandhaken"), TextDirection::German);
    QVERIFY(readLookupAnswer(browser.page()).translation.startsWith(QStringLiteral("dog ")));

    // The smaller pairs: their own word first, words they lack through English.
    // A foreign word: the everyday German word, not the first record that has it ("alleweil").
    const QMap<QString, QStringList> pairs = {{"T3", {"hund", "cane", "sempre"}},
                                              {"T4", {"hund", "chien", "toujours"}},
                                              {"T5", {"hund", "σκύλος"}},
                                              {"T6", {"hund", "perro", "siempre"}}};
    for (auto it = pairs.begin(); it != pairs.end(); ++it) {
        browser.navigate(ProgramFolder::path(it.key()));
        LookUpOnPage(browser.page(), it.value()[0], TextDirection::German);
        QCOMPARE(readLookupAnswer(browser.page()).translation, it.value()[1]);
        if (it.value().size() > 2) {
            LookUpOnPage(browser.page(), it.value()[2], TextDirection::Foreign);
            QCOMPARE(readLookupAnswer(browser.page()).german, QStringLiteral("immer"));
        }
    }
    const QStringList arabic = TextFile::readLines(builtDictionary(QStringLiteral("Deutsch-Arabisch.txt"))).value();
    QCOMPARE(arabic.value(1), QStringLiteral("??;Deutsch;Arabisch"));
    QVERIFY(arabic.size() > 20000);
    QVERIFY(arabic.contains(QStringLiteral("hund;الكلب;(über Englisch)")));
}

// Words the dictionary does not hold as typed, phrases, and the first translation they are answered
// with.
void RealDictionaryTest::spellingsAndEnglishForms()
{
    TempProgramFolder folder(true);
    WebBrowser browser;
    browser.navigate(ProgramFolder::path(QStringLiteral("T2")));
    const struct {
        const char *word;
        TextDirection direction;
        const char *first;
    } cases[] = {
        // Typed without umlaut keys; an exact hit comes first ("Masse" is no "Maße").
        {"schoen", TextDirection::German, "beautiful"},
        {"Strasse", TextDirection::German, "street"},
        {"Muell", TextDirection::German, "waste [envir.]"},
        {"Fuesse", TextDirection::German, "foot"},
        {"Masse", TextDirection::German, "mass"},
        {"Busse", TextDirection::German, "bus"},
        // English forms: our table of irregular ones, the regular endings by rule; an exact hit
        // comes first ("saw" is a saw).
        {"went", TextDirection::Foreign, "gehen"},
        {"was", TextDirection::Foreign, "sein"},
        {"is", TextDirection::Foreign, "sein"},
        {"has", TextDirection::Foreign, "haben"},
        {"took", TextDirection::Foreign, "nehmen"},
        {"children", TextDirection::Foreign, "kind"},
        {"women", TextDirection::Foreign, "frau"},
        {"feet", TextDirection::Foreign, "fuß"},
        {"mice", TextDirection::Foreign, "maus"},
        {"dogs", TextDirection::Foreign, "hund"},
        {"goes", TextDirection::Foreign, "gehen"},
        {"stopped", TextDirection::Foreign, "anhalten"},
        {"hoped", TextDirection::Foreign, "hoffnung"},
        {"saw", TextDirection::Foreign, "säge"},
        // The sense French, Italian and Spanish all lead to, before a narrower first one.
        {"versteht", TextDirection::German, "understand"},
        {"Gabeln", TextDirection::German, "fork"},
        // Everyday adverbs from our table, not the sources' rarer first sense.
        {"fast", TextDirection::German, "almost"},
        {"wirklich", TextDirection::German, "really"},
        // The superlative before a noun ("die größte Stadt").
        {"größte", TextDirection::German, "biggest"},
        // A plural answers with its singular's sense, also where its own key says it in the plural.
        {"Ringe", TextDirection::German, "ring"},
        // The everyday word, not the rare first record ("flugs", "eventualiter").
        {"quickly", TextDirection::Foreign, "schnell"},
        {"maybe", TextDirection::Foreign, "vielleicht"},
        // The apostrophe as a keyboard types it; the list writes "children’s book".
        {"children's book", TextDirection::Foreign, "kinderbuch"},
        // Phrases the sources hold only among a longer entry's pieces, or not alone at all.
        {"es gibt", TextDirection::German, "there is"},
        {"auf jeden Fall", TextDirection::German, "at all events"},
        {"zu Hause", TextDirection::German, "at home"},
        {"nach Hause", TextDirection::German, "home"},
        // Without the placeholders of the source ("listen to sb./sth.").
        {"zuhören", TextDirection::German, "listen to"},
        // The adjective, not its inflected noun ("Konservative").
        {"conservative", TextDirection::Foreign, "konservativ"},
    };
    QStringList wrong;
    for (const auto &c : cases) {
        LookUpOnPage(browser.page(), QString::fromUtf8(c.word), c.direction);
        const LookupAnswer answer = readLookupAnswer(browser.page());
        const QString got = c.direction == TextDirection::German ? answer.translation : answer.german;
        if (got != QString::fromUtf8(c.first))
            wrong << QString::fromUtf8(c.word) + QStringLiteral(" -> ") + got;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
}

// French, Italian, Spanish and Greek forms that the dictionaries do not hold are answered with their
// base's German word, a verb form with the verb.
void RealDictionaryTest::formsOfTheSmallPairs()
{
    TempProgramFolder folder(true);
    WebBrowser browser;
    const struct {
        const char *page;
        QList<QPair<const char *, const char *>> forms;
    } pages[] = {
        {"T4", {{"maisons", "haus"}, {"chevaux", "pferd"}, {"allé", "gehen"}, {"suis", "sein"}}},
        {"T3", {{"case", "haus"}, {"bambini", "kind"}, {"andato", "gehen"}, {"sono", "sein"}}},
        {"T6", {{"casas", "haus"}, {"ciudades", "stadt"}, {"tengo", "haben"}, {"comido", "essen"}}},
        {"T5", {{"πήγα", "gehen"}, {"ήταν", "sein"}, {"σπίτια", "haus"}}},
    };
    QStringList wrong;
    for (const auto &[page, forms] : pages) {
        browser.navigate(ProgramFolder::path(QString::fromLatin1(page)));
        for (const auto &[form, german] : forms) {
            LookUpOnPage(browser.page(), QString::fromUtf8(form), TextDirection::Foreign);
            const QString got = readLookupAnswer(browser.page()).german;
            if (got != QString::fromUtf8(german))
                wrong << QString::fromUtf8(form) + QStringLiteral(" -> ") + got;
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
}

void RealDictionaryTest::everyWordOfAnInflectedSentence()
{
    const QByteArray sentence = "ich habe zwei Häuser gesehen, sie sind im Garten. Die Schlafzimmertür ist groß.";
    const Run run = runProgram({QStringLiteral("translate")}, QString(), sentence);
    QCOMPARE(run.exitCode, 0);
    QStringList untranslated;
    for (const QString &line : run.lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == 3 && !fields[0].isEmpty() && fields[0].front().isLetter() && fields[1].isEmpty())
            untranslated << fields[0];
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char(' '))));
    const QString answers = run.lines.join(QLatin1Char('\n')).toLower();
    QVERIFY2(answers.contains(QStringLiteral("häuser\thouse\thaus")), qPrintable(answers));
    QVERIFY(answers.contains(QStringLiteral("\nim\tin\tin\n")));
    // A compound the dictionary lacks: its parts.
    QVERIFY2(answers.contains(QRegularExpression(QStringLiteral("schlafzimmertür\t[^\t]+\tschlaf[a-z]*\\+[a-zü+]*tür"))),
             qPrintable(answers));
}

// Our function words first in every pair, in the sense a learner needs; in a sentence, each word in
// the sense its neighbours ask for.
void RealDictionaryTest::functionWordsAndSensesInSentences()
{
    TempProgramFolder folder(true);
    const QStringList pages = {"T2", "T4", "T6", "T3", "T5"}; // English, French, Spanish, Italian, Greek
    const QList<QStringList> rows = {
        {"mich", "me", "me", "me", "mi", "με"},
        {"ihm", "him", "lui", "le", "gli", "του"},
        {"uns", "us", "nous", "nos", "ci", "μας"},
        {"ihnen", "them", "leur", "les", "loro", "τους"},
        {"dem", "the", "le", "el", "il", "τον"},
        {"des", "of the", "du", "del", "del", "του"},
        {"einen", "a", "un", "un", "un", "έναν"},
        {"keinem", "no", "aucun", "ningún", "nessun", "κανένα"},
        {"seinem", "his", "son", "su", "suo", "του"},
        {"unserem", "our", "notre", "nuestro", "nostro", "μας"},
        {"euren", "your", "votre", "vuestro", "vostro", "σας"},
        {"endlich", "finally", "enfin", "por fin", "finalmente", "επιτέλους"},
        {"keine ahnung", "no idea", "aucune idée", "ni idea", "non ne ho idea", "δεν έχω ιδέα"},
    };
    QStringList wrong;
    for (int p = 0; p < pages.size(); ++p) {
        for (const QStringList &row : rows) {
            const QString got =
                lookUpOnOwnPage(ProgramFolder::path(pages[p]), row[0], TextDirection::German).value().translation;
            if (got.split(QStringLiteral(", ")).first() != row[p + 1])
                wrong << pages[p] + u' ' + row[0] + QStringLiteral(" -> ") + got;
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));

    const Run run = runProgram({QStringLiteral("translate")}, QString(),
                               "Sie hört nach dem langen Streit endlich mit dem Rauchen auf. Er sagt: keine "
                               "Ahnung, mit meinen Freunden.");
    QCOMPARE(run.exitCode, 0);
    QStringList answered;
    for (const QString &line : run.lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == 3)
            answered << fields[0] + u'|' + fields[1].split(QStringLiteral(", ")).first() + u'|' + fields[2];
    }
    for (const QString word : {"langen|long|lang", "endlich|finally|endlich", "dem|the|dem", "sagt:|say|sagen",
                               "keine|no idea|keine ahnung", "meinen|my|mein"})
        QVERIFY2(answered.contains(word), qPrintable(word + QStringLiteral(" in: ") + answered.join(u' ')));
}

void RealDictionaryTest::missingHunspellIsSaidOnce()
{
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORTELIA_HUNSPELL_DIR"), dir.path());
    Run run = runProgram({QStringLiteral("translate")}, QString(), "ist gehst Haus", environment);
    QCOMPARE(run.exitCode, 0);
    const QStringList said = run.errors.split(QLatin1Char('\n')).filter(QStringLiteral("Hunspell"));
    QCOMPARE(said.size(), 1);
    QVERIFY(said[0].contains(QStringLiteral("de_DE")));
    // Without stems the form table still knows the forms the German-English list gives ("gehst").
    QCOMPARE(run.lines.join(QLatin1Char('|')).toLower(), QStringLiteral("ist\tbe\tsein|gehst\tgo\tgehen|haus\thouse\thaus|"));

    // A damaged form table is refused with its line; the stems still answer.
    QVERIFY(LookupPage::writeFixed(dir.filePath(QStringLiteral("seite")), QStringLiteral("mini"),
                                   QStringLiteral("formen.tab")));
    QVERIFY(TextFile::writeLines(dir.filePath(QStringLiteral("mini.txt")),
                                 {dictionaryHeaderLine(), QStringLiteral("haus;house;"), QStringLiteral("sein;be;")}));
    QVERIFY(TextFile::writeLines(dir.filePath(QStringLiteral("formen.tab")),
                                 {QStringLiteral("ist;sein"), QStringLiteral("# x"), QStringLiteral("war sein")}));
    run = runProgram({QStringLiteral("lookup"), QStringLiteral("--page"), QStringLiteral("seite"), QStringLiteral("häuser")},
                     dir.path());
    QCOMPARE(run.lines.mid(0, 3), QStringList({"house", "haus", "häuser"}));
    QVERIFY2(run.errors.contains(QStringLiteral("formen.tab, Zeile 3:")), qPrintable(run.errors));
    QCOMPARE(run.errors.count(QStringLiteral("ortelia: ")), 1);
}

// Over the real German-English list: no key with a general sense says a marked one first (a key
// before the owner of its translation says its label or next translation with it), and the
// program's form table holds the list's forms with their bases.
void RealDictionaryTest::generalSensesFirstAndFormsInTheTable()
{
    Glossary ding;
    QString error;
    QVERIFY2(DingSource::add(ding, QStringLiteral("/usr/share/trans/de-en"), error) > 100000, qPrintable(error));
    // Our function-word table's word is first by hand.
    const std::optional<FunctionWords> functionWords =
        FunctionWords::read(builtDictionary(QStringLiteral("Lizenzen/ortelia-funktionswoerter.txt")), error);
    QVERIFY2(functionWords, qPrintable(error));
    functionWords->addTo(ding, FunctionWords::English);
    QStringList marked;
    for (const QString &name : {QStringLiteral("DeEn.txt"), supplementName(QStringLiteral("DeEn.txt"))}) {
        for (const QString &line : TextFile::readLines(builtDictionary(name)).value_or(QStringList())) {
            const QString key = line.section(QLatin1Char(';'), 0, 0);
            const QString first = line.section(QLatin1Char(';'), 1, 1);
            // As written, or without the label or next translation a key before the owner says.
            for (const QString &said :
                 {first, first.section(QStringLiteral(" ["), 0, 0), first.section(QStringLiteral(", "), 0, 0)}) {
                const Glossary::Use use = ding.useOf(key, said);
                if (use == Glossary::Use::Marked && ding.hasGeneralSense(key))
                    marked << line;
                if (use != Glossary::Use::None)
                    break;
            }
        }
    }
    QVERIFY2(marked.isEmpty(), qPrintable(marked.mid(0, 20).join(QStringLiteral(" | "))));

    const QStringList table =
        TextFile::readLines(test::assembledProgramFolder() + QStringLiteral("/Grundformen.tab")).value_or(QStringList());
    QCOMPARE(table.value(0), QStringLiteral("# sorted: form;base, in byte order of UTF-8, best base first"));
    // A noun's plural names its singular with a capital; a plural that is a noun of its own does not.
    for (const char *line : {"getötet;töten", "häuser;Haus", "bringt um;umbringen", "katzen;Katze", "gekocht;kochen",
                             "daten;datum", "essen;esse"})
        QVERIFY2(table.contains(QString::fromUtf8(line)), line);
    QVERIFY(!table.contains(QStringLiteral("katzen;Katz")));
    const QStringList english =
        TextFile::readLines(test::assembledProgramFolder() + QStringLiteral("/Grundformen-en_US.tab")).value_or(QStringList());
    for (const char *line : {"fought;fight", "children;child", "better;good"})
        QVERIFY2(english.contains(QString::fromUtf8(line)), line);
}

// Words the Ding list holds as no key, which the French, Italian and Spanish dictionaries lead to
// one English word ("a|b": either).
void RealDictionaryTest::wordsOnlyOtherLanguagesHold()
{
    QHash<QString, QString> firstOf;
    for (const QString &name : {QStringLiteral("DeEn.txt"), supplementName(QStringLiteral("DeEn.txt"))}) {
        for (const QString &line : TextFile::readLines(builtDictionary(name)).value_or(QStringList()))
            firstOf.insert(line.section(QLatin1Char(';'), 0, 0), line.section(QLatin1Char(';'), 1, 1));
    }
    const QList<QPair<QString, QString>> words = {{"insofern", "if|insofar|inasmuch as"},
                                                  {"imstande", "able|capable"},
                                                  {"usw", "etc.|and so on"},
                                                  {"eltern", "parents"},
                                                  {"polizei", "police"}};
    QStringList wrong;
    for (const auto &[german, english] : words) {
        if (!english.split(QLatin1Char('|')).contains(firstOf.value(german)))
            wrong << german + QLatin1Char(':') + firstOf.value(german);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
}
