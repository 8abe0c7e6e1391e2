#include "HeadlessPage.h"
#include "ProgramPages.h"
#include "SpeechEngine.h"
#include "Speaker.h"
#include "SpeechPageObject.h"
#include "SpeechRequest.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "VoiceLines.h"
#include "WebBrowser.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using namespace ortelia;

// The speaker and the speech pages in the program's browser, driving the one speech engine.
class SpeechPagesTest : public QObject {
    Q_OBJECT

private:
    test::SpeechLog m_log;
    std::unique_ptr<test::TempProgramFolder> m_folder;
    std::unique_ptr<WebBrowser> m_sp;
    SpeechEngine &m_engine = test::speechEngine();
    std::unique_ptr<Speaker> m_speaker;

private slots:
    void init()
    {
        m_folder = std::make_unique<test::TempProgramFolder>();
        m_speaker = std::make_unique<Speaker>(m_engine);
        SpeechPageObject::registerType(m_speaker->engine());
        m_sp = std::make_unique<WebBrowser>();
        m_sp->navigate(m_folder->file(QStringLiteral("sp")));
        m_log.newLines();
    }

    void cleanup()
    {
        m_engine.stop();
        HeadlessPage::setPageHost({});
        m_sp.reset();
        m_speaker.reset();
        m_folder.reset();
    }

    void translationIsSpokenInTheUsersVoice()
    {
        m_folder->writeBytes(QStringLiteral("stimm2.txt"),
                             "#voice=name:lgx.de.silke#\r\n#VOL=120%dB#\r\n\r\n");
        QStringList lines = m_speaker->voiceProfile();
        lines << QStringLiteral("hello");
        QVERIFY(m_speaker->speakTranslation(lines));
        QVERIFY(lines.isEmpty());
        QCOMPARE(m_folder->readBytes(QStringLiteral("erkennung.txt")),
                 QByteArray("#voice=name:lgx.de.silke#\r\n#VOL=120%dB#\r\n\r\nhello\r\n"));
        const QStringList log = m_log.newLines();
        QCOMPARE(log.size(), 1);
        QVERIFY(log[0].startsWith(QStringLiteral("lgx.de.silke\t")));
        QVERIFY(log[0].contains(QStringLiteral("\tvol=120%\t")));
        QVERIFY(log[0].endsWith(QStringLiteral("\thello")));
        QVERIFY(m_engine.isSpeaking());

        // No profile: the translation alone, in the page's standard voice.
        QFile::remove(m_folder->file(QStringLiteral("stimm2.txt")));
        lines = m_speaker->voiceProfile();
        lines << QStringLiteral("world");
        QVERIFY(m_speaker->speakTranslation(lines));
        QCOMPARE(m_folder->readBytes(QStringLiteral("erkennung.txt")), QByteArray("world\r\n"));
        QCOMPARE(m_log.newLines(),
                 QStringList{m_engine.alias(m_engine.current()) +
                             QStringLiteral("\tspd=100%\tbpit=50Hz\tpit=10Hz\tvol=100%\tbint=0%\t"
                                            "echo=0ms,0.4,0\tworld")});
    }

    void helpIsSpokenInTheHelpVoice()
    {
        QStringList lines = {QString(VoiceLines::kHelpVoice), QStringLiteral("Lautstärke einstellen:")};
        QVERIFY(m_speaker->speakText(lines, AfterWriting::KeepList));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(m_folder->readBytes(QStringLiteral("hilfe.txt")),
                 QByteArray(VoiceLines::kHelpVoice.data()) + "\r\nLautst\xE4rke einstellen:\r\n");
        const QStringList log = m_log.newLines();
        QCOMPARE(log.size(), 1);
        QVERIFY(log[0].startsWith(QStringLiteral("lgx.de.silkrvlg\t")));
        QVERIFY(log[0].contains(QStringLiteral("\tbint=43%\techo=26ms,0.4,0\t")));
        QVERIFY(log[0].endsWith(QStringLiteral("\tLautstärke einstellen:")));
    }

    void pageHelpSpeaksTheQuotedLine()
    {
        m_folder->writeBytes(QStringLiteral("hilfe.txt"), "\"Guten Tag\"\r\n");
        QVERIFY(m_sp->click(0, QStringLiteral("Hilfex")));
        const QStringList log = m_log.newLines();
        QCOMPARE(log.size(), 1);
        QVERIFY(log[0].endsWith(QStringLiteral("\tGuten Tag")));
    }

