#include "ChooserTests.h"

#include "Catalogue.h"
#include "Dictionary.h"
#include "LookUpOnPage.h"
#include "LookupPage.h"
#include "ProgramFolder.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "WebBrowser.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

using namespace ortelia;
using ortelia::test::TempProgramFolder;

namespace {

const QByteArray kTail = "\r\n\r\n  <param name=\"UseHeader\" value=\"true\">\r\n  <param name=\"FieldDelim\" value=\";\">\r\n"
                         "</object>\r\n</font></p>\r\n\r\n</body>\r\n</html>\r\n";

QString script(WebBrowser &browser, const QString &code) { return browser.evaluateScript(code).toString(); }

QString hits(WebBrowser &browser) { return script(browser, QStringLiteral("document.getElementById('Treffer').innerText")); }

bool tableShown(WebBrowser &browser)
{
    return script(browser, QStringLiteral("Anzeigetabelle2M.style.display")) != QLatin1String("none");
}

// Writes the chooser's page for a dictionary into TranslateDeGb and loads it.
void openPage(WebBrowser &browser, const QString &dictionary)
{
    const QString page = ProgramFolder::path(QStringLiteral("TranslateDeGb/sysx"));
    QVERIFY(LookupPage::write(page, dictionary));
    browser.navigate(page);
}

void writeDictionary(const QString &name, const QStringList &entries)
{
    QStringList lines = {QStringLiteral("oberestextfeld;unterestextfeld;zusatztextfeld")};
    lines << entries;
    QVERIFY(TextFile::writeLines(ProgramFolder::path(QStringLiteral("TranslateDeGb/") + name + QStringLiteral(".txt")),
                                 lines));
}

} // namespace

void LookupPageTest::writtenPageBytes()
{
    QCOMPARE(LookupPage::dataSourceLine(QStringLiteral("DeEn")), QStringLiteral("<param name=\"DataURL\" value=\"DeEn.txt\">"));
    QCOMPARE(LookupPage::label2() + QStringLiteral("X") + LookupPage::label3(), LookupPage::dataSourceLine(QStringLiteral("X")));
    QCOMPARE(LookupPage::tail().toLatin1(), kTail);
    // A name cannot break out of its attribute.
    QCOMPARE(LookupPage::dataSourceLine(QStringLiteral("a\"b<c>&d")),
             QStringLiteral("<param name=\"DataURL\" value=\"a&quot;b&lt;c&gt;&amp;d.txt\">"));

    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("TranslateDeGb/sysx"));
    QVERIFY(LookupPage::write(path, QStringLiteral("Woerterbuch-Muster")));
    QVERIFY(LookupPage::write(path, QStringLiteral("DeEn")));  // overwrites
    const QByteArray bytes = folder.readBytes(QStringLiteral("TranslateDeGb/sysx"));
    const QByteArray expected =
        TextFile::encode(LookupPage::head()) + "<param name=\"DataURL\" value=\"DeEn.txt\">" + kTail + "\r\n";
    QCOMPARE(bytes, expected);
    QVERIFY(bytes.startsWith("<html>\r\n<head>\r\n"));
    QVERIFY(bytes.endsWith("</body>\r\n</html>\r\n\r\n"));
    QVERIFY(LookupPage::head().endsWith(QStringLiteral("<object id=\"Begriffe\" classid=\"clsid:333C7BC4-460F-11D0-BC04-0080C7055A83\">\r\n  ")));
    // Windows-1252 text with CR LF lines only.
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains("&lt;-l\xF6schen&gt;"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));

    // The pages T2 to T6 of the program folder are made by the same routine, with base forms.
    for (const CatalogueEntry &entry : knownDictionaries()) {
        if (entry.page.isEmpty())
            continue;
        const QString name = QStringLiteral("TranslateDeGb/") + QFileInfo(entry.fileName).completeBaseName();
        const QString baseForms = QStringLiteral("Grundformen.tab ") + entry.formsLanguage;
        const QString text = LookupPage::fixedPageText(name, baseForms);
        QCOMPARE(folder.readBytes(entry.page), TextFile::encode(text));
        QVERIFY(text.startsWith(LookupPage::head() + LookupPage::dataSourceLine(name) +
                                QStringLiteral("\r\n  <param name=\"BaseForms\"")));
    }
}

