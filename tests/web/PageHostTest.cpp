#include "PageHostTest.h"

#include "DataSource.h"
#include "DocumentSnapshot.h"
#include "HeadlessPage.h"
#include "HostWire.h"
#include "HtmlDocument.h"
#include "ScriptWatchdog.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>

#include <unistd.h>

using ortelia::HeadlessPage;
using ortelia::web::ScriptWatchdog;

namespace {

QString write(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(ortelia::TextFile::encode(text));
    return path;
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

// The page script warnings given while it lives.
class Warnings {
public:
    Warnings()
    {
        s_seen = &m_seen;
        m_previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtWarningMsg)
                *s_seen << text;
        });
    }
    ~Warnings()
    {
        qInstallMessageHandler(m_previous);
        s_seen = nullptr;
    }
    bool stopSeen() const
    {
        return std::any_of(m_seen.begin(), m_seen.end(), [](const QString &text) {
            return text == QString::fromUtf8(ScriptWatchdog::warning(ScriptWatchdog::Stop::Time)) ||
                   text == QString::fromUtf8(ScriptWatchdog::warning(ScriptWatchdog::Stop::Memory));
        });
    }
    QStringList seen() const { return m_seen; }

private:
    static inline QStringList *s_seen = nullptr;
    QStringList m_seen;
    QtMessageHandler m_previous = nullptr;
};

const char kFormPage[] = R"HTML(<html><head><title>Eigene Seite</title></head><body>
<form><input type="text" name="Feld" value="anfang"><input type="checkbox" name="Haken">
<input type="button" name="Knopf" onclick="document.forms[0].Feld.value = document.forms[0].Feld.value + '!'; document.forms[0].Haken.checked = true">
</form><div id="uhr">still</div></body></html>)HTML";

} // namespace

void PageHostTest::init()
{
    HeadlessPage::setPageHost({ortelia::test::assembledProgramFolder() + QStringLiteral("/ortelia-pagehost"), {}});
}

void PageHostTest::cleanup()
{
    HeadlessPage::setPageHost({});
}

// A document comes back whole, with its ids and values; cut short or with lengths beyond its bytes
// it is refused, and so is a frame beyond the bound.
void PageHostTest::hostFramesAreReadAsUntrusted()
{
    using namespace ortelia::web;
    const auto document = Document::parse(QString::fromUtf8(kFormPage));
    Node *field = document->formMember(document->forms().first(), QStringLiteral("Feld"));
    field->value = QStringLiteral("getippt");
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        HostWire::prepare(out);
        DocumentSnapshot::write(out, *document);
    }
    const auto read = [](const QByteArray &bytes) {
        QDataStream in(bytes);
        HostWire::prepare(in);
        return DocumentSnapshot::read(in);
    };
    const auto copy = read(payload);
    QVERIFY(copy);
    QCOMPARE(copy->outerHtml(copy->root()), document->outerHtml(document->root()));
    QCOMPARE(copy->node(field->id)->value, QStringLiteral("getippt"));
    for (qsizetype cut = 0; cut < payload.size(); cut += 7)
        QVERIFY2(!read(payload.left(cut)), qPrintable(QString::number(cut)));
    QByteArray bloated = payload;
    bloated.replace(5, 4, QByteArray("\x7f\xff\xff\xff", 4)); // the root's tag length
    QVERIFY(!read(bloated));

    HostWire::FrameReader frames;
    frames.append(HostWire::frame(HostWire::Kind::State, QByteArray("abc")));
    QCOMPARE(frames.next(), std::optional<QByteArray>(QByteArray("\x21" "abc", 4)));
    QByteArray tooLong(4, '\0');
    qToBigEndian(quint32(HostWire::kMaxFrameBytes + 1), tooLong.data());
    frames.append(tooLong);
    QVERIFY(!frames.next());
    QVERIFY(frames.failed());
}

// Engine routines that ignore their stop, and memory a timer keeps from run to run, end the host:
// the window's memory stays where it was, the warning comes, and the next page answers.
void PageHostTest::hostileScriptsEndTheHostAndNotTheWindow()
{
    QTemporaryDir dir;
    const QString form = write(dir, QStringLiteral("form.htm"), QString::fromUtf8(kFormPage));
    const QString hostile[] = {
        QStringLiteral("var a = new Array(4000000).fill(1); var r = []; for (var i = 0; i < 16; i++) r.push(a);"
                       "document.title = JSON.stringify(r).length;"),
        QStringLiteral("var s = 'x'.repeat(1 << 24); document.title = s.concat.apply(s, new Array(400).fill(s)).length;"),
        QStringLiteral("var keep = []; setInterval(function () { keep.push('x'.repeat(1 << 22) + keep.length); }, 1);"),
    };
    HeadlessPage page;
    const qint64 before = residentBytes();
    for (const QString &script : hostile) {
        Warnings warnings;
        page.navigate(write(dir, QStringLiteral("feind.htm"),
                            QStringLiteral("<html><body><form><input name=\"x\"></form><script>") + script +
                                QStringLiteral("</script></body></html>")));
        QTRY_VERIFY_WITH_TIMEOUT(warnings.stopSeen(), 30000);
        QTRY_COMPARE(page.formCount(), 0);
        QVERIFY2(residentBytes() - before < qint64(128) * 1024 * 1024, qPrintable(warnings.seen().join('\n')));

        page.navigate(form);
        QVERIFY(page.runsInHost());
        QCOMPARE(page.value(0, QStringLiteral("Feld")), QStringLiteral("anfang"));
        page.setValue(0, QStringLiteral("Feld"), QStringLiteral("neu"));
        QVERIFY(page.click(0, QStringLiteral("Knopf")));
        QCOMPARE(page.value(0, QStringLiteral("Feld")), QStringLiteral("neu!"));
    }
}