    // The request file is the record of what is spoken: what cannot be recorded is not spoken.
    void unwrittenRequestIsNotSpoken()
    {
        QVERIFY(QFile::remove(m_folder->file(QStringLiteral("hilfe.txt"))) ||
                !QFile::exists(m_folder->file(QStringLiteral("hilfe.txt"))));
        QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("hilfe.txt/x")));
        QStringList lines = {QStringLiteral("Hallo")};
        QVERIFY(!m_speaker->speakText(lines));
        QCOMPARE(m_log.newLines(), QStringList());
    }

    void badRequestFilesSpeakNoMarkup_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("markup only") << QByteArray("#voice=name:lgx.de.silke#\r\n#spd=abc%#\r\n")
                                     << QString();
        QTest::newRow("hash as text")
            << QByteArray("Zimmer #3 und Zimmer #4 frei\r\n") << "Zimmer #3 und Zimmer #4 frei";
        QTest::newRow("volume clamped") << QByteArray("#VOL=9999%dB#Hallo\r\n") << "Hallo";
        QTest::newRow("utf-8 with bom")
            << QByteArray("\xEF\xBB\xBF#voice=name:lgx.de.johanna#\r\nGr\xC3\xBC\xC3\x9F"
                          "e\r\n")
            << QStringLiteral("Grüße");
        QTest::newRow("bom and quotes") << QByteArray("\xEF\xBB\xBF\"hello\"\r\n") << "hello";
    }

    void badRequestFilesSpeakNoMarkup()
    {
        QFETCH(QByteArray, request);
        QFETCH(QString, spoken);
        m_folder->writeBytes(QStringLiteral("erkennung.txt"), request);
        QVERIFY(m_sp->click(0, QStringLiteral("erkennung")));
        const QStringList log = m_log.newLines();
        if (spoken.isEmpty()) {
            QCOMPARE(log, QStringList());
            return;
        }
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].section(QLatin1Char('\t'), -1), spoken);
    }

    void hugeRequestIsSpokenUpToTheCap()
    {
        QByteArray request;
        while (request.size() < 1024 * 1024)
            request += "Wort ";
        m_folder->writeBytes(QStringLiteral("erkennung.txt"), request);
        QVERIFY(m_sp->click(0, QStringLiteral("erkennung")));
        const QStringList log = m_log.newLines();
        QCOMPARE(log.size(), 1);
        QVERIFY(log[0].section(QLatin1Char('\t'), -1).size() < 32768);
        QVERIFY(m_engine.isSpeaking());
        m_speaker->stop();
        QVERIFY(!m_engine.isSpeaking());
    }

    void buttonsPauseResumeStopAndRepeat()
    {
        SpeechEngine &engine = m_engine;
        QStringList lines = {QStringLiteral("eins zwei drei vier fünf sechs sieben acht")};
        QVERIFY(m_speaker->speakText(lines));
        QVERIFY(engine.isSpeaking());
        m_speaker->pause();
        QVERIFY(engine.paused());
        m_speaker->resume();
        QVERIFY(!engine.paused());
        m_speaker->stop();
        QVERIFY(!engine.isSpeaking());
        m_log.newLines();
        m_speaker->repeat();
        QVERIFY(engine.isSpeaking());
        QCOMPARE(m_log.newLines().size(), 1);

        // The help window's page controls the same speech.
        WebBrowser blank;
        blank.navigate(m_folder->file(QStringLiteral("blank.htm")));
        for (const char *button : {"stop", "pause", "Weiter", "Nochmal"})
            QVERIFY2(blank.hasMember(0, QLatin1String(button)), button);
        QVERIFY(blank.click(0, QStringLiteral("pause")));
        QVERIFY(engine.paused());
        QVERIFY(blank.click(0, QStringLiteral("Weiter")));
        QVERIFY(!engine.paused());
        QVERIFY(blank.click(0, QStringLiteral("stop")));
        QVERIFY(!engine.isSpeaking());
        QVERIFY(blank.click(0, QStringLiteral("Nochmal")));
        QVERIFY(engine.isSpeaking());
    }

    void voicePageSpeaksTheStoredProfile()
    {
        WebBrowser page;
        page.navigate(m_folder->file(QStringLiteral("sprech.htm")));
        m_folder->writeBytes(
            QStringLiteral("stimm2.txt"),
            "#voice=name:lgx.de.martin#\r\n\r\n#AFX =DL122=1:$123=50.0,$124=0.4,$125=0.0;#\r\nTest\r\n");
        page.click(0, QStringLiteral("stimm"));
        const QStringList log = m_log.newLines();
        QCOMPARE(log.size(), 1);
        QVERIFY(log[0].startsWith(QStringLiteral("lgx.de.martin\t")));
        QVERIFY(log[0].contains(QStringLiteral("\techo=50ms,0.4,0\t")));
        QVERIFY(log[0].endsWith(QStringLiteral("\tTest")));

        QFile::remove(m_folder->file(QStringLiteral("stimm2.txt")));
        page.click(0, QStringLiteral("stimm"));
        QCOMPARE(m_log.newLines(), QStringList());

        // A FIFO in its place is not waited on.
        const QByteArray fifo = QFile::encodeName(m_folder->file(QStringLiteral("stimm2.txt")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        page.click(0, QStringLiteral("stimm"));
        QCOMPARE(m_log.newLines(), QStringList());
    }

    void speechPageHasItsButtons()
    {
        for (const char *button : {"Hilfe", "Hilfex", "erkennung", "stop", "pause", "Weiter", "Nochmal"})
            QVERIFY2(m_sp->hasMember(0, QLatin1String(button)), button);
        QVERIFY(m_sp->pageObject(QStringLiteral("Sprecher")));
    }

    // A page of the user's own runs in the page host, the program's own pages as shipped in this
    // process; the host's speech object speaks on this engine and knows its paused state.
    void userPageSpeaksThroughThePageHost()
    {
        hostForeignPages(test::assembledProgramFolder() + QStringLiteral("/ortelia-pagehost"));
        m_folder->writeBytes(QStringLiteral("rede.txt"), "Guten Tag\r\n");
        m_folder->writeBytes(QStringLiteral("eigen.htm"), R"HTML(<html><body>
<object id="Sprecher" classid="clsid:0A7E11A0-0E7E-4A11-A5EE-000000000001"></object>
<form><input type="button" name="Sag" onclick="Sprecher.speakFile('rede.txt')">
<input type="button" name="Halt" onclick="Sprecher.pause()"><input type="text" name="Stand">
<input type="button" name="Frag" onclick="document.forms[0].Stand.value = Sprecher.paused"></form>
<script>Sprecher.speakFile('rede.txt')</script></body></html>)HTML");
        WebBrowser page;
        page.navigate(m_folder->file(QStringLiteral("eigen.htm")));
        QVERIFY(page.page().runsInHost());
        QCOMPARE(m_log.newLines().size(), 1);
        QVERIFY(page.pageObject(QStringLiteral("Sprecher")));
        for (const char *own : {"sp", "blank.htm", "sprech.htm", "text.htm", "T2"}) {
            WebBrowser shipped;
            shipped.navigate(m_folder->file(QLatin1String(own)));
            QVERIFY2(shipped.formCount() > 0 || QLatin1String(own) == QLatin1String("text.htm"), own);
            QVERIFY2(!shipped.page().runsInHost(), own);
        }

        QVERIFY(page.click(0, QStringLiteral("Sag")));
        const QStringList log = m_log.newLines();
        QCOMPARE(log.size(), 1);
        QVERIFY(log[0].endsWith(QStringLiteral("\tGuten Tag")));
        QVERIFY(page.click(0, QStringLiteral("Halt")));
        QVERIFY(m_engine.paused());
        QVERIFY(page.click(0, QStringLiteral("Frag")));
        QCOMPARE(page.value(0, QStringLiteral("Stand")), QStringLiteral("true"));

        // An edited copy of the program's page is the user's.
        m_folder->writeBytes(QStringLiteral("sp"), m_folder->readBytes(QStringLiteral("sp")) + "<!-- -->");
        m_sp->navigate(m_folder->file(QStringLiteral("sp")));
        QVERIFY(m_sp->page().runsInHost());
        QVERIFY(m_sp->hasMember(0, QStringLiteral("Hilfe")));
    }

    void textPageGivesItsBodyBack()
    {
        WebBrowser page;
        page.navigate(m_folder->file(QStringLiteral("text.htm")));
        page.setBodyHtml(QStringLiteral("eins\r\nzwei\r\n"));
        QVERIFY(page.bodyHtml().contains(QStringLiteral("eins")));
        QVERIFY(page.bodyHtml().contains(QStringLiteral("zwei")));
    }
};

QTEST_MAIN(SpeechPagesTest)
#include "tst_speechpages.moc"
