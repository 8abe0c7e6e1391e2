#include "HeadlessPageTest.h"

#include "HeadlessPage.h"
#include "HtmlDocument.h"
#include "MarkupBounds.h"
#include "PageScript.h"
#include "ScriptWatchdog.h"
#include "TextFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <vector>

using ortelia::HeadlessPage;

namespace {

QString write(const QTemporaryDir &dir, const QString &text)
{
    const QString path = dir.filePath(QStringLiteral("seite.htm"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(ortelia::TextFile::encode(text));
    return path;
}

const char kInterrupted[] = "Ein Skript der Seite lief länger als 2 Sekunden und wurde abgebrochen.";
const char kTooLarge[] = "Ein Skript der Seite brauchte zu viel Speicher und wurde abgebrochen.";

} // namespace

void HeadlessPageTest::runawayScriptsAreInterruptedAndThePageStaysUsable()
{
    QTemporaryDir dir;
    HeadlessPage page;
    QElapsedTimer clock;
    clock.start();
    QTest::ignoreMessage(QtWarningMsg, kInterrupted);
    page.navigate(write(dir, QStringLiteral(R"HTML(<html><head><script>
var spur = 'vorher'; while (true) {}</script><script>var danach = 'laeuft';</script></head>
<body><form><input type="button" name="Ewig" onclick="for (;;) { spur = 'schleife'; }">
<input type="button" name="Gut" onclick="document.forms[0].Feld.value = 'geklickt'">
<input type="text" name="Feld"></form></body></html>)HTML")));
    // The stuck script ends; the next one runs.
    QCOMPARE(page.evaluateScript(QStringLiteral("danach")).toString(), QStringLiteral("laeuft"));

    QTest::ignoreMessage(QtWarningMsg, kInterrupted);
    QVERIFY(page.click(0, QStringLiteral("Ewig")));
    QVERIFY(page.click(0, QStringLiteral("Gut")));
    QCOMPARE(page.value(0, QStringLiteral("Feld")), QStringLiteral("geklickt"));
    QCOMPARE(page.evaluateScript(QStringLiteral("spur")).toString(), QStringLiteral("schleife"));

    // A timer's endless loop is stopped as well, and the event loop goes on.
    QTest::ignoreMessage(QtWarningMsg, kInterrupted);
    page.evaluateScript(QStringLiteral("setTimeout(function () { while (true) {} }, 0); spur = 'timer';"));
    QTest::qWait(2500);
    QCOMPARE(page.evaluateScript(QStringLiteral("spur")).toString(), QStringLiteral("timer"));
    const qint64 limit = ortelia::web::ScriptWatchdog::kLimit.count();
    QVERIFY2(clock.elapsed() < 4 * limit + 3000, qPrintable(QString::number(clock.elapsed())));
}

void HeadlessPageTest::timersAreBounded()
{
    QTemporaryDir dir;
    HeadlessPage page;
    page.navigate(write(dir, QStringLiteral("<html><body></body></html>")));
    const int max = ortelia::web::PageScript::kMaxTimers;
    QCOMPARE(page.evaluateScript(QStringLiteral("var ids = []; for (var i = 0; i < %1; i++) "
                                                "ids.push(setTimeout(function () {}, 60000)); "
                                                "ids.indexOf(0)")
                                     .arg(max + 10))
                 .toInt(),
             max);
    // A cleared timer makes room for a new one.
    QVERIFY(
        page.evaluateScript(QStringLiteral("clearTimeout(ids[0]); setTimeout(function () {}, 1)")).toInt() >
        0);
    QCOMPARE(page.evaluateScript(QStringLiteral("setInterval(function () {}, 1)")).toInt(), 0);
}

void HeadlessPageTest::replacedContentLeavesNoNodesBehind()
{
    auto document =
        ortelia::web::Document::parse(QStringLiteral("<html><body><div id=a></div></body></html>"));
    ortelia::web::Node *target = document->elementById(QStringLiteral("a"));
    document->setInnerHtml(target, QStringLiteral("<b>x</b><i>y</i>"));
    const std::size_t nodes = document->nodeCount();
    const int oldChild = target->children.front()->id;
    for (int i = 0; i < 20000; ++i)
        document->setInnerHtml(target, QStringLiteral("<b>x</b><i>y</i>"));
    QCOMPARE(document->nodeCount(), nodes);
    QCOMPARE(document->node(oldChild), nullptr);
    QVERIFY(target->children.front()->id > oldChild); // ids are never reused

    // Markup of more elements than a document holds is cut off, also through innerHTML.
    const QString many = QStringLiteral("<p>x</p>").repeated(int(ortelia::web::Document::kMaxNodes));
    auto large = ortelia::web::Document::parse(QStringLiteral("<html><body>") + many +
                                               QStringLiteral("</body></html>"));
    QCOMPARE(large->nodeCount(), ortelia::web::Document::kMaxNodes);
    document->setInnerHtml(target, many);
    QCOMPARE(document->nodeCount(), ortelia::web::Document::kMaxNodes);
}

void HeadlessPageTest::everyHandlerThrowing()
{
    QTemporaryDir dir;
    HeadlessPage page;
    page.navigate(
        write(dir, QStringLiteral(R"HTML(<html><head><script>throw new Error('kopf');</script></head>
<body onload="throw 'laden'"><form name="F" onsubmit="throw 'senden'" onreset="throw 'zurueck'">
<input type="text" name="Feld" value="anfang" onchange="throw 1">
<input type="reset" name="Leeren" onclick="throw null">
<input type="button" name="Knopf" onclick="undefinedFunction()">
<input type="submit" name="Senden"></form>
<object id="Daten" classid="clsid:333C7BC4-460F-11D0-BC04-0080C7055A83"><param name="DataURL" value="fehlt.txt"></object>
</body></html>)HTML")));
    page.setValue(0, QStringLiteral("Feld"), QStringLiteral("neu"));
    QVERIFY(page.click(0, QStringLiteral("Leeren")));
    QCOMPARE(page.value(0, QStringLiteral("Feld")),
             QStringLiteral("anfang")); // as in a browser: the reset still happens
    QVERIFY(page.click(0, QStringLiteral("Knopf")));
    QVERIFY(page.click(0, QStringLiteral("Senden")));
    QVERIFY(!page.evaluateScript(QStringLiteral("Daten.Reset(); Daten.field('x').y.z")).isValid());
    QCOMPARE(page.evaluateScript(QStringLiteral("Daten.recordCount")).toInt(), 0);
    page.setValue(0, QStringLiteral("Feld"), QStringLiteral("neu"));
    QCOMPARE(page.evaluateScript(QStringLiteral("document.F.Feld.value")).toString(), QStringLiteral("neu"));
}

void HeadlessPageTest::longNativeWorkIsStoppedAndThePageGoesOn()
{
    QTemporaryDir dir;
    QStringList lines;
    for (int i = 0; i < 20000; ++i)
        lines << QStringLiteral("wort%1;word%1").arg(i);
    QFile data(dir.filePath(QStringLiteral("daten.txt")));
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.write(lines.join(QLatin1Char('\n')).toLatin1());
    data.close();
    HeadlessPage page;
    page.navigate(write(dir, QStringLiteral(R"HTML(<html><body>
<object id="Daten" classid="clsid:333C7BC4-460F-11D0-BC04-0080C7055A83">
<param name="DataURL" value="daten.txt"><param name="FieldDelim" value=";"></object></body></html>)HTML")));

    // Each search is short, but the page never stops asking: the searches' own budget ends it.
    QTest::ignoreMessage(QtWarningMsg, kInterrupted);
    QVERIFY(
        !page.evaluateScript(QStringLiteral("for (;;) { Daten.Filter = 'Column1 = *q*z*'; Daten.Reset(); }"))
             .isValid());
    QVERIFY(!ortelia::web::ScriptWatchdog::stopRequested());
    QCOMPARE(page.evaluateScript(QStringLiteral("Daten.Filter = 'Column1 = wort7*'; Daten.Reset(); "
                                                "Daten.recordCount"))
                 .toInt(),
             1111);
}

void HeadlessPageTest::memoryBombsAreStoppedAndThePageGoesOn()
{
    QTemporaryDir dir;
    HeadlessPage page;
    page.navigate(write(dir, QStringLiteral("<html><body></body></html>")));
    const QStringList bombs = {
        QStringLiteral("'x'.repeat(1 << 30)"),
        QStringLiteral("new Array(1 << 30).fill(1.5)"),
        QStringLiteral("[].concat(new Array(1 << 30), [1])"),
        QStringLiteral("'x'.padEnd(1 << 30)"),
        QStringLiteral("'x'.repeat(1 << 23).split('')"),
        QStringLiteral("try { new Array(1 << 30).map(Math.abs) } catch (e) {} 'weiter'")};
    for (const QString &bomb : bombs) {
        QTest::ignoreMessage(QtWarningMsg, kTooLarge);
        QVERIFY2(!page.evaluateScript(bomb).isValid(), qPrintable(bomb));
        QCOMPARE(
            page.evaluateScript(QStringLiteral("[1, 2, 3].map(function (x) { return x * 2; }).join('-')"))
                .toString(),
            QStringLiteral("2-4-6"));
    }
    QCOMPARE(page.evaluateScript(QStringLiteral("typeof Float64Array + typeof Proxy")).toString(),
             QStringLiteral("undefinedundefined"));

    // Memory that page code makes the program take, directly or through native work, is watched
    // as well.
    using ortelia::web::ScriptWatchdog;
    std::atomic<bool> interrupted = false;
    ScriptWatchdog::Running running([&] { interrupted = true; });
    {
        const ScriptWatchdog::NativeWork work;
        const std::vector<char> block(std::size_t(ScriptWatchdog::kMemoryLimit + 128 * 1024 * 1024), 1);
        QTRY_VERIFY_WITH_TIMEOUT(ScriptWatchdog::stopRequested(), 8000);
        QCOMPARE(block.back(), 1);
    }
    QCOMPARE(running.end(), ScriptWatchdog::Stop::Memory);
    QVERIFY(interrupted);
    QVERIFY(!ScriptWatchdog::stopRequested());
}

void HeadlessPageTest::markupBeyondItsBoundsIsRefused()
{
    using ortelia::web::Document;
    namespace MarkupBounds = ortelia::web::MarkupBounds;
    const auto elements = [](const Document &document) {
        return document.elementsByTag(nullptr, QStringLiteral("p")).size();
    };
    const auto attributes = [](int count) {
        QString markup = QStringLiteral("<p");
        for (int i = 0; i < count; ++i)
            markup += QStringLiteral(" a%1=\"%1 >\"").arg(i);
        return markup + QStringLiteral(">x</p>");
    };
    QCOMPARE(elements(*Document::parse(attributes(MarkupBounds::kMaxAttributes))), 1);
    // 200,000 attributes on one element took the parser minutes, 1,000 elements of 1,000 seconds.
    QCOMPARE(elements(*Document::parse(attributes(200000))), 0);
    QCOMPARE(elements(*Document::parse(attributes(MarkupBounds::kMaxAttributes).repeated(17))), 0);
    QCOMPARE(elements(*Document::parse(QStringLiteral("<p>").repeated(int(MarkupBounds::kMaxTags) + 1))), 0);
    QCOMPARE(elements(*Document::parse(QStringLiteral("<p>") +
                                       QString(int(MarkupBounds::kMaxMarkupBytes), QLatin1Char('x')))),
             0);

    auto document = Document::parse(QStringLiteral("<html><body><div id=a><p>alt</p></div></body></html>"));
    document->setInnerHtml(document->elementById(QStringLiteral("a")), attributes(200000));
    QCOMPARE(elements(*document), 0);
    QVERIFY(document->body());
}