void LookupPageTest::pageNamesAndLook()
{
    TempProgramFolder folder;
    WebBrowser browser;
    openPage(browser, QStringLiteral("DeEn"));
    QCOMPARE(browser.formCount(), 2);
    QCOMPARE(browser.title(), QStringLiteral("Woerterbuch"));
    QCOMPARE(script(browser, QStringLiteral("document.forms[0].name + ',' + document.forms[1].name")),
             QStringLiteral("Eingabe,WS_Formular"));
    for (const char *name : {"SuchDeu", "SuchEng", "SuchFra", "SuchIta", "SuchSpa", "suchenfeld", "englichsuche"})
        QVERIFY2(browser.hasMember(0, QLatin1String(name)), name);
    for (const char *name : {"Ausgabe", "Textfeld", "Textfeld2", "Textfeld3"})
        QVERIFY2(browser.hasMember(1, QLatin1String(name)), name);
    QCOMPARE(script(browser, QStringLiteral("Text.name + ',' + Text2.name")), QStringLiteral("SuchDeu,SuchEng"));
    QCOMPARE(script(browser, QStringLiteral("var e = document.Eingabe; [e.SuchFra.readOnly, e.SuchIta.readOnly, e.SuchSpa.readOnly,"
                                            " e.SuchDeu.readOnly].join()")),
             QStringLiteral("true,true,true,false"));
    QCOMPARE(browser.value(0, QStringLiteral("suchenfeld")), QStringLiteral("Suchen [ Strg ]"));
    QCOMPARE(browser.value(0, QStringLiteral("englichsuche")), QStringLiteral("Find [ Pfeil-rechts ]"));
    QCOMPARE(script(browser, QStringLiteral("var b = []; var el = document.Eingabe.elements;"
                                            "for (var i = 0; i < el.length; i++) if (el[i].tagName == 'INPUT' && el[i].type != 'text')"
                                            " b.push(el[i].type + ':' + el[i].value); b.join('|')")),
             QStringLiteral("reset:Suchen [ Strg ]|reset:Find [ Pfeil-rechts ]|reset:<-suche->|reset:<-löschen>"));
    QCOMPARE(script(browser, QStringLiteral("document.Eingabe.SuchDeu.style.color + document.Eingabe.SuchDeu.style.backgroundColor"
                                            " + document.Eingabe.SuchDeu.style.fontSize")),
             QStringLiteral("#000000#0000001px"));
    const QString bindings = script(browser, QStringLiteral(
        "var f = document.WS_Formular; [f.Ausgabe.maxLength, f.Textfeld.dataFld, f.Textfeld.style.textTransform,"
        " f.Textfeld3.dataFld, f.Textfeld2.dataFld, f.Textfeld2.dataSrc].join()"));
    QCOMPARE(bindings, QStringLiteral("25,oberestextfeld,lowercase,zusatztextfeld,unterestextfeld,#Begriffe"));
    QCOMPARE(script(browser, QStringLiteral("Begriffe.DataURL + Begriffe.FieldDelim + Begriffe.UseHeader")),
             QStringLiteral("DeEn.txt;true"));
    QVERIFY(!tableShown(browser));
    QCOMPARE(hits(browser), QString());
    // The wait box is gone once the page has loaded, and the focus is in SuchDeu.
    QCOMPARE(script(browser, QStringLiteral("Warten.style.display")), QStringLiteral("none"));
    QVERIFY(script(browser, QStringLiteral("Warten.innerText")).contains(QStringLiteral("Lade...Woerterbuch")));
    QCOMPARE(script(browser, QStringLiteral("document.activeElement.name")), QStringLiteral("SuchDeu"));
    QCOMPARE(script(browser, QStringLiteral("document.body.bgColor + document.body.getAttribute('text')")),
             QStringLiteral("#000000#FFFF00"));
    QCOMPARE(script(browser, QStringLiteral("DoOnWord('gesprochen'); document.WS_Formular.Ausgabe.value")),
             QStringLiteral("gesprochen"));
    QCOMPARE(browser.findChild<QTextBrowser *>()->contextMenuPolicy(), Qt::NoContextMenu);
}

