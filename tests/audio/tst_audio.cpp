#include "SoundEffect.h"
#include "TestSupport.h"
#include "WaveOutVolume.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QtEndian>

using namespace ortelia;
using namespace ortelia::test;

namespace {

const QStringList kSoundNames{"maxi",     "mini", "verstecken1", "Desktop", "Desktop1",
                              "Desktop2", "Leer", "SchliesseP",  "D8",      "ausdrucken"};

// What the tests need to know of a wave file.
struct Wave {
    QString error;
    int rate = 0;
    QList<qint16> samples;
};

Wave invalid(const QString &why)
{
    Wave wave;
    wave.error = why;
    return wave;
}

Wave readWave(const QByteArray &bytes)
{
    Wave wave;
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt ")
        return invalid(QStringLiteral("no RIFF/WAVE/fmt header"));
    if (u32(4) != quint32(bytes.size() - 8))
        return invalid(QStringLiteral("RIFF size %1 for %2 bytes").arg(u32(4)).arg(bytes.size()));
    if (u32(16) != 16 || u16(20) != 1 || u16(22) != 1 || u16(34) != 16)
        return invalid(QStringLiteral("not 16-bit mono PCM"));
    wave.rate = int(u32(24));
    if (wave.rate < 8000 || u32(28) != quint32(wave.rate * 2) || u16(32) != 2)
        return invalid(QStringLiteral("rate %1 inconsistent").arg(wave.rate));
    if (bytes.mid(36, 4) != "data" || u32(40) != quint32(bytes.size() - 44) || u32(40) % 2 != 0)
        return invalid(QStringLiteral("data chunk does not fill the file"));
    for (int at = 44; at < bytes.size(); at += 2)
        wave.samples << qFromLittleEndian<qint16>(bytes.constData() + at);
    return wave;
}

} // namespace

class TestAudio : public QObject {
    Q_OBJECT

private slots:
    void volumeValue()
    {
        QCOMPARE(WaveOutVolume(0, 0), 0x7FFF7FFFu);
        QCOMPARE(WaveOutVolume(32767, 0), 0x7FFF0000u); // right slider down: low word silent
        QCOMPARE(WaveOutVolume(0, 32767), 0x00007FFFu);
        QCOMPARE(WaveOutVolume(32767, 32767), 0u);
        QCOMPARE(WaveOutVolume(1, 2), quint32(32766 + 32765 * 65536));
        // Values outside the sliders' range are taken as the nearest end.
        QCOMPARE(WaveOutVolume(-5, 40000), WaveOutVolume(0, 32767));
    }

    void gainsFromVolume()
    {
        StereoGain g = GainFromWaveOutVolume(0x7FFF7FFF);
        QCOMPARE(g.left, 1.0);
        QCOMPARE(g.right, 1.0);
        g = GainFromWaveOutVolume(0x7FFF0000);
        QCOMPARE(g.left, 1.0);
        QCOMPARE(g.right, 0.0);
        g = GainFromWaveOutVolume(WaveOutVolume(0, 32767));
        QCOMPARE(g.left, 0.0);
        QCOMPARE(g.right, 1.0);
        g = GainFromWaveOutVolume(WaveOutVolume(16384, 24576));
        QVERIFY(qAbs(g.right - 0.5) < 0.001);
        QVERIFY(qAbs(g.left - 0.25) < 0.001);
        // A word above the sliders' loudest level (set by another program) is full gain, no more.
        g = GainFromWaveOutVolume(0xFFFFFFFF);
        QCOMPARE(g.left, 1.0);
        QCOMPARE(g.right, 1.0);
    }

    void soundFilesAreValidShortAndDistinct()
    {
        const QString folder = assembledProgramFolder() + QStringLiteral("/Sounds/");
        QSet<QByteArray> payloads;
        for (const QString &name : kSoundNames) {
            QFile file(folder + name + QStringLiteral(".wav"));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray bytes = file.readAll();
            const Wave wave = readWave(bytes);
            QVERIFY2(wave.error.isEmpty(), qPrintable(name + QStringLiteral(": ") + wave.error));
            const double seconds = double(wave.samples.size()) / wave.rate;
            QVERIFY2(seconds > 0.05 && seconds < 1.5, qPrintable(name + QString::number(seconds)));
            int peak = 0;
            for (qint16 s : wave.samples)
                peak = qMax(peak, qAbs(int(s)));
            // Clearly audible, never clipped, and no click at either end.
            QVERIFY2(peak > 8000 && peak < 32000, qPrintable(name + QString::number(peak)));
            QVERIFY2(qAbs(wave.samples.first()) < 300 && qAbs(wave.samples.last()) < 300, qPrintable(name));
            payloads.insert(bytes.mid(44));
        }
        QCOMPARE(payloads.size(), kSoundNames.size());
    }

    void playingFindsTheFileWithoutRegardToCase()
    {
        TempProgramFolder folder;
        QVERIFY(PlaySoundEffect(QStringLiteral("maxi")));
        QVERIFY(PlaySoundEffect(QStringLiteral("SCHLIESSEP")));
        QVERIFY(QDir(folder.path()).rename(QStringLiteral("Sounds"), QStringLiteral("sounds")));
        QVERIFY(PlaySoundEffect(QStringLiteral("Desktop1")));
        // Effects replace each other quickly without trouble, with or without a sound device.
        for (const QString &name : kSoundNames)
            QVERIFY(PlaySoundEffect(name));
        QTest::qWait(300);
    }

    void missingSoundIsSilent()
    {
        TempProgramFolder folder;
        RecordingResponder boxes;
        QVERIFY(!PlaySoundEffect(QStringLiteral("gibt-es-nicht")));
        QVERIFY(!PlaySoundEffect(QString()));
        // A name is never a pattern or a path.
        QVERIFY(!PlaySoundEffect(QStringLiteral("*")));
        QVERIFY(!PlaySoundEffect(QStringLiteral("ma?i")));
        QVERIFY(!PlaySoundEffect(QStringLiteral("../Sounds/maxi")));
        QVERIFY(QDir(folder.file(QStringLiteral("Sounds"))).removeRecursively());
        QVERIFY(!PlaySoundEffect(QStringLiteral("maxi")));
        QTest::qWait(100);
        QVERIFY(boxes.requests.isEmpty());
    }
};

QTEST_MAIN(TestAudio)
#include "tst_audio.moc"
