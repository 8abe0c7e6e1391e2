#include "Speaker.h"
#include "SpeechEngine.h"
#include "SpeechRequest.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "VoiceChoice.h"
#include "VoiceLines.h"
#include "VoiceMarkup.h"
#include "VoiceTags.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace ortelia;

namespace {

// The settings that a line of markup leaves behind.
VoiceSettings settingsAfter(const QString &markup)
{
    const QList<Utterance> utterances =
        VoiceMarkup::interpret(markup + QStringLiteral("\nx"), VoiceSettings());
    return utterances.isEmpty() ? VoiceSettings() : utterances.first().settings;
}

struct Wav {
    QByteArray header;
    qint64 samples = -1;
};

Wav readWav(const QString &path)
{
    QFile file(path);
    Wav wav;
    if (!file.open(QIODevice::ReadOnly))
        return wav;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44)
        return wav;
    wav.header = bytes.left(44);
    wav.samples = (bytes.size() - 44) / 2;
    return wav;
}

} // namespace

class SpeechTest : public QObject {
    Q_OBJECT

private:
    // Runs "ortelia say" and returns its exit code.
    int say(const QStringList &args)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(ORTELIA_EXECUTABLE), QStringList{QStringLiteral("say")} + args);
        if (!process.waitForFinished(60000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QTemporaryDir m_dir;

private slots:
    void requestFilesHoldExactlyTheLines()
    {
        test::TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("erkennung.txt"));
        // A longer request before: the new one replaces it completely.
        folder.writeBytes(QStringLiteral("erkennung.txt"), QByteArray(500, 'x'));

        QStringList lines = {QStringLiteral("#voice=name:lgx.de.silke#"), QString(), QStringLiteral("Grüße")};
        QVERIFY(writeRequest(path, lines, AfterWriting::EmptyList));
        QVERIFY(lines.isEmpty());
        QCOMPARE(folder.readBytes(QStringLiteral("erkennung.txt")),
                 QByteArray("#voice=name:lgx.de.silke#\r\n\r\nGr\xFC\xDF"
                            "e\r\n"));

        lines = QStringList{QStringLiteral("\"hello\"")};
        QVERIFY(writeRequest(path, lines, AfterWriting::KeepList));
        QCOMPARE(lines, QStringList{QStringLiteral("\"hello\"")});
        QCOMPARE(folder.readBytes(QStringLiteral("erkennung.txt")), QByteArray("\"hello\"\r\n"));

        // A Greek word does not fit Windows-1252: the file is UTF-8 with a byte-order mark.
        lines = QStringList{QStringLiteral("καλημέρα")};
        QVERIFY(writeRequest(path, lines, AfterWriting::EmptyList));
        QCOMPARE(folder.readBytes(QStringLiteral("erkennung.txt")),
                 QByteArray("\xEF\xBB\xBF") + QStringLiteral("καλημέρα\r\n").toUtf8());

        lines.clear();
        QVERIFY(writeRequest(path, lines, AfterWriting::EmptyList));
        QCOMPARE(folder.readBytes(QStringLiteral("erkennung.txt")), QByteArray());
    }

    void aRequestThatCannotBeWrittenReportsIt()
    {
        test::TempProgramFolder folder;
        // A folder where the request file should be: it cannot be opened for output.
        QDir(folder.path()).mkdir(QStringLiteral("hilfe.txt"));
        QStringList lines = {QStringLiteral("Hallo")};
        QVERIFY(!writeRequest(folder.file(QStringLiteral("hilfe.txt")), lines, AfterWriting::EmptyList));
        QVERIFY(lines.isEmpty());
    }

    void voiceProfileIsReadLineByLine()
    {
        test::TempProgramFolder folder;
        Speaker speaker(test::speechEngine());
        QSignalSpy messages(&speaker, &Speaker::message);
        QFile::remove(folder.file(QStringLiteral("stimm2.txt")));
        QCOMPARE(speaker.voiceProfile(), QStringList());

        // A test sentence stored behind the seven lines of the voice is not spoken with it.
        folder.writeBytes(
            QStringLiteral("stimm2.txt"),
            "#voice=name:lgx.de.silke#\r\n#VOL=120%dB#\r\n\r\n#bpit=60Hz#\r\n\r\n\r\n\r\nTest\r\n");
        QCOMPARE(speaker.voiceProfile(),
                 (QStringList{"#voice=name:lgx.de.silke#", "#VOL=120%dB#", "", "#bpit=60Hz#", "", "", ""}));

        // Written by another program in UTF-8 with a byte-order mark.
        folder.writeBytes(QStringLiteral("Stimm2.TXT"),
                          "\xEF\xBB\xBF#voice=name:lgx.de.johanna#\r\nGr\xC3\xBC\xC3\x9F"
                          "e\r\n");
        QCOMPARE(speaker.voiceProfile(),
                 (QStringList{"#voice=name:lgx.de.johanna#", QStringLiteral("Grüße")}));

        // Not a file: a folder of that name gives the first-run voice.
        QFile::remove(folder.file(QStringLiteral("stimm2.txt")));
        QDir(folder.path()).mkdir(QStringLiteral("stimm2.txt"));
        QVERIFY(messages.isEmpty());
        QCOMPARE(speaker.voiceProfile(), QStringList{QString(VoiceLines::kFirstRunProfile)});
        QCOMPARE(messages.size(), 1);
    }

    void standardVoiceLines()
    {
        QCOMPARE(QString(VoiceLines::kBill), QStringLiteral("#voice=name:lgx.de.bill#"));
        QCOMPARE(QString(VoiceLines::kSilke), QStringLiteral("#voice=name:lgx.de.silke#"));
        QCOMPARE(QString(VoiceLines::kJohanna), QStringLiteral("#voice=name:lgx.de.johanna#"));
        QCOMPARE(QString(VoiceLines::kMartin), QStringLiteral("#voice=name:lgx.de.martin#"));
        QCOMPARE(QString(VoiceLines::kFirstRunProfile), QStringLiteral("#voice=name:lgx.en.bill#"));
        QCOMPARE(QString(VoiceLines::kHelpVoice),
                 QStringLiteral(
                     "#voice=name:lgx.de.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#"));
        // Each names a voice the engine has.
        const QRegularExpression voiceTag(QStringLiteral("^#voice=name:([^#]+)#"));
        for (const QLatin1String line :
             {VoiceLines::kBill, VoiceLines::kSilke, VoiceLines::kJohanna, VoiceLines::kMartin,
              VoiceLines::kFirstRunProfile, VoiceLines::kHelpVoice}) {
            const QString alias = voiceTag.match(line).captured(1);
            QVERIFY2(VoiceTable::find(alias) >= 0, line.data());
            QCOMPARE(VoiceTable::alias(settingsAfter(line).voice), alias);
        }
    }

    // The voice of a translation: the profile's speaker in the answer's language, its tags kept.
    void voiceByLanguage_data()
    {
        QTest::addColumn<QString>("foreign");
        QTest::addColumn<TextDirection>("direction");
        QTest::addColumn<QStringList>("profile");
        QTest::addColumn<QStringList>("spoken");
        const QStringList bill{"#voice=name:lgx.en.bill#"};
        const QStringList silke{"#voice=name:lgx.de.silke#", "#VOL=120%dB#", "", "#bpit=60Hz#", "", "", ""};
        const auto row = [](const char *name, const char *foreign, TextDirection direction,
                            const QStringList &profile, const QStringList &spoken) {
            QTest::newRow(name) << QString::fromUtf8(foreign) << direction << profile << spoken;
        };
        row("DeEn", "Englisch", TextDirection::German, bill, {"#voice=name:lgx.en.bill#", "wort"});
        row("EnDe", "Englisch", TextDirection::Foreign, bill, {"#voice=name:lgx.de.bill#", "wort"});
        row("DeFr", "Frazösisch", TextDirection::German, bill, {"#voice=name:lgx.fr.pierre#", "wort"});
        row("FrDe", "Frazösisch", TextDirection::Foreign, bill, {"#voice=name:lgx.de.bill#", "wort"});
        row("DeIt", "Italienisch", TextDirection::German, bill, {"#voice=name:lgx.it.marco#", "wort"});
        row("DeSp", "Spanisch", TextDirection::German, bill, {"#voice=name:lgx.es.carlos#", "wort"});
        row("DeGr", "Griechisch", TextDirection::German, bill, {"#voice=name:lgx.el.nikos#", "wort"});
        row("DeAr", "Arabisch", TextDirection::German, bill, {"#voice=name:lgx.ar.karim#", "wort"});
        row("Silke English", "Englisch", TextDirection::German, silke,
            QStringList{"#voice=name:lgx.en.kate#"} + silke.mid(1) + QStringList{"wort"});
        row("Silke German", "Englisch", TextDirection::Foreign, silke, silke + QStringList{"wort"});
        row("Johanna French", "Frazösisch", TextDirection::German,
            {"#voice=name:lgx.de.johanna#", "#spd=80%#"},
            {"#voice=name:lgx.fr.johanna#", "#spd=80%#", "wort"});
        // Without a profile the engine's voice (Bill) speaks, in the answer's language.
        row("no profile", "Griechisch", TextDirection::German, {}, {"#voice=name:lgx.el.nikos#wort"});
        row("unknown language", "Klingonisch", TextDirection::German, silke, silke + QStringList{"wort"});
    }
    void voiceByLanguage()
    {
        QFETCH(QString, foreign);
        QFETCH(TextDirection, direction);
        QFETCH(QStringList, profile);
        QFETCH(QStringList, spoken);
        const QString language = VoiceChoice::answerLanguage(QStringLiteral("Deutsch"), foreign, direction);
        QCOMPARE(
            VoiceChoice::inLanguage(profile << QStringLiteral("wort"), language, VoiceTable::kDefaultVoice),
            spoken);
    }

    // A list's standard speaker is the profile in the list's language; a voice picked for it stays.
    void listVoices()
    {
        test::TempProgramFolder folder;
        folder.writeBytes(QStringLiteral("stimm2.txt"), "#voice=name:lgx.de.martin#\r\n\r\n#spd=90%#\r\n");
        Speaker speaker(test::speechEngine());
        QCOMPARE(speaker.listInLanguage({"#Standar Sprecher#", "house"}, QStringLiteral("Englisch")),
                 (QStringList{"#voice=name:lgx.en.martin# #spd=90%#", "house"}));
        QCOMPARE(speaker.listInLanguage({"\"#Standard Sprecher#maison\""}, QStringLiteral("fr")),
                 QStringList{"\"#voice=name:lgx.fr.martin# #spd=90%#maison\""});
        QCOMPARE(speaker.listInLanguage({"\"Haus\""}, QStringLiteral("Deutsch")),
                 QStringList{"\"#voice=name:lgx.de.martin# #spd=90%#Haus\""});
        const QStringList picked{"#voice=name:lgx.de.silke#", "house"};
        QCOMPARE(speaker.listInLanguage(picked, QStringLiteral("Englisch")), picked);
    }

    void sliderTags_data()
    {
        QTest::addColumn<VoiceSlider>("slider");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("valueText");
        QTest::newRow("base pitch") << VoiceSlider::BasePitch << 50 << "#bpit=50Hz#"
                                    << "50Hz";
        QTest::newRow("speed") << VoiceSlider::Speed << 100 << "#spd=100%#"
                               << "100%";
        QTest::newRow("intonation") << VoiceSlider::Intonation << 10 << "#pit=10Hz#"
                                    << "10Hz";
        QTest::newRow("roughness") << VoiceSlider::Roughness << 0 << "#BINT=0%#"
                                   << "0%";
        QTest::newRow("volume") << VoiceSlider::Volume << 120 << "#VOL=120%dB#"
                                << "120%";
        QTest::newRow("echo") << VoiceSlider::Echo << 26 << "#AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;#"
                              << "26";
        QTest::newRow("echo 500") << VoiceSlider::Echo << 500
                                  << "#AFX =DL122=1:$123=500.0,$124=0.4,$125=0.0;#"
                                  << "500";
    }

    void sliderTags()
    {
        QFETCH(VoiceSlider, slider);
        QFETCH(int, value);
        QFETCH(QString, tag);
        QFETCH(QString, valueText);
        QCOMPARE(VoiceTags::sliderTag(slider, value), tag);
        QCOMPARE(VoiceTags::sliderValueText(slider, value), valueText);
    }

    void sliderTagsAreUnderstoodByTheEngine()
    {
        const auto after = [](VoiceSlider slider, int n) {
            return settingsAfter(VoiceTags::sliderTag(slider, n));
        };
        QCOMPARE(after(VoiceSlider::BasePitch, 400).basePitchHz, 400);
        QCOMPARE(after(VoiceSlider::Speed, 20).speedPercent, 20);
        QCOMPARE(after(VoiceSlider::Intonation, 300).intonationHz, 300);
        QCOMPARE(after(VoiceSlider::Roughness, 250).roughnessPercent, 250);
        QCOMPARE(after(VoiceSlider::Volume, 0).volumePercent, 0);
        QCOMPARE(after(VoiceSlider::Echo, 123).echoDelayMs, 123);
        QCOMPARE(after(VoiceSlider::Echo, 123).echoGain, 0.4);
        // Each slider starts inside its range, and its ends are what the engine accepts unclamped.
        for (VoiceSlider slider : {VoiceSlider::BasePitch, VoiceSlider::Speed, VoiceSlider::Intonation,
                                   VoiceSlider::Roughness, VoiceSlider::Volume, VoiceSlider::Echo}) {
            const VoiceSliderInfo &info = VoiceTags::slider(slider);
            QVERIFY(info.minimum <= info.start && info.start <= info.maximum);
            QCOMPARE(settingsAfter(VoiceTags::sliderTag(slider, info.maximum)),
                     settingsAfter(VoiceTags::sliderTag(slider, info.maximum + 1)));
        }

        QCOMPARE(VoiceTags::voiceTag(QStringLiteral("lgx.de.silke")), QString(VoiceLines::kSilke));
        QCOMPARE(VoiceTags::voiceTestText(QStringLiteral("lgx.en.bill")),
                 QStringLiteral("#voice=name:lgx.en.bill#Test 1 2 3!"));
    }

    void sayWritesAWav()
    {
        const QString voice = QStringLiteral("#voice=name:lgx.de.silke#");
        QCOMPARE(say({QStringLiteral("--wav"), QStringLiteral("a.wav"), voice, QStringLiteral("Hallo Welt")}),
                 0);
        const Wav normal = readWav(m_dir.filePath(QStringLiteral("a.wav")));
        QVERIFY(normal.header.startsWith("RIFF"));
        QCOMPARE(normal.header.mid(8, 8), QByteArray("WAVEfmt "));
        QDataStream header(normal.header);
        header.setByteOrder(QDataStream::LittleEndian);
        header.skipRawData(22);
        quint16 channels = 0;
        quint32 rate = 0;
        header >> channels >> rate;
        QCOMPARE(channels, quint16(1));
        QCOMPARE(rate, quint32(22050));
        QVERIFY2(normal.samples > 11025, "about a second of speech");

        QCOMPARE(say({QStringLiteral("--wav"), QStringLiteral("b.wav"), voice, QStringLiteral("#spd=200%#"),
                      QStringLiteral("Hallo Welt")}),
                 0);
        QVERIFY(readWav(m_dir.filePath(QStringLiteral("b.wav"))).samples < normal.samples * 0.7);

        // Nothing to say but markup: an empty recording.
        QCOMPARE(say({QStringLiteral("--wav"), QStringLiteral("c.wav"), QStringLiteral("#spd=abc%#")}), 0);
        QCOMPARE(readWav(m_dir.filePath(QStringLiteral("c.wav"))).samples, 0);

        QCOMPARE(say({}), 2);
        QCOMPARE(say({QStringLiteral("--wav"), QStringLiteral("kein/ordner/d.wav"), QStringLiteral("Hallo")}),
                 1);
        // A failed write leaves no partial file behind.
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.wav*")}, QDir::Files),
                 QStringList({"a.wav", "b.wav", "c.wav"}));
    }

    // A recording ended by SIGTERM or SIGINT leaves nothing beside its target; one killed outright
    // leaves its file, which the next recording of that target removes once it is a minute old.
    void endedRecordingsLeaveNoTemporaryFile()
    {
        const QDir dir(m_dir.path());
        const QStringList temporaries{QStringLiteral("lang.wav.*.tmp")};
        const QString text = QStringLiteral("Ein langer Satz, der eine Weile gesprochen wird. ").repeated(400);
        for (const int signal : {SIGTERM, SIGINT}) {
            QProcess process;
            process.setWorkingDirectory(m_dir.path());
            process.start(QStringLiteral(ORTELIA_EXECUTABLE), {QStringLiteral("say"), QStringLiteral("--wav"),
                                                               QStringLiteral("lang.wav"), text});
            QVERIFY(process.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(!dir.entryList(temporaries, QDir::Files).isEmpty(), 30000);
            ::kill(pid_t(process.processId()), signal);
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitStatus(), QProcess::CrashExit);
            QCOMPARE(dir.entryList(temporaries, QDir::Files), QStringList());
            QVERIFY(!dir.exists(QStringLiteral("lang.wav")));
        }
        const auto plant = [&](const QString &name, int ageSeconds) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("RIFF");
            file.flush();
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                     QFileDevice::FileModificationTime));
        };
        plant(QStringLiteral("kurz.wav.1a2b3c.tmp"), 3600);  // left by a killed run
        plant(QStringLiteral("kurz.wav.zz9.tmp"), 0);        // another run's, still being written
        plant(QStringLiteral("kurz.wav.Notiz.tmp"), 3600);   // not of our pattern
        QCOMPARE(say({QStringLiteral("--wav"), QStringLiteral("kurz.wav"), QStringLiteral("Hallo")}), 0);
        QCOMPARE(dir.entryList({QStringLiteral("kurz.wav*")}, QDir::Files),
                 QStringList({"kurz.wav", "kurz.wav.Notiz.tmp", "kurz.wav.zz9.tmp"}));
    }

    // lookup --say speaks the answer as the translator window does, here into a WAV file: German
    // for a foreign word, the dictionary's language for a German one (the speech log names the voice).
    void lookupSaysTheAnswer()
    {
        const QString log = m_dir.filePath(QStringLiteral("lookup.log"));
        const auto lookup = [&](const QStringList &args) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("ORTELIA_SPEECH_LOG"), log);
            process.setProcessEnvironment(environment);
            process.setWorkingDirectory(m_dir.path());
            process.start(QStringLiteral(ORTELIA_EXECUTABLE), QStringList{QStringLiteral("lookup")} + args);
            process.waitForFinished(60000);
            return process.readAllStandardOutput();
        };
        QCOMPARE(lookup({"--foreign", "--say", "--wav", "haus.wav", "house"}).left(11),
                 QByteArray("house\nhaus\n"));
        QVERIFY(readWav(m_dir.filePath(QStringLiteral("haus.wav"))).samples > 0);
        QCOMPARE(lookup({"--say", "--wav", "house.wav", "Haus"}).left(11), QByteArray("house\nhaus\n"));
        QVERIFY(readWav(m_dir.filePath(QStringLiteral("house.wav"))).samples > 0);
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(QLatin1String("lgx.de.")) && lines[0].endsWith(QLatin1String("\thaus")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QLatin1String("lgx.en.")) && lines[1].endsWith(QLatin1String("\thouse")),
                 qPrintable(lines[1]));
    }

    // The WAV file takes the place of a regular file or of nothing, or of the regular file a link
    // leads to; anything else stays as it is and the call is refused.
    void sayWritesOnlyInPlaceOfARegularFile()
    {
        QTemporaryDir dir;
        const auto wav = [&](const QString &name) { return dir.filePath(name); };
        const auto sayInto = [&](const QString &target) {
            return say({QStringLiteral("--wav"), target, QStringLiteral("Hallo")});
        };
        QCOMPARE(::mkfifo(QFile::encodeName(wav("fifo.wav")).constData(), 0600), 0);
        QVERIFY(QFile::link(wav("fifo.wav"), wav("to-fifo.wav")));
        QVERIFY(QFile::link(wav("nowhere.wav"), wav("dangling.wav")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.wav")));
        QStringList refused = {wav("fifo.wav"), wav("to-fifo.wav"), wav("dangling.wav"), wav("folder.wav"),
                               QStringLiteral("/proc/self/fd/1")};
        // A device node of its own (the null device), where the test may make one.
        if (::mknod(QFile::encodeName(wav("device.wav")).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0)
            refused << wav("device.wav");
        const auto kinds = [&] {
            QStringList result;
            for (const QString &path : refused) {
                struct stat info {};
                ::lstat(QFile::encodeName(path).constData(), &info);
                result << QString::number(info.st_mode & S_IFMT, 8);
            }
            return result;
        };
        const QStringList before = kinds();
        for (const QString &target : refused)
            QCOMPARE(sayInto(target), 2);
        QCOMPARE(kinds(), before);
        QVERIFY(!QFileInfo::exists(wav("nowhere.wav")));

        QFile old(wav("real.wav"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
        old.close();
        QVERIFY(QFile::link(wav("real.wav"), wav("link.wav")));
        QCOMPARE(sayInto(wav("link.wav")), 0);
        QVERIFY(QFileInfo(wav("link.wav")).isSymLink());
        QVERIFY(readWav(wav("real.wav")).header.startsWith("RIFF"));
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(SpeechTest)
#include "tst_speech.moc"