void LookupPageTest::germanAndForeignSearch()
{
    TempProgramFolder folder;
    WebBrowser browser;
    openPage(browser, QStringLiteral("DeEn"));

    LookUpOnPage(browser.page(), QStringLiteral("hallo"), TextDirection::German);
    LookupAnswer answer = readLookupAnswer(browser.page());
    QCOMPARE(answer.translation, QStringLiteral("hello"));
    QCOMPARE(answer.german, QStringLiteral("hallo"));
    QCOMPARE(answer.note, QStringLiteral("Gruss"));
    QCOMPARE(browser.value(0, QStringLiteral("SuchDeu")), QString());  // the reset button cleared it
    QCOMPARE(hits(browser), QStringLiteral("1 Suchtreffer !"));
    QVERIFY(tableShown(browser));
    QCOMPARE(script(browser, QStringLiteral("Anzeigetabelle2M.dataPageSize")), QStringLiteral("1"));

    LookUpOnPage(browser.page(), QStringLiteral("HELLO"), TextDirection::Foreign);
    answer = readLookupAnswer(browser.page());
    QCOMPARE(answer.german, QStringLiteral("hallo"));
    QCOMPARE(answer.translation, QStringLiteral("hello"));
    QCOMPARE(browser.value(0, QStringLiteral("SuchEng")), QString());

    LookUpOnPage(browser.page(), QStringLiteral("ab und zu"), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("every now and then"));
    QCOMPARE(readLookupAnswer(browser.page()).note, QString());

    LookUpOnPage(browser.page(), QStringLiteral("??"), TextDirection::German);
    answer = readLookupAnswer(browser.page());
    QCOMPARE(answer.translation, QStringLiteral("Deutsch"));
    QCOMPARE(answer.note, QStringLiteral("Englisch"));

    // A word the dictionary lacks empties the answer.
    LookUpOnPage(browser.page(), QStringLiteral("hall"), TextDirection::German);
    answer = readLookupAnswer(browser.page());
    QCOMPARE(answer.translation, QString());
    QCOMPARE(answer.german, QString());
    QCOMPARE(hits(browser), QStringLiteral("0 Suchtreffer !"));

    // Shown wide, the page lists its hits; the German side in lower case.
    writeDictionary(QStringLiteral("Gross"), {QStringLiteral("Berlin;Berlin;Stadt"), QStringLiteral("BERLINER;Berliner;")});
    openPage(browser, QStringLiteral("Gross"));
    LookUpOnPage(browser.page(), QStringLiteral("berlin"), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).german, QStringLiteral("Berlin"));
    browser.resize(800, 600);
    browser.show();
    auto *view = browser.findChild<QTextBrowser *>();
    QTRY_VERIFY(view->toPlainText().contains(QStringLiteral("1 Suchtreffer !")));
    QVERIFY(view->toPlainText().contains(QStringLiteral("berlin")));
    QVERIFY(view->toPlainText().contains(QStringLiteral("Stadt")));
}

void LookupPageTest::wildcardAndHitTable()
{
    TempProgramFolder folder;
    WebBrowser browser;
    browser.navigate(ProgramFolder::path(QStringLiteral("T2")));
    LookUpOnPage(browser.page(), QStringLiteral("hall*"), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).german, QStringLiteral("hallo"));
    QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("hello"));
    QCOMPARE(hits(browser), QStringLiteral("2 Suchtreffer !"));
    QCOMPARE(script(browser, QStringLiteral("Anzeigetabelle2M.dataPageSize")), QStringLiteral("2"));
    browser.resize(800, 600);
    browser.show();
    auto *view = browser.findChild<QTextBrowser *>();
    QTRY_VERIFY(view->toPlainText().contains(QStringLiteral("hallöchen")));
    QVERIFY(view->toPlainText().contains(QStringLiteral("hi there")));
    QVERIFY(!view->toPlainText().contains(QStringLiteral("house")));

    LookUpOnPage(browser.page(), QStringLiteral("*ll*"), TextDirection::German);
    QCOMPARE(hits(browser), QStringLiteral("2 Suchtreffer !"));
    LookUpOnPage(browser.page(), QStringLiteral("*e"), TextDirection::Foreign);
    QCOMPARE(readLookupAnswer(browser.page()).german, QStringLiteral("bitte"));  // the first in file order
}

