#include "SpeechTests.h"

#include "Synthesizer.h"
#include "VoiceMarkup.h"
#include "VoiceTable.h"

#include <QElapsedTimer>
#include <QTest>

using namespace ortelia;
using namespace speechtest;

namespace {

// The utterances of a request spoken from the default settings.
QList<Utterance> interpret(const QString &request)
{
    return VoiceMarkup::interpret(request, VoiceSettings());
}

QStringList spokenTexts(const QString &request)
{
    QStringList texts;
    for (const Utterance &u : interpret(request))
        texts << u.text();
    return texts;
}

VoiceSettings settingsAfter(const QString &tags)
{
    const QList<Utterance> utterances = interpret(tags + QStringLiteral("x"));
    return utterances.isEmpty() ? VoiceSettings() : utterances.first().settings;
}

} // namespace

void VoiceMarkupTest::initTestCase()
{
    QVERIFY(useSpeechDataWithoutGreek());
}

void VoiceMarkupTest::init()
{
    resetEngine();
}

void VoiceMarkupTest::voicesByAlias()
{
    for (const char *alias : {"lgx.de.bill", "lgx.de.martin", "lgx.de.silke", "lgx.de.johanna",
                              "lgx.de.silkrvlg", "lgx.en.bill"}) {
        QVERIFY2(VoiceTable::find(QLatin1String(alias)) >= 0, alias);
    }
    for (const char *language : {"en", "fr", "it", "es", "el", "ar"}) {
        bool found = false;
        for (int i = 0; i < engine().count(); ++i)
            found =
                found || engine().alias(i).startsWith(QStringLiteral("lgx.%1.").arg(QLatin1String(language)));
        QVERIFY2(found, language);
    }
    QCOMPARE(VoiceTable::find(QStringLiteral("LGX.DE.Silke")),
             VoiceTable::find(QStringLiteral("lgx.de.silke")));
    QCOMPARE(engine().alias(engine().count()), QString());

    const int silke = VoiceTable::find(QStringLiteral("lgx.de.silke"));
    engine().select(silke);
    QCOMPARE(engine().current(), silke);
    engine().select(-1);
    engine().select(engine().count());
    QCOMPARE(engine().current(), silke);
}

void VoiceMarkupTest::tagsSetTheSettings()
{
    const VoiceSettings s = settingsAfter(
        QStringLiteral("#voice=name:lgx.de.silke# #spd=150%# #bpit=80Hz# #pit=40Hz# #VOL=120%dB# #BINT=43%# "
                       "#AFX =DL122=1:$123=200.0,$124=0.4,$125=0.0;#"));
    QCOMPARE(s.voice, VoiceTable::find(QStringLiteral("lgx.de.silke")));
    QCOMPARE(s.speedPercent, 150);
    QCOMPARE(s.basePitchHz, 80);
    QCOMPARE(s.intonationHz, 40);
    QCOMPARE(s.volumePercent, 120);
    QCOMPARE(s.roughnessPercent, 43);
    QCOMPARE(s.echoDelayMs, 200);
    QCOMPARE(s.echoGain, 0.4);
    QCOMPARE(s.echoFeedback, 0.0);

    // The help voice line: three tags on one line.
    const VoiceSettings help = settingsAfter(QStringLiteral(
        "#voice=name:lgx.de.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#"));
    QCOMPARE(VoiceTable::alias(help.voice), QStringLiteral("lgx.de.silkrvlg"));
    QCOMPARE(help.echoDelayMs, 26);
    QCOMPARE(help.roughnessPercent, 43);
    // An echo switched off by its first parameter.
    QCOMPARE(settingsAfter(QStringLiteral("#AFX =DL122=0:$123=200.0,$124=0.4,$125=0.0;#")).echoDelayMs, 0);
}

void VoiceMarkupTest::valuesAreClamped_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("expected");
    QTest::newRow("spd low") << "#spd=5%#" << 20;
    QTest::newRow("spd high") << "#spd=900%#" << 250;
    QTest::newRow("spd negative") << "#spd=-40%#" << 20;
    QTest::newRow("bpit low") << "#bpit=1Hz#" << 15;
    QTest::newRow("bpit high") << "#bpit=4000Hz#" << 400;
    QTest::newRow("pit low") << "#pit=0Hz#" << 10;
    QTest::newRow("pit high") << "#pit=301Hz#" << 300;
    QTest::newRow("VOL high") << "#VOL=9999%dB#" << 500;
    QTest::newRow("VOL huge") << "#VOL=99999999999999999999%dB#" << 500;
    QTest::newRow("BINT high") << "#BINT=251%#" << 250;
    QTest::newRow("echo high") << "#AFX =DL122=1:$123=9000.0,$124=0.4,$125=0.0;#" << 500;
}

void VoiceMarkupTest::valuesAreClamped()
{
    QFETCH(QString, tag);
    QFETCH(int, expected);
    const VoiceSettings s = settingsAfter(tag);
    const QList<int> values = {s.speedPercent,  s.basePitchHz,      s.intonationHz,
                               s.volumePercent, s.roughnessPercent, s.echoDelayMs};
    QVERIFY2(values.contains(expected), qPrintable(s.describe()));
    QCOMPARE(interpret(tag + QStringLiteral("Hallo")).first().text(), QStringLiteral("Hallo"));
}