// Fields, handlers, timers and the page's own values, as a page in this process has them.
void PageHostTest::userPagesWorkThroughTheHost()
{
    QTemporaryDir dir;
    HeadlessPage page;
    QSignalSpy loaded(&page, &HeadlessPage::loaded);
    page.navigate(write(dir, QStringLiteral("form.htm"), QString::fromUtf8(kFormPage)));
    QVERIFY(page.runsInHost());
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(page.title(), QStringLiteral("Eigene Seite"));
    QCOMPARE(page.formCount(), 1);
    QVERIFY(page.hasMember(0, QStringLiteral("Knopf")));
    QVERIFY(!page.hasMember(0, QStringLiteral("Fehlt")));

    page.setValue(0, QStringLiteral("Feld"), QStringLiteral("getippt"));
    QCOMPARE(page.evaluateScript(QStringLiteral("document.forms[0].Feld.value")).toString(),
             QStringLiteral("getippt"));
    QVERIFY(page.click(0, QStringLiteral("Knopf")));
    QCOMPARE(page.value(0, QStringLiteral("Feld")), QStringLiteral("getippt!"));
    const auto *box = page.document().formMember(page.document().forms().first(), QStringLiteral("Haken"));
    QVERIFY(box && box->checked);

    page.setBodyHtml(QStringLiteral("<form><input name=\"Neu\" value=\"da\"></form><div id=\"uhr\">still</div>"));
    QCOMPARE(page.value(0, QStringLiteral("Neu")), QStringLiteral("da"));
    QCOMPARE(page.evaluateScript(QStringLiteral("document.forms[0].Neu.value")).toString(), QStringLiteral("da"));

    // A timer's change reaches the window without a request.
    QSignalSpy changed(&page, &HeadlessPage::changed);
    page.evaluateScript(
        QStringLiteral("setTimeout(function () { document.getElementById('uhr').innerText = 'getickt'; }, 50)"));
    QTRY_VERIFY(page.bodyHtml().contains(QStringLiteral("getickt")));
    QVERIFY(changed.count() > 0);
}

// A data object of a user's page is made in the host; bound fields and tables show its records.
void PageHostTest::dataBoundUserPageWorksThroughTheHost()
{
    QTemporaryDir dir;
    write(dir, QStringLiteral("woerter.txt"), QStringLiteral("Deutsch;Englisch\nHaus;house\nBaum;tree\n"));
    HeadlessPage page;
    page.navigate(write(dir, QStringLiteral("daten.htm"), QStringLiteral(R"HTML(<html><body>
<object id="Liste" classid="clsid:333C7BC4-460F-11D0-BC04-0080C7055A83">
<param name="DataURL" value="woerter.txt"><param name="UseHeader" value="true"><param name="FieldDelim" value=";">
</object>
<form><input type="text" name="Wort" datasrc="#Liste" datafld="Englisch">
<input type="button" name="Baum" onclick="Liste.Filter = 'Deutsch = Baum'; Liste.Reset()"></form>
<table datasrc="#Liste"><tr><td><span datafld="Deutsch"></span></td></tr></table>
</body></html>)HTML")));
    QVERIFY(page.runsInHost());
    QCOMPARE(page.value(0, QStringLiteral("Wort")), QStringLiteral("house"));
    const ortelia::web::DataSource *rows = page.dataObject(QStringLiteral("Liste"));
    QVERIFY(rows);
    QCOMPARE(rows->recordCount(), 2);
    QCOMPARE(rows->fieldAt(1, QStringLiteral("Deutsch")), QStringLiteral("Baum"));
    QVERIFY(page.click(0, QStringLiteral("Baum")));
    QCOMPARE(page.value(0, QStringLiteral("Wort")), QStringLiteral("tree"));
    QCOMPARE(page.dataObject(QStringLiteral("Liste"))->recordCount(), 1);
    QVERIFY(!page.takeRefusedData());
}