void LookupPageTest::emptySearchAndFilterInput()
{
    TempProgramFolder folder;
    WebBrowser browser;
    openPage(browser, QStringLiteral("DeEn"));
    const auto records = TextFile::readLines(ProgramFolder::path(QStringLiteral("TranslateDeGb/DeEn.txt")))->size() - 1;

    // No search word: every record is a hit on a small dictionary, separators included.
    QVERIFY(browser.click(0, QStringLiteral("suchenfeld")));
    QCOMPARE(hits(browser), QStringLiteral("%1 Suchtreffer !").arg(records));
    QCOMPARE(readLookupAnswer(browser.page()).german, QStringLiteral("??"));

    // Looking up the emptied search field again keeps the last answer.
    LookUpOnPage(browser.page(), QStringLiteral("haus"), TextDirection::German);
    QCOMPARE(browser.value(0, QStringLiteral("SuchDeu")), QString());
    LookUpOnPage(browser.page(), browser.value(0, QStringLiteral("SuchDeu")), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("house"));
    QCOMPARE(readLookupAnswer(browser.page()).german, QStringLiteral("haus"));
    QCOMPARE(readLookupAnswer(browser.page()).note, QStringLiteral("home"));
    QCOMPARE(hits(browser), QStringLiteral("%1 Suchtreffer !").arg(records));

    // Both fields at once: the terms are joined with " & ".
    browser.setValue(0, QStringLiteral("SuchDeu"), QStringLiteral("haus"));
    browser.setValue(0, QStringLiteral("SuchEng"), QStringLiteral("house"));
    QVERIFY(browser.click(0, QStringLiteral("englichsuche")));
    QCOMPARE(hits(browser), QStringLiteral("1 Suchtreffer !"));
    QCOMPARE(browser.value(0, QStringLiteral("SuchDeu")), QString());
    browser.setValue(0, QStringLiteral("SuchDeu"), QStringLiteral("haus"));
    browser.setValue(0, QStringLiteral("SuchEng"), QStringLiteral("car"));
    QVERIFY(browser.click(0, QStringLiteral("suchenfeld")));
    QCOMPARE(hits(browser), QStringLiteral("0 Suchtreffer !"));

    // The search-only button searches too; the delete button only clears.
    browser.setValue(0, QStringLiteral("SuchDeu"), QStringLiteral("katze"));
    script(browser, QStringLiteral("document.Eingabe.elements[7].click()"));
    QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("cat"));
    browser.setValue(0, QStringLiteral("SuchDeu"), QStringLiteral("hund"));
    script(browser, QStringLiteral("document.Eingabe.elements[8].click()"));
    QCOMPARE(browser.value(0, QStringLiteral("SuchDeu")), QString());
    QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("cat"));

    // Awkward search words give an answer or none, never a fault.
    for (const QString &word : {QStringLiteral("\""), QStringLiteral("&"), QStringLiteral("\"hallo\""),
                                QStringLiteral("hallo & unterestextfeld = x"), QStringLiteral("' or 1=1"),
                                QStringLiteral("<script>"), QString(1000, QLatin1Char('*')), QStringLiteral("\\\\\\\\")}) {
        LookUpOnPage(browser.page(), word, TextDirection::German);
        QVERIFY(hits(browser).endsWith(QStringLiteral(" Suchtreffer !")));
    }
    LookUpOnPage(browser.page(), QStringLiteral("\"hallo\""), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("hello"));
    LookUpOnPage(browser.page(), QStringLiteral("*"), TextDirection::German);
    QCOMPARE(hits(browser), QStringLiteral("%1 Suchtreffer !").arg(records));
}

