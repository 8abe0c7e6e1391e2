#include "WebBrowserTest.h"

#include "TabularData.h"
#include "TextFile.h"
#include "WebBrowser.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <sys/stat.h>

using ortelia::WebBrowser;

namespace {

const QString kSpeakerClass = QStringLiteral("clsid:0A7E11A0-0E7E-4A11-A5EE-000000000001");

QString write(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(ortelia::TextFile::encode(text));
    return path;
}

QString script(WebBrowser &browser, const QString &code)
{
    return browser.evaluateScript(code).toString();
}

QString shownText(WebBrowser &browser)
{
    auto *view = browser.findChild<QTextBrowser *>(QStringLiteral("view"));
    return view ? view->toPlainText() : QString();
}

} // namespace

void WebBrowserTest::missingFileLeavesAnEmptyDocument()
{
    QTemporaryDir dir;
    WebBrowser browser;
    browser.navigate(dir.filePath(QStringLiteral("fehlt")));
    QCOMPARE(browser.location(), dir.filePath(QStringLiteral("fehlt")));
    QCOMPARE(browser.formCount(), 0);
    QVERIFY(!browser.hasMember(0, QStringLiteral("SuchDeu")));
    QCOMPARE(browser.value(0, QStringLiteral("SuchDeu")), QString());
    QVERIFY(!browser.click(0, QStringLiteral("suchenfeld")));
    browser.setValue(0, QStringLiteral("SuchDeu"), QStringLiteral("x"));
    QCOMPARE(browser.bodyHtml(), QString());
}