void VoiceMarkupTest::badTagsAreSilentAndChangeNothing_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QStringList>("spoken");
    QTest::newRow("spd abc") << "#spd=abc%#Hallo" << QStringList{"Hallo"};
    QTest::newRow("volume without dB") << "#VOL=50%#Hallo" << QStringList{"Hallo"};
    QTest::newRow("volume without %") << "#VOL=50dB#Hallo" << QStringList{"Hallo"};
    QTest::newRow("upper case key") << "#SPD=abc%#Hallo" << QStringList{"Hallo"};
    QTest::newRow("echo malformed") << "#AFX =DL122=1:$123=abc,$124=0.4;#Hallo" << QStringList{"Hallo"};
    QTest::newRow("unknown voice") << "#voice=name:lgx.xx.nobody#Hallo" << QStringList{"Hallo"};
    QTest::newRow("markup only") << "#voice=name:lgx.de.silke#\r\n#spd=100%#\r\n\r\n" << QStringList{};
    QTest::newRow("standard speaker") << "#Standar Sprecher#\nHallo" << QStringList{"Hallo"};
    QTest::newRow("empty") << "" << QStringList{};
}

void VoiceMarkupTest::badTagsAreSilentAndChangeNothing()
{
    QFETCH(QString, request);
    QFETCH(QStringList, spoken);
    QCOMPARE(spokenTexts(request), spoken);
    for (const Utterance &u : interpret(request))
        QCOMPARE(u.settings, VoiceSettings());
}

void VoiceMarkupTest::aHashOutsideATagIsText_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("numbers") << "Zimmer #3 und Zimmer #4 frei"
                             << "Zimmer #3 und Zimmer #4 frei";
    QTest::newRow("after a letter") << "C# ist toll"
                                    << "C# ist toll";
    QTest::newRow("unknown key") << "Hal#foo=1#lo"
                                 << "Hal#foo=1#lo";
    QTest::newRow("no equals") << "#hallo# Welt"
                               << "#hallo# Welt";
    QTest::newRow("unterminated") << "Hallo #spd=200%"
                                  << "Hallo #spd=200%";
    QTest::newRow("lone") << "#"
                          << "#";
    QTest::newRow("beside a tag") << "Nummer #5 #spd=150%#sofort"
                                  << "Nummer #5|sofort";
}

void VoiceMarkupTest::aHashOutsideATagIsText()
{
    QFETCH(QString, request);
    QFETCH(QString, spoken);
    QCOMPARE(spokenTexts(request).join(QLatin1Char('|')), spoken);
}

void VoiceMarkupTest::requestsAreSplitIntoUtterances()
{
    // Quotes around a whole line are not spoken; a byte-order mark is not either.
    QCOMPARE(spokenTexts(QStringLiteral("\"Hallo Welt\"")), QStringList{"Hallo Welt"});
    QCOMPARE(spokenTexts(QStringLiteral("  \"Hallo\"  ")), QStringList{"Hallo"});
    QCOMPARE(spokenTexts(QStringLiteral("\"")), QStringList{"\""});
    QCOMPARE(spokenTexts(QString(QChar(0xFEFF)) + QStringLiteral("#spd=120%#\r\nHallo")),
             QStringList{"Hallo"});

    // Lines with the same settings form one utterance; a change of settings starts the next.
    const QList<Utterance> u =
        interpret(QStringLiteral("#voice=name:lgx.de.silke#\r\neins\r\nzwei #spd=100%# "
                                 "drei\r\n#spd=150%#vier\r\n#voice=name:lgx.en.bill#five"));
    QCOMPARE(u.size(), 3);
    QCOMPARE(u[0].text(), QStringLiteral("eins zwei drei"));
    QCOMPARE(u[1].text(), QStringLiteral("vier"));
    QCOMPARE(u[1].settings.speedPercent, 150);
    QCOMPARE(u[2].text(), QStringLiteral("five"));
    QCOMPARE(VoiceTable::alias(u[2].settings.voice), QStringLiteral("lgx.en.bill"));
    QCOMPARE(u[2].settings.speedPercent, 150);

    // Every spoken character knows its place in the request.
    const QString request = QStringLiteral("#spd=120%#\r\n\"Grüße #VOL=90%dB#aus Köln\"");
    const QList<Utterance> parts = interpret(request);
    QCOMPARE(parts.size(), 2);
    const SpokenLine &line = parts[1].lines.first();
    QCOMPARE(line.text, QStringLiteral("aus Köln"));
    QCOMPARE(line.sourcePositions.first(), request.indexOf(QStringLiteral("aus")));
    QCOMPARE(line.sourcePositions.last(), request.indexOf(QStringLiteral("Köln")) + 3);
}

void VoiceMarkupTest::hugeRequestIsCapped()
{
    QString request = QStringLiteral("#spd=150%#");
    while (request.size() < 1024 * 1024)
        request += QStringLiteral("Wort ");
    QElapsedTimer clock;
    clock.start();
    const QList<Utterance> utterances = interpret(request);
    QCOMPARE(utterances.size(), 1);
    QVERIFY(utterances.first().text().size() <= VoiceMarkup::kMaxRequestLength);
    QVERIFY(utterances.first().text().size() > VoiceMarkup::kMaxRequestLength - 20);
}

void VoiceMarkupTest::pitchMapping()
{
    QCOMPARE(Synthesizer::pitchFor(50), 50);
    QCOMPARE(Synthesizer::pitchFor(15), 0);
    QCOMPARE(Synthesizer::pitchFor(400), 100);
    QVERIFY(Synthesizer::pitchFor(30) < 50 && Synthesizer::pitchFor(100) > 50);
    QCOMPARE(Synthesizer::rangeFor(10), 50);
    QCOMPARE(Synthesizer::rangeFor(300), 100);
    QVERIFY(Synthesizer::rangeFor(60) > 50 && Synthesizer::rangeFor(60) < 100);
}