void LookupPageTest::hitListLimit64572()
{
    TempProgramFolder folder;
    auto entries = [](int count) {
        QStringList lines = {QStringLiteral("??;Deutsch;Test")};
        for (int i = 0; i < count; ++i)
            lines << QStringLiteral("k%1;t%1;").arg(i, 5, 10, QLatin1Char('0'));
        lines << QStringLiteral("zebra;zebra;");
        return lines;
    };
    writeDictionary(QStringLiteral("Grenze"), entries(64571));
    writeDictionary(QStringLiteral("Darueber"), entries(64572));
    WebBrowser browser;

    openPage(browser, QStringLiteral("Grenze"));
    LookUpOnPage(browser.page(), QStringLiteral("k*"), TextDirection::German);
    QCOMPARE(hits(browser), QStringLiteral("64571 Suchtreffer !"));
    QVERIFY(tableShown(browser));
    QCOMPARE(script(browser, QStringLiteral("Anzeigetabelle2M.dataPageSize")), QStringLiteral("64571"));

    openPage(browser, QStringLiteral("Darueber"));
    LookUpOnPage(browser.page(), QStringLiteral("k*"), TextDirection::German);
    QCOMPARE(hits(browser), QStringLiteral("0 Suchtreffer !"));
    QVERIFY(!tableShown(browser));
    QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("t00000"));  // the first hit is still bound
    LookUpOnPage(browser.page(), QStringLiteral("zebra"), TextDirection::German);
    QCOMPARE(hits(browser), QStringLiteral("1 Suchtreffer !"));
    QVERIFY(tableShown(browser));
    // An empty search over a large dictionary shows nothing and keeps the answer.
    QVERIFY(browser.click(0, QStringLiteral("suchenfeld")));
    QCOMPARE(hits(browser), QStringLiteral("0 Suchtreffer !"));
    QVERIFY(!tableShown(browser));
    QCOMPARE(readLookupAnswer(browser.page()).german, QStringLiteral("zebra"));
}

void LookupPageTest::everyPairPageAnswersInItsLanguage()
{
    TempProgramFolder folder;
    const QMap<QString, QString> house = {{"T2", "house"}, {"T3", "casa"}, {"T4", "maison"}, {"T5", "σπίτι"}, {"T6", "casa"}};
    for (const CatalogueEntry &entry : knownDictionaries()) {
        if (entry.page.isEmpty())
            continue;
        WebBrowser browser;
        browser.navigate(ProgramFolder::path(entry.page.toLower()));  // found without regard to case
        LookUpOnPage(browser.page(), QStringLiteral("haus"), TextDirection::German);
        QCOMPARE(readLookupAnswer(browser.page()).translation, house.value(entry.page));
        LookUpOnPage(browser.page(), QStringLiteral("??"), TextDirection::German);
        QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("Deutsch"));
        QCOMPARE(readLookupAnswer(browser.page()).note, entry.languageName);
    }
}

void LookupPageTest::badDictionariesGiveEmptyAnswers()
{
    TempProgramFolder folder;
    WebBrowser browser;
    // A page whose dictionary is missing.
    openPage(browser, QStringLiteral("Fehlt"));
    LookUpOnPage(browser.page(), QStringLiteral("hallo"), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).translation, QString());
    QCOMPARE(hits(browser), QStringLiteral("0 Suchtreffer !"));

    // Lines without ";", blank lines, a header-less file, binary junk.
    QFile junk(ProgramFolder::path(QStringLiteral("TranslateDeGb/Junk.txt")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    QByteArray bytes("hallo ohne semikolon\r\n\r\n\r\nhallo;hello\r\n");
    for (int i = 0; i < 5000; ++i)
        bytes += char((i * 131) % 256);
    junk.write(bytes);
    junk.close();
    openPage(browser, QStringLiteral("Junk"));
    LookUpOnPage(browser.page(), QStringLiteral("hallo"), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).translation, QString());  // the first line was taken as the header

    QVERIFY(TextFile::writeLines(ProgramFolder::path(QStringLiteral("TranslateDeGb/Lose.txt")),
                                 {QStringLiteral("oberestextfeld;unterestextfeld;zusatztextfeld"), QString(),
                                  QStringLiteral("nur ein wort"), QStringLiteral("hallo;hello"), QString()}));
    openPage(browser, QStringLiteral("Lose"));
    LookUpOnPage(browser.page(), QStringLiteral("nur ein wort"), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).german, QStringLiteral("nur ein wort"));
    QCOMPARE(readLookupAnswer(browser.page()).translation, QString());
    LookUpOnPage(browser.page(), QStringLiteral("hallo"), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).translation, QStringLiteral("hello"));
    QCOMPARE(readLookupAnswer(browser.page()).note, QString());

    // Ten megabytes of one line.
    QFile big(ProgramFolder::path(QStringLiteral("TranslateDeGb/Gross.txt")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(10 * 1024 * 1024, 'a'));
    big.close();
    openPage(browser, QStringLiteral("Gross"));
    LookUpOnPage(browser.page(), QStringLiteral("a*"), TextDirection::German);
    QCOMPARE(readLookupAnswer(browser.page()).translation, QString());
}