void WebBrowserTest::formsMembersValuesAndClicks()
{
    QTemporaryDir dir;
    const QString page = write(dir, QStringLiteral("seite"), QStringLiteral(R"HTML(<html><body>
<form name="Eins"><input type="text" name="Feld" value="anfang" onchange="document.forms[1].Spur.value = 'geaendert'">
<input type="text" id="NurId" value="id"><textarea name="Bereich">text</textarea>
<select name="Wahl"><option value="a">A</option><option value="b" selected>B</option></select>
<input type="checkbox" name="Haken" onclick="document.forms[1].Spur.value = 'haken ' + this.checked">
<input type="button" name="Knopf" value="Los" onclick="document.forms[1].Spur.value = 'geklickt ' + document.Eins.Feld.value">
<input type="button" name="Nein" value="X" onclick="return false"></form>
<form name="Zwei"><input type="text" name="Spur"><input type="text" name="Feld" value="zweites"></form>
</body></html>)HTML"));
    WebBrowser browser;
    browser.navigate(page);
    QCOMPARE(browser.formCount(), 2);
    QVERIFY(browser.hasMember(0, QStringLiteral("Feld")));
    QVERIFY(browser.hasMember(0, QStringLiteral("NurId")));
    QVERIFY(!browser.hasMember(0, QStringLiteral("Spur")));
    QVERIFY(!browser.hasMember(2, QStringLiteral("Feld")));
    QVERIFY(!browser.hasMember(-1, QStringLiteral("Feld")));
    QCOMPARE(browser.value(0, QStringLiteral("Feld")), QStringLiteral("anfang"));
    QCOMPARE(browser.value(1, QStringLiteral("Feld")), QStringLiteral("zweites"));
    QCOMPARE(browser.value(0, QStringLiteral("NurId")), QStringLiteral("id"));
    QCOMPARE(browser.value(0, QStringLiteral("Bereich")), QStringLiteral("text"));
    QCOMPARE(browser.value(0, QStringLiteral("Wahl")), QStringLiteral("b"));

    browser.setValue(0, QStringLiteral("Feld"), QStringLiteral("neu"));
    QCOMPARE(browser.value(0, QStringLiteral("Feld")), QStringLiteral("neu"));
    QCOMPARE(browser.value(1, QStringLiteral("Spur")), QString()); // no onchange

    QVERIFY(browser.click(0, QStringLiteral("Knopf")));
    QCOMPARE(browser.value(1, QStringLiteral("Spur")), QStringLiteral("geklickt neu"));
    QVERIFY(browser.click(0, QStringLiteral("Haken")));
    QCOMPARE(browser.value(1, QStringLiteral("Spur")), QStringLiteral("haken true"));
    QVERIFY(browser.click(0, QStringLiteral("Nein")));
    QVERIFY(!browser.click(0, QStringLiteral("Fehlt")));
}

void WebBrowserTest::resetButtonResetsAfterItsOnclick()
{
    QTemporaryDir dir;
    const QString page = write(dir, QStringLiteral("seite.htm"), QStringLiteral(R"HTML(<html><body>
<form name="Eingabe"><input type="text" name="SuchDeu"><input type="text" name="Vorgabe" value="bleibt">
<input type="reset" name="suchenfeld" onclick="document.forms[1].Gesehen.value = document.Eingabe.SuchDeu.value">
<input type="reset" name="halt" onclick="return false"></form>
<form><input type="text" name="Gesehen"></form></body></html>)HTML"));
    WebBrowser browser;
    browser.navigate(page);
    browser.setValue(0, QStringLiteral("SuchDeu"), QStringLiteral("hallo"));
    browser.setValue(0, QStringLiteral("Vorgabe"), QStringLiteral("anders"));
    QVERIFY(browser.click(0, QStringLiteral("suchenfeld")));
    QCOMPARE(browser.value(1, QStringLiteral("Gesehen")), QStringLiteral("hallo")); // onclick ran first
    QCOMPARE(browser.value(0, QStringLiteral("SuchDeu")), QString());
    QCOMPARE(browser.value(0, QStringLiteral("Vorgabe")), QStringLiteral("bleibt"));
    QCOMPARE(browser.value(1, QStringLiteral("Gesehen")), QStringLiteral("hallo")); // other forms untouched

    browser.setValue(0, QStringLiteral("SuchDeu"), QStringLiteral("wort"));
    QVERIFY(browser.click(0, QStringLiteral("halt"))); // an onclick returning false cancels the reset
    QCOMPARE(browser.value(0, QStringLiteral("SuchDeu")), QStringLiteral("wort"));
}

void WebBrowserTest::scriptsRunInOrderAndSurviveErrors()
{
    QTemporaryDir dir;
    write(dir, QStringLiteral("teil.js"), QStringLiteral("var ausDatei = 'datei';"));
    const QString page = write(dir, QStringLiteral("seite"), QStringLiteral(R"HTML(<html><head>
<script>var spur = ['eins'];</script>
<script>spur.push('zwei'); throw new Error('kaputt'); spur.push('nie');</script>
<script>this is no javascript {{{</script>
<script language="VBScript">spur.push('vb')</script>
<script src="TEIL.JS"></script>
<script src="http://example.invalid/x.js"></script>
<script>spur.push('drei'); function Kaputt() { undefinedFunction(); }
window.onload = function () { spur.push('fenster'); };</script>
</head><body onload="spur.push('geladen')">
<form><input type="button" name="Fehler" onclick="Kaputt()"><input type="button" name="Syntax" onclick="(((">
<input type="button" name="Gut" onclick="spur.push('gut')"></form></body></html>)HTML"));
    WebBrowser browser;
    browser.navigate(page);
    QCOMPARE(script(browser, QStringLiteral("spur.join(',')")), QStringLiteral("eins,zwei,drei,geladen"));
    QCOMPARE(script(browser, QStringLiteral("ausDatei")), QStringLiteral("datei"));
    QVERIFY(browser.click(0, QStringLiteral("Fehler")));
    QVERIFY(browser.click(0, QStringLiteral("Syntax")));
    QVERIFY(browser.click(0, QStringLiteral("Gut")));
    QCOMPARE(script(browser, QStringLiteral("spur[spur.length - 1]")), QStringLiteral("gut"));
    QVERIFY(!browser.evaluateScript(QStringLiteral("throw 'x'")).isValid());

    // Without a body onload, window.onload runs.
    const QString second = write(
        dir, QStringLiteral("zwei"),
        QStringLiteral(
            "<html><script>var s = 0; window.onload = function () { s = 5; };</script><body></body></html>"));
    browser.navigate(second);
    QCOMPARE(script(browser, QStringLiteral("s")), QStringLiteral("5"));
}

void WebBrowserTest::brokenAndDeepMarkupIsRead()
{
    QTemporaryDir dir;
    WebBrowser browser;
    browser.navigate(write(dir, QStringLiteral("kaputt"),
                           QStringLiteral("<html><body><form name=a><input name=x "
                                          "value=1><div><b>offen<table><tr><td>zelle<form><input name=y")));
    QVERIFY(browser.formCount() >= 1);
    QCOMPARE(browser.value(0, QStringLiteral("x")), QStringLiteral("1"));

    QString deep;
    for (int i = 0; i < 50000; ++i)
        deep += QStringLiteral("<div>");
    browser.navigate(
        write(dir, QStringLiteral("tief.htm"), deep + QStringLiteral("tief<form><input name=z value=2>")));
    browser.show();
    QTest::qWait(20);
    QVERIFY(!browser.bodyHtml().isEmpty());

    QByteArray junk(200000, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919) % 256);
    QFile f(dir.filePath(QStringLiteral("junk.htm")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<html>" + junk);
    f.close();
    browser.navigate(f.fileName());
    QTest::qWait(20);
    browser.navigate(dir.filePath(QStringLiteral("kaputt"))); // and the control goes on
    QCOMPARE(browser.value(0, QStringLiteral("x")), QStringLiteral("1"));
}

void WebBrowserTest::pageObjectsAreCreatedReachableAndDeleted()
{
    WebBrowser::registerObjectType(
        kSpeakerClass,
        [](const QMap<QString, QString> &params, const QString &pageDir, QObject *parent) -> QObject * {
            auto *speaker = new SpeakerObject(parent);
            speaker->params = params;
            speaker->pageDir = pageDir;
            speaker->setVoice(params.value(QStringLiteral("Stimme")));
            return speaker;
        });
    QTemporaryDir dir;
    const QString page = write(dir, QStringLiteral("sp"), QStringLiteral(R"HTML(<html><head><script>
function Sprich() { document.forms[0].Anzahl.value = Sprecher.speak(document.forms[0].Text.value); }
function Wort(w) { document.getElementById("Wort").innerText = w; }
Sprecher.word.connect(Wort);
</script></head>
<body onload="document.getElementById('Status').innerText = 'geladen ' + Sprecher.voice">
<object id="Sprecher" classid="CLSID:0a7e11a0-0e7e-4a11-a5ee-000000000001"><param name="Stimme" value="silke"><param name="Tempo" value="100"></object>
<object id="Fremd" classid="clsid:00000000-0000-0000-0000-000000000000"></object>
<form><input type="text" name="Text" value="hallo welt"><input type="text" name="Anzahl">
<input type="button" name="Hilfe" value="Hilfe" onclick="Sprich()"></form>
<span id="Wort"></span><span id="Status"></span></body></html>)HTML"));
    WebBrowser browser;
    browser.navigate(page);
    auto *speaker = qobject_cast<SpeakerObject *>(browser.pageObject(QStringLiteral("Sprecher")));
    QVERIFY(speaker);
    QCOMPARE(browser.pageObject(QStringLiteral("Fremd")), nullptr);
    QCOMPARE(browser.pageObject(QStringLiteral("Keins")), nullptr);
    QCOMPARE(speaker->params.value(QStringLiteral("Tempo")), QStringLiteral("100"));
    QCOMPARE(QDir(speaker->pageDir), QDir(dir.path()));
    QCOMPARE(script(browser, QStringLiteral("document.getElementById('Status').innerText")),
             QStringLiteral("geladen silke"));

    QVERIFY(browser.click(0, QStringLiteral("Hilfe"))); // runs synchronously
    QCOMPARE(speaker->spoken, QStringList({"hallo welt"}));
    QCOMPARE(browser.value(0, QStringLiteral("Anzahl")), QStringLiteral("1"));
    QCOMPARE(script(browser, QStringLiteral("document.getElementById('Wort').innerText")),
             QStringLiteral("hallo welt"));
    QCOMPARE(script(browser, QStringLiteral("document.getElementById('Sprecher').speak('zwei')")),
             QStringLiteral("2"));
    speaker->setVoice(QStringLiteral("bill"));
    QCOMPARE(script(browser, QStringLiteral("Sprecher.voice")), QStringLiteral("bill"));

    QPointer<SpeakerObject> gone(speaker);
    browser.navigate(dir.filePath(QStringLiteral("anders")));
    QVERIFY(gone.isNull());
    QCOMPARE(browser.pageObject(QStringLiteral("Sprecher")), nullptr);
}

void WebBrowserTest::pageMayNavigateFromItsOwnHandler()
{
    static WebBrowser *target = nullptr;
    static QString next;
    const QString classId = QStringLiteral("clsid:0A7E11A0-0E7E-4A11-A5EE-0000000000FE");
    WebBrowser::registerObjectType(classId,
                                   [](const QMap<QString, QString> &, const QString &, QObject *parent) {
                                       auto *object = new SpeakerObject(parent);
                                       QObject::connect(object, &SpeakerObject::word, object,
                                                        [](const QString &) { target->navigate(next); });
                                       return object;
                                   });
    QTemporaryDir dir;
    next = write(dir, QStringLiteral("ziel"),
                 QStringLiteral("<html><body><form><input name=Ziel value=da></form></body></html>"));
    const QString page =
        write(dir, QStringLiteral("start"),
              QStringLiteral("<html><body><object id=Weiter classid=\"") + classId +
                  QStringLiteral("\"></object>"
                                 "<form><input type=button name=Los onclick=\"Weiter.speak('x'); "
                                 "document.title;\"></form></body></html>"));
    WebBrowser browser;
    target = &browser;
    browser.navigate(page);
    QVERIFY(browser.click(0, QStringLiteral("Los")));
    QCOMPARE(browser.location(), next);
    QCOMPARE(browser.value(0, QStringLiteral("Ziel")), QStringLiteral("da"));
    QTest::qWait(10); // the old page is let go once its code has returned
    QCOMPARE(browser.value(0, QStringLiteral("Ziel")), QStringLiteral("da"));
    target = nullptr;
}

void WebBrowserTest::pathsTextFilesAndFolders()
{
    QTemporaryDir dir;
    write(dir, QStringLiteral("Unter/Seite.htm"),
          QStringLiteral("<html><body><form><input name=a value=gefunden></form></body></html>"));
    write(dir, QStringLiteral("stimm2.txt"),
          QStringLiteral("#voice=name:lgx.en.bill#\r\n<b>kein Markup</b> & mehr\r\n"));
    WebBrowser browser;
    browser.navigate(dir.path() + QStringLiteral("\\UNTER\\seite.HTM"));
    QCOMPARE(browser.value(0, QStringLiteral("a")), QStringLiteral("gefunden"));
    QCOMPARE(browser.location(), dir.filePath(QStringLiteral("Unter/Seite.htm")));

    browser.navigate(dir.filePath(QStringLiteral("STIMM2.TXT")));
    QCOMPARE(browser.formCount(), 0);
    QVERIFY(browser.bodyHtml().contains(QStringLiteral("&lt;b&gt;kein Markup&lt;/b&gt; &amp; mehr")));
    browser.show();
    QTRY_VERIFY(shownText(browser).contains(QStringLiteral("<b>kein Markup</b> & mehr")));
    QVERIFY(shownText(browser).contains(QStringLiteral("#voice=name:lgx.en.bill#")));

    browser.navigate(dir.path());
    QVERIFY(browser.bodyHtml().contains(QStringLiteral("Unter/")));
    QVERIFY(browser.bodyHtml().contains(QStringLiteral("stimm2.txt")));
    QTRY_VERIFY(shownText(browser).contains(QStringLiteral("stimm2.txt")));
}

void WebBrowserTest::bodyHtmlRoundTrip()
{
    QTemporaryDir dir;
    WebBrowser browser;
    browser.navigate(
        write(dir, QStringLiteral("leer.htm"), QStringLiteral("<html><body><p>alt</p></body></html>")));
    QCOMPARE(browser.bodyHtml(), QStringLiteral("<p>alt</p>"));
    browser.setBodyHtml(QStringLiteral(
        "<form name=\"F\"><input name=\"Wort\" value=\"eins\"></form><span id=\"Neu\">x &amp; y</span>"));
    QCOMPARE(browser.formCount(), 1);
    QCOMPARE(browser.value(0, QStringLiteral("Wort")), QStringLiteral("eins"));
    browser.setValue(0, QStringLiteral("Wort"), QStringLiteral("zwei \"drei\""));
    QCOMPARE(browser.bodyHtml(),
             QStringLiteral("<form name=\"F\"><input name=\"Wort\" value=\"zwei &quot;drei&quot;\"></form>"
                            "<span id=\"Neu\">x &amp; y</span>"));
    QCOMPARE(script(browser, QStringLiteral("Neu.innerText + '|' + document.F.Wort.value")),
             QStringLiteral("x & y|zwei \"drei\""));
    browser.setBodyHtml(QString());
    QCOMPARE(browser.formCount(), 0);
    QCOMPARE(script(browser, QStringLiteral("typeof Neu")), QStringLiteral("undefined"));
}

void WebBrowserTest::scriptsSeeTheDocument()
{
    QTemporaryDir dir;
    WebBrowser browser;
    browser.navigate(
        write(dir, QStringLiteral("dom"), QStringLiteral(R"HTML(<html><head><title>Titel</title></head><body>
<div id="Kasten" style="color: red">alt</div><p name="Absatz" class="k">p</p>
<form name="F"><input name="a" value="1"><input name="b" value="2"></form></body></html>)HTML")));
    QCOMPARE(browser.title(), QStringLiteral("Titel"));
    QCOMPARE(script(browser, QStringLiteral("document.title")), QStringLiteral("Titel"));
    QCOMPARE(script(browser, QStringLiteral("document.forms.length + ',' + "
                                            "document.forms['F'].elements.length + ',' + document.F.length")),
             QStringLiteral("1,2,2"));
    QCOMPARE(
        script(browser, QStringLiteral("document.all.Kasten.innerText + document.all('Kasten').tagName")),
        QStringLiteral("altDIV"));
    QCOMPARE(script(browser, QStringLiteral("Kasten.style.display = 'none'; Kasten.style.backgroundColor = "
                                            "'black'; Kasten.getAttribute('style')")),
             QStringLiteral("color: red; display: none; background-color: black"));
    QCOMPARE(script(browser, QStringLiteral("Kasten.style.display = ''; Kasten.style.display")), QString());
    QCOMPARE(
        script(browser,
               QStringLiteral(
                   "Kasten.innerHTML = '<b id=\"Fett\">neu</b>'; Fett.innerText + Kasten.children.length")),
        QStringLiteral("neu1"));
    QCOMPARE(script(browser, QStringLiteral("document.getElementsByName('Absatz')[0].className")),
             QStringLiteral("k"));
    QCOMPARE(script(browser, QStringLiteral("document.getElementById('fehlt') === null")),
             QStringLiteral("true"));
    QCOMPARE(script(browser, QStringLiteral("document.F.a.form.name + document.body.tagName")),
             QStringLiteral("FBODY"));
    QCOMPARE(script(browser, QStringLiteral("var Kasten = 5; Kasten")), QStringLiteral("5"));
    QCOMPARE(script(browser, QStringLiteral("document.F.b.focus(); document.activeElement.name")),
             QStringLiteral("b"));

    // Handlers, types and ids changed by a script take effect at once.
    QCOMPARE(script(browser,
                    QStringLiteral(
                        "var a = document.F.a; a.setAttribute('onclick', 'this.value = 1 + 1'); a.click();"
                        "a.setAttribute('onclick', 'this.value += \"!\"'); a.click(); a.value")),
             QStringLiteral("2!"));
    QCOMPARE(script(browser,
                    QStringLiteral("a.onclick = function () { this.value = 'eigen'; }; a.click(); a.value")),
             QStringLiteral("eigen"));
    QCOMPARE(script(browser, QStringLiteral("document.F.b.type = 'reset'; document.F.b.click(); a.value")),
             QStringLiteral("1"));
    QCOMPARE(script(browser, QStringLiteral("var k = document.getElementById('Kasten'); k.id = 'Box';"
                                            "(document.getElementById('Kasten') === null) + ',' + "
                                            "document.getElementById('Box').tagName")),
             QStringLiteral("true,DIV"));
}

void WebBrowserTest::timersRunLaterAndCanBeCleared()
{
    QTemporaryDir dir;
    WebBrowser browser;
    browser.navigate(
        write(dir, QStringLiteral("zeit"),
              QStringLiteral("<html><script>var n = 0; var weg = setTimeout(function () { n += 100; }, 10);"
                             "setTimeout(function (x) { n += x; }, 5, 1); clearTimeout(weg);"
                             "var i = setInterval(function () { n += 10; if (n >= 31) clearInterval(i); }, "
                             "1);</script></html>")));
    QCOMPARE(script(browser, QStringLiteral("n")), QStringLiteral("0"));
    QTRY_COMPARE(script(browser, QStringLiteral("n")), QStringLiteral("31"));
    QTest::qWait(40);
    QCOMPARE(script(browser, QStringLiteral("n")), QStringLiteral("31"));
}

void WebBrowserTest::scriptsHaveNoFileOrNetworkAccess()
{
    QTemporaryDir dir;
    WebBrowser browser;
    browser.navigate(write(dir, QStringLiteral("frei"), QStringLiteral("<html><body></body></html>")));
    QCOMPARE(
        script(browser,
               QStringLiteral(
                   "[typeof XMLHttpRequest, typeof Qt, typeof require, typeof importScripts, typeof __dom,"
                   " typeof console, typeof fetch].join()")),
        QStringLiteral("undefined,undefined,undefined,undefined,undefined,undefined,undefined"));
}

void WebBrowserTest::dataBindingShowsTheCurrentRecord()
{
    QTemporaryDir dir;
    write(dir, QStringLiteral("Daten/Liste.txt"),
          QStringLiteral("oberestextfeld;unterestextfeld;zusatztextfeld\r\n??;Deutsch;Englisch\r\nHallo;"
                         "hello;Gruss\r\nhaus;house;\r\n"));
    const QString page = write(dir, QStringLiteral("liste"), QStringLiteral(R"HTML(<html><body>
<object id="Begriffe" classid="clsid:333C7BC4-460F-11D0-BC04-0080C7055A83">
<param name="DataURL" value="daten\liste.txt"><param name="UseHeader" value="true"><param name="FieldDelim" value=";"></object>
<object id="Leer" classid="clsid:333C7BC4-460F-11D0-BC04-0080C7055A83"><param name="DataURL" value="fehlt.txt"></object>
<form><textarea name="Textfeld" datasrc="#Begriffe" datafld="oberestextfeld"></textarea>
<textarea name="Textfeld2" datasrc="#begriffe" datafld="unterestextfeld"></textarea>
<input name="Leerfeld" datasrc="#Leer" datafld="Column1"></form>
<span id="Notiz" datasrc="#Begriffe" datafld="zusatztextfeld"></span></body></html>)HTML"));
    WebBrowser browser;
    browser.navigate(page);
    // Before any filter the first record is current.
    QCOMPARE(browser.value(0, QStringLiteral("Textfeld")), QStringLiteral("??"));
    QCOMPARE(browser.value(0, QStringLiteral("Textfeld2")), QStringLiteral("Deutsch"));
    QCOMPARE(script(browser, QStringLiteral("Notiz.innerText")), QStringLiteral("Englisch"));
    QCOMPARE(script(browser, QStringLiteral("Begriffe.recordset.RecordCount + ',' + Leer.RecordCount")),
             QStringLiteral("3,0"));

    script(browser, QStringLiteral("Begriffe.Filter = 'oberestextfeld = hallo'; Begriffe.Reset();"));
    QCOMPARE(browser.value(0, QStringLiteral("Textfeld")), QStringLiteral("Hallo"));
    QCOMPARE(browser.value(0, QStringLiteral("Textfeld2")), QStringLiteral("hello"));
    QCOMPARE(script(browser, QStringLiteral("Notiz.innerText")), QStringLiteral("Gruss"));

    script(browser, QStringLiteral(
                        "Begriffe.Filter = ''; Begriffe.Reset(); Begriffe.MoveNext(); Begriffe.MoveNext()"));
    QCOMPARE(browser.value(0, QStringLiteral("Textfeld2")), QStringLiteral("house"));
    QCOMPARE(script(browser, QStringLiteral("Begriffe.AbsolutePosition")), QStringLiteral("3"));
    script(browser, QStringLiteral("Begriffe.MoveNext()")); // stays on the last record
    QCOMPARE(browser.value(0, QStringLiteral("Textfeld2")), QStringLiteral("house"));

    script(browser, QStringLiteral("Begriffe.Filter = 'oberestextfeld = nichts'; Begriffe.Reset();"));
    QCOMPARE(browser.value(0, QStringLiteral("Textfeld")), QString());
    QCOMPARE(browser.value(0, QStringLiteral("Textfeld2")), QString());
    QCOMPARE(script(browser, QStringLiteral("Begriffe.recordCount")), QStringLiteral("0"));

    // Another file through the same object.
    write(dir, QStringLiteral("zwei.txt"), QStringLiteral("a;b;c\r\n1;2;3\r\n"));
    script(browser,
           QStringLiteral("Begriffe.DataURL = 'zwei.txt'; Begriffe.Filter = 'b = 2'; Begriffe.Reset();"));
    QCOMPARE(script(browser, QStringLiteral("Begriffe.field('c')")), QStringLiteral("3"));

    // A page cannot delete the objects the browser owns.
    QVERIFY(script(browser, QStringLiteral("try { Begriffe.destroy(); 'ok' } catch (e) { String(e) }"))
                .contains(QStringLiteral("indestructible")));
    QCOMPARE(script(browser, QStringLiteral("typeof Begriffe.deleteLater")), QStringLiteral("undefined"));
    QTest::qWait(10);
    QVERIFY(browser.pageObject(QStringLiteral("Begriffe")));
}

void WebBrowserTest::recordsNeverBecomeMarkup()
{
    QTemporaryDir dir;
    write(dir, QStringLiteral("boese.txt"),
          QStringLiteral("oberestextfeld;unterestextfeld;zusatztextfeld\r\n"
                         "<b>fett</b>;<img src=x onerror=alert(1)>;<script>Kaputt()</script>\r\n"
                         "zwei;&amp \"' <i>;</td></tr></table><form name=falsch>\r\n"));
    const QString page = write(dir, QStringLiteral("boese"), QStringLiteral(R"HTML(<html><body>
<object id="Begriffe" classid="clsid:333C7BC4-460F-11D0-BC04-0080C7055A83"><param name="DataURL" value="boese.txt">
<param name="UseHeader" value="true"><param name="FieldDelim" value=";"></object>
<form><textarea name="Textfeld" datasrc="#Begriffe" datafld="oberestextfeld"></textarea></form>
<span id="Zwei" datasrc="#Begriffe" datafld="unterestextfeld"></span>
<table id="Liste" datasrc="#Begriffe"><tbody><tr><td><span datafld="oberestextfeld"></span></td>
<td><span datafld="unterestextfeld"></span></td><td><span datafld="zusatztextfeld"></span></td></tr></tbody></table>
</body></html>)HTML"));
    WebBrowser browser;
    browser.navigate(page);
    QCOMPARE(browser.value(0, QStringLiteral("Textfeld")), QStringLiteral("<b>fett</b>"));
    const QString body = browser.bodyHtml();
    QVERIFY(body.contains(QStringLiteral("&lt;b&gt;fett&lt;/b&gt;")));
    QVERIFY(body.contains(QStringLiteral("&lt;img src=x onerror=alert(1)&gt;")));
    QVERIFY(!body.contains(QStringLiteral("<img")));
    QCOMPARE(
        script(
            browser,
            QStringLiteral(
                "document.getElementsByTagName('img').length + document.getElementsByTagName('b').length")),
        QStringLiteral("0"));
    browser.show();
    QTRY_VERIFY(shownText(browser).contains(QStringLiteral("<script>Kaputt()</script>")));
    const QString shown = shownText(browser);
    QVERIFY(shown.contains(QStringLiteral("<b>fett</b>")));
    QVERIFY(shown.contains(QStringLiteral("&amp \"' <i>")));
    QVERIFY(shown.contains(QStringLiteral("</td></tr></table><form name=falsch>")));
    QCOMPARE(browser.formCount(), 1);
}

void WebBrowserTest::drawingHonoursHiddenElements()
{
    QTemporaryDir dir;
    write(dir, QStringLiteral("liste.txt"), QStringLiteral("w;x\r\neins;1\r\nzwei;2\r\ndrei;3\r\n"));
    const QString page =
        write(dir, QStringLiteral("bild"), QStringLiteral(R"HTML(<html><head><title>Kopf</title>
<style>p { color: red }</style><script>var unsichtbar = 'Skripttext';</script></head>
<body bgcolor="#000000" text="#FFFF00"><div style="display:none">Versteckt</div><p>Sichtbar</p>
<form><input type="button" name="Knopf" value="Drück mich" onclick="document.getElementById('Anzeige').innerText = 'gedrückt'">
<input type="hidden" name="h" value="Geheim"><input name="Feld" value="Feldwert"></form><span id="Anzeige"></span>
<object id="Daten" classid="clsid:333C7BC4-460F-11D0-BC04-0080C7055A83"><param name="DataURL" value="liste.txt"><param name="UseHeader" value="true"><param name="FieldDelim" value=";"></object>
<table id="Tab" datasrc="#Daten" datapagesize="2"><thead><tr><th>Kopfzeile</th></tr></thead>
<tbody><tr><td><span datafld="w"></span>-<span datafld="x"></span></td></tr></tbody></table></body></html>)HTML"));
    WebBrowser browser;
    browser.navigate(page);
    browser.show();
    QTRY_VERIFY(shownText(browser).contains(QStringLiteral("Sichtbar")));
    QString shown = shownText(browser);
    QVERIFY(!shown.contains(QStringLiteral("Versteckt")));
    QVERIFY(!shown.contains(QStringLiteral("Skripttext")));
    QVERIFY(!shown.contains(QStringLiteral("Kopf\n")));
    QVERIFY(!shown.contains(QStringLiteral("Geheim")));
    QVERIFY(shown.contains(QStringLiteral("Drück mich")));
    QVERIFY(shown.contains(QStringLiteral("Feldwert")));
    QVERIFY(shown.contains(QStringLiteral("Kopfzeile")));
    QVERIFY(shown.contains(QStringLiteral("eins-1")));
    QVERIFY(shown.contains(QStringLiteral("zwei-2")));
    QVERIFY(!shown.contains(QStringLiteral("drei-3"))); // the page size limits the rows

    // A click on the drawn button runs its onclick.
    auto *view = browser.findChild<QTextBrowser *>(QStringLiteral("view"));
    emit view->anchorClicked(
        QUrl(QStringLiteral("ortelia-click:%1")
                 .arg(browser.evaluateScript(QStringLiteral("document.forms[0].Knopf.__id")).toInt())));
    QTRY_VERIFY(shownText(browser).contains(QStringLiteral("gedrückt")));

    browser.evaluateScript(QStringLiteral("Tab.dataPageSize = 5; Tab.style.display = 'none'"));
    QTRY_VERIFY(!shownText(browser).contains(QStringLiteral("Kopfzeile")));
    browser.evaluateScript(QStringLiteral("Tab.style.display = ''"));
    QTRY_VERIFY(shownText(browser).contains(QStringLiteral("drei-3")));
}

// A page leads to and reads what lies in the program folder or, for a page of the user's own,
// in its own folder, links resolved; never a FIFO, never more than a bound.
void WebBrowserTest::pagesReachOnlyTheirFolders()
{
    QTemporaryDir dir;
    QTemporaryDir outside;
    const QString secret = write(outside, QStringLiteral("geheim.txt"), QStringLiteral("GEHEIM"));
    write(outside, QStringLiteral("geheim.js"), QStringLiteral("var geheim = 'gelesen';"));
    write(dir, QStringLiteral("erlaubt.js"), QStringLiteral("var erlaubt = 'ja';"));
    write(dir, QStringLiteral("bild.png"), QStringLiteral("kein Bild, aber erlaubt"));
    const QString next =
        write(dir, QStringLiteral("Unter/weiter.htm"), QStringLiteral("<html><body>WEITER</body></html>"));
    QVERIFY(QFile::link(secret, dir.filePath(QStringLiteral("verweis.txt"))));
    QVERIFY(QFile::link(outside.path(), dir.filePath(QStringLiteral("ordner"))));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("rohr.js"))).constData(), 0600), 0);
    const QString page =
        write(dir, QStringLiteral("seite.htm"),
              QStringLiteral(R"HTML(<html><body>
<script src="erlaubt.js"></script><script src="%1"></script><script src="ordner/geheim.js"></script>
<script src="rohr.js"></script><p>SEITE</p><iframe src="%2"></iframe><img src="%2"></body></html>)HTML")
                  .arg(QUrl::fromLocalFile(outside.filePath(QStringLiteral("geheim.js"))).toString(),
                       QUrl::fromLocalFile(secret).toString()));
    WebBrowser browser;
    browser.show();
    browser.navigate(page);
    QCOMPARE(script(browser, QStringLiteral("erlaubt + '|' + typeof geheim")),
             QStringLiteral("ja|undefined"));

    auto *view = browser.findChild<QTextBrowser *>(QStringLiteral("view"));
    for (const QString &link :
         {secret, dir.filePath(QStringLiteral("verweis.txt")),
          dir.filePath(QStringLiteral("ordner/geheim.txt")), QStringLiteral("/etc/passwd")}) {
        emit view->anchorClicked(QUrl::fromLocalFile(link));
        QCOMPARE(browser.location(), page);
        QTRY_VERIFY(shownText(browser).contains(QStringLiteral("SEITE")));
        QVERIFY(view->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(link)).isNull());
    }
    emit view->anchorClicked(QUrl(QStringLiteral("data:text/html,<p>DATEN</p>")));
    QCOMPARE(browser.location(), page);
    QVERIFY(!shownText(browser).contains(QStringLiteral("GEHEIM")));
    QCOMPARE(view->loadResource(QTextDocument::ImageResource,
                                QUrl::fromLocalFile(dir.filePath(QStringLiteral("bild.png"))))
                 .toByteArray(),
             QByteArray("kein Bild, aber erlaubt"));
    QVERIFY(view->loadResource(QTextDocument::ImageResource,
                               QUrl::fromLocalFile(dir.filePath(QStringLiteral("rohr.js"))))
                .isNull());

    emit view->anchorClicked(QUrl::fromLocalFile(next));
    QCOMPARE(browser.location(), next);
    QTRY_VERIFY(shownText(browser).contains(QStringLiteral("WEITER")));
    // From a page inside it, the folder above is out of reach.
    emit view->anchorClicked(QUrl::fromLocalFile(page));
    QCOMPARE(browser.location(), next);
    // A FIFO as the page itself is not waited for.
    browser.navigate(dir.filePath(QStringLiteral("rohr.js")));
    QCOMPARE(browser.bodyHtml(), QString());
}
