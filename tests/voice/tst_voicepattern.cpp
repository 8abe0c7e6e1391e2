// The voice pattern without a window: its markers, the profile's line order, the stored file.

#include "TextFile.h"
#include "VoicePattern.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ortelia;

class VoicePatternTest : public QObject {
    Q_OBJECT

private slots:
    void profileKeepsItsOwnLineOrder()
    {
        VoicePattern pattern;
        pattern.setVoiceLine(QStringLiteral("#voice=name:lgx.de.silke#"));
        pattern.setMarker(VoiceSlider::BasePitch, 120);
        pattern.setMarker(VoiceSlider::Speed, 150);
        pattern.setMarker(VoiceSlider::Intonation, 40);
        pattern.setMarker(VoiceSlider::Roughness, 30);
        pattern.setMarker(VoiceSlider::Volume, 200);
        pattern.setMarker(VoiceSlider::Echo, 7);
        QCOMPARE(pattern.profileLines(),
                 QStringList({"#voice=name:lgx.de.silke#", "#VOL=200%dB#",
                              "#AFX =DL122=1:$123=7.0,$124=0.4,$125=0.0;#", "#bpit=120Hz#", "#spd=150%#",
                              "#pit=40Hz#", "#BINT=30%#"}));
        QCOMPARE(pattern.testLines(QStringLiteral("#voice=name:lgx.de.bill#"), QStringLiteral("Test")),
                 QStringList({"#voice=name:lgx.de.bill#", "#VOL=200%dB#",
                              "#AFX =DL122=1:$123=7.0,$124=0.4,$125=0.0;#", "#bpit=120Hz#", "#spd=150%#",
                              "#pit=40Hz#", "#BINT=30%#", "Test"}));
    }

    void unsetMarkersAreEmptyLinesAndValuesStayInRange()
    {
        VoicePattern pattern;
        pattern.setMarker(VoiceSlider::Speed, 9999);
        pattern.setMarker(VoiceSlider::Volume, -5);
        QCOMPARE(pattern.profileLines(), QStringList({"", "#VOL=0%dB#", "", "", "#spd=250%#", "", ""}));
        pattern.clearMarker(VoiceSlider::Speed);
        QCOMPARE(pattern.marker(VoiceSlider::Speed), QString());
        pattern.clearMarkers();
        QCOMPARE(pattern.profileLines(), QStringList(7, QString()));
    }

    void storedProfileIsWholeOrUntouched()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stimm2.txt"));
        QVERIFY(VoicePattern::store(
            path, {QStringLiteral("#voice=name:lgx.de.bill#"), QString(), QStringLiteral("#spd=80%#")}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("#voice=name:lgx.de.bill#\r\n\r\n#spd=80%#\r\n"));
        file.close();
        // A folder in the way: nothing is written, and nothing half.
        QVERIFY(
            !VoicePattern::store(dir.filePath(QStringLiteral("missing/stimm2.txt")), {QStringLiteral("x")}));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing/stimm2.txt"))));
    }
};

QTEST_MAIN(VoicePatternTest)
#include "tst_voicepattern.moc"