void LookupPageTest::fixedPagesAnswerWithBaseForms()
{
    TempProgramFolder folder;
    writeDictionary(QStringLiteral("Formen"), {"??;Deutsch;Englisch", "sein;be;his", "haus;house;home", "tür;door;",
                                               "sehen;see;look", "hund;dog;", "arbeit;work;", "zimmer;room;"});
    QVERIFY(LookupPage::writeFixed(ProgramFolder::path(QStringLiteral("Formen.htm")), QStringLiteral("TranslateDeGb/Formen"),
                                   QStringLiteral("Grundformen.tab en_US")));
    WebBrowser browser;
    browser.navigate(ProgramFolder::path(QStringLiteral("Formen.htm")));
    const auto ask = [&browser](const QString &word, TextDirection direction = TextDirection::German) {
        LookUpOnPage(browser.page(), word, direction);
        const LookupAnswer a = readLookupAnswer(browser.page());
        return QStringList{a.translation, a.german, a.note};
    };
    // Our form table, Hunspell, a compound: the base form (or the parts) and the asked form first.
    QCOMPARE(ask("ist"), QStringList({"be", "sein", "ist – his"}));
    QCOMPARE(ask("häuser"), QStringList({"house", "haus", "häuser – home"}));
    QCOMPARE(ask("gesehen"), QStringList({"see", "sehen", "gesehen – look"}));
    QCOMPARE(ask("haustür"), QStringList({"house door", "haus+tür", "haustür"}));
    QCOMPARE(ask("arbeitszimmer"), QStringList({"work room", "arbeit+zimmer", "arbeitszimmer"}));
    QCOMPARE(ask("dogs", TextDirection::Foreign), QStringList({"dog", "hund", "dogs"}));
    QCOMPARE(script(browser, QStringLiteral("Begriffe.RecordCount")), QStringLiteral("1"));
    // Words that are none of these, and bad input, keep the empty answer; known words are as before.
    for (const QString &word : {QStringLiteral("xyzzy"), QString(10000, QLatin1Char('h')), QStringLiteral("----"),
                                QStringLiteral("hausδσ"), QStringLiteral("haus*")}) {
        LookUpOnPage(browser.page(), word, TextDirection::German);
        if (word != QLatin1String("haus*"))
            QCOMPARE(readLookupAnswer(browser.page()).translation, QString());
    }
    QCOMPARE(ask("haus"), QStringList({"house", "haus", "home"}));

    // The chooser's page for the same dictionary stays as that routine writes it.
    openPage(browser, QStringLiteral("Formen"));
    QCOMPARE(ask("häuser"), QStringList({"", "", ""}));
    QCOMPARE(ask("ist"), QStringList({"", "", ""}));
}

