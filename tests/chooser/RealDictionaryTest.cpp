#include "ChooserTests.h"

#include "CaseFold.h"
#include "Catalogue.h"
#include "DictionaryFile.h"
#include "LookUpOnPage.h"
#include "LookupPage.h"
#include "ProgramFolder.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "WebBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
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
};

Run runProgram(const QStringList &args, const QString &workingDir = QString())
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(test::assembledProgramFolder() + QStringLiteral("/ortelia"), args);
    process.waitForFinished(120000);
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    return run;
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
        QString previous;
        for (const QString &line : entries) {
            QCOMPARE(line.count(QLatin1Char(';')), 2);
            const QString key = line.section(QLatin1Char(';'), 0, 0);
            QVERIFY2(!key.isEmpty() && !line.section(QLatin1Char(';'), 1, 1).isEmpty(), qPrintable(line));
            QCOMPARE(key, key.toLower());
            QVERIFY(!key.endsWith(QLatin1Char('!')));
            QVERIFY2(previous.isEmpty() || casefold::compare(previous, key) < 0, qPrintable(previous + " / " + key));
            previous = key;
        }
    }
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

    QCOMPARE(runProgram({QStringLiteral("lookup")}).exitCode, 2);
    QCOMPARE(runProgram({QStringLiteral("lookup"), QStringLiteral("--pair"), QStringLiteral("DeXx"), QStringLiteral("haus")}).exitCode, 2);
    QCOMPARE(runProgram({QStringLiteral("lookup"), QStringLiteral("--page"), QStringLiteral("fehlt"), QStringLiteral("haus")},
                        dir.path()).exitCode,
             1);
    QCOMPARE(runProgram({QStringLiteral("import-freedict"), QStringLiteral("nur-eins")}).exitCode, 2);
}