// A word is read by its capital: a noun's plural answers with its singular also where the dictionary
// holds the plural itself, and a key with a verb's (or adjective's) and a noun's sense answers with
// the one its case asks for, found as it is or through its base form.
void LookupPageTest::capitalsChooseTheReading()
{
    TempProgramFolder folder;
    writeDictionary(QStringLiteral("Lesart"), {"??;Deutsch;Englisch", "männer;menfolk;", "mann;man;", "wand;wall;",
                                               "winden;wind;", "sucht;addiction;", "suchen;look for;",
                                               "essen;eat;food", "arm;arm;poor"});
    QVERIFY(TextFile::writeLines(ProgramFolder::path(QStringLiteral("TranslateDeGb/Lesart-Wortarten.tab")),
                                 {"arm;poor;arm", "essen;eat;food", "sucht;look for;addiction"}));
    QVERIFY(LookupPage::writeFixed(ProgramFolder::path(QStringLiteral("Lesart.htm")), QStringLiteral("TranslateDeGb/Lesart"),
                                   QStringLiteral("Grundformen.tab")));
    WebBrowser browser;
    browser.navigate(ProgramFolder::path(QStringLiteral("Lesart.htm")));
    const auto ask = [&browser](const QString &word) {
        LookUpOnPage(browser.page(), word, TextDirection::German);
        const LookupAnswer a = readLookupAnswer(browser.page());
        return a.translation + QLatin1Char('/') + a.german;
    };
    QCOMPARE(ask("Männer"), QStringLiteral("man/mann"));
    QCOMPARE(ask("männer"), QStringLiteral("menfolk/männer"));
    QCOMPARE(ask("Wände"), QStringLiteral("wall/wand"));
    QCOMPARE(ask("wände"), QStringLiteral("wind/winden"));
    QCOMPARE(ask("sucht"), QStringLiteral("look for/sucht"));
    QCOMPARE(ask("Sucht"), QStringLiteral("addiction/sucht"));
    QCOMPARE(ask("Essen"), QStringLiteral("food/essen"));
    QCOMPARE(ask("essen"), QStringLiteral("eat/essen"));
    QCOMPARE(ask("ärmer"), QStringLiteral("poor/arm"));
    QCOMPARE(ask("Arm"), QStringLiteral("arm/arm"));
}

// A foreign word that is no record's first translation is answered by a record that lists it among
// its further ones, the earliest place and then the shorter key first; its plural too.
void LookupPageTest::furtherTranslationsAnswerForeignWords()
{
    TempProgramFolder folder;
    writeDictionary(QStringLiteral("Weitere"), {"??;Deutsch;Englisch", "großstadt;metropolis;city",
                                                "hafen;port;harbour, haven", "stadt;town;city, borough"});
    QVERIFY(LookupPage::writeFixed(ProgramFolder::path(QStringLiteral("Weitere.htm")),
                                   QStringLiteral("TranslateDeGb/Weitere"), QStringLiteral("Grundformen.tab en_US")));
    WebBrowser browser;
    browser.navigate(ProgramFolder::path(QStringLiteral("Weitere.htm")));
    const auto ask = [&browser](const QString &word) {
        LookUpOnPage(browser.page(), word, TextDirection::Foreign);
        const LookupAnswer a = readLookupAnswer(browser.page());
        return QStringList{a.translation, a.german, a.note};
    };
    QCOMPARE(ask("city"), QStringList({"city", "stadt", "city, borough"}));
    QCOMPARE(ask("cities"), QStringList({"city", "stadt", "cities – city, borough"}));
    QCOMPARE(ask("haven"), QStringList({"haven", "hafen", "harbour, haven"}));
    QCOMPARE(ask("town"), QStringList({"town", "stadt", "city, borough"}));
    QCOMPARE(ask("village"), QStringList({"", "", ""}));
}

// The lookup program answers a page itself only when it is, character for character, one this
// routine writes for a name and base forms that need no escaping.
void LookupPageTest::ownPagesAreKnownByTheirWholeText()
{
    const auto params = LookupPage::dataObjectParams(LookupPage::text(QStringLiteral("Mini")));
    QVERIFY(params);
    QCOMPARE(params->value(QStringLiteral("DataURL")), QStringLiteral("Mini.txt"));
    QCOMPARE(params->value(QStringLiteral("UseHeader")), QStringLiteral("true"));
    QCOMPARE(params->value(QStringLiteral("FieldDelim")), QStringLiteral(";"));
    QVERIFY(!params->contains(QStringLiteral("BaseForms")));
    const auto fixed = LookupPage::dataObjectParams(
        LookupPage::fixedPageText(QStringLiteral("TranslateDeGb/DeEn"), QStringLiteral("Grundformen.tab en_US")));
    QVERIFY(fixed);
    QCOMPARE(fixed->value(QStringLiteral("DataURL")), QStringLiteral("TranslateDeGb/DeEn.txt"));
    QCOMPARE(fixed->value(QStringLiteral("BaseForms")), QStringLiteral("Grundformen.tab en_US"));

    const QString page = LookupPage::text(QStringLiteral("Mini"));
    const QString sourceLineOnly = LookupPage::head() + LookupPage::label2() + QStringLiteral("Mini") +
                                   LookupPage::label3() + QStringLiteral("\r\n  <param name=\"BaseForms\" value=\">") +
                                   LookupPage::tail() + QStringLiteral("\r\n");
    for (const QString &other :
         {LookupPage::text(QStringLiteral("a&b")), LookupPage::text(QStringLiteral("a\"b")),
          LookupPage::fixedPageText(QStringLiteral("Mini"), QStringLiteral("x<y")),
          QString(page).replace(QStringLiteral("Suchtreffer"), QStringLiteral("Treffer")), page.chopped(1),
          page.mid(1), sourceLineOnly, QString()})
        QVERIFY2(!LookupPage::dataObjectParams(other), qPrintable(other.right(200)));
}

void LookupPageTest::dictionaryAnswersOwnAndUserPagesAlike()
{
    TempProgramFolder folder;
    writeDictionary(QStringLiteral("Mini"),
                    {QStringLiteral("haus;house;home"), QStringLiteral("??;Deutsch;Testisch")});
    writeDictionary(QStringLiteral("Other"), {QStringLiteral("haus;maison;")});
    WebBrowser browser;
    Dictionary dictionary(browser.page(), Dictionary::Hits::Shown);
    const auto answer = [&](const QString &word, TextDirection direction) {
        const std::optional<LookupAnswer> a = dictionary.answer(word, direction);
        return a ? QStringList{a->translation, a->german, a->note}.join(u'|') : QStringLiteral("none");
    };
    QCOMPARE(answer(QStringLiteral("haus"), TextDirection::German), QStringLiteral("none")); // no page yet

    openPage(browser, QStringLiteral("Mini"));
    QCOMPARE(answer(QStringLiteral("haus"), TextDirection::German), QStringLiteral("house|haus|home"));
    QCOMPARE(readLookupAnswer(browser.page()).translation,
             QStringLiteral("house")); // the shown page searched too
    QCOMPARE(answer(QStringLiteral("house"), TextDirection::Foreign), QStringLiteral("house|haus|home"));
    QCOMPARE(answer(QString(), TextDirection::German), QStringLiteral("||")); // not the answer before

    // A page of the user's own is searched by its script, with the same answers.
    const QString userPage = folder.file(QStringLiteral("TranslateDeGb/meine.htm"));
    QVERIFY(TextFile::writeLines(
        userPage, {LookupPage::text(QStringLiteral("Mini")), QStringLiteral("<!-- meine -->")}));
    browser.navigate(userPage);
    QCOMPARE(answer(QStringLiteral("haus"), TextDirection::German), QStringLiteral("house|haus|home"));
    QCOMPARE(answer(QStringLiteral("??"), TextDirection::German), QStringLiteral("Deutsch|??|Testisch"));

    // The chooser rewrites its page for another dictionary: the next load answers from that one.
    openPage(browser, QStringLiteral("Other"));
    QCOMPARE(answer(QStringLiteral("haus"), TextDirection::German), QStringLiteral("maison|haus|"));

    // Asked through lookUp, the answer comes once control is back in the event loop.
    QSignalSpy finished(&dictionary, &Dictionary::finished);
    dictionary.lookUp(QStringLiteral("haus"), TextDirection::German);
    QCOMPARE(finished.count(), 0);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished[0][0].toString(), QStringLiteral("haus"));
    QCOMPARE(finished[0][2].value<std::optional<LookupAnswer>>()->translation, QStringLiteral("maison"));
}
