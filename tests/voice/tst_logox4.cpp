// The voice settings window beside the real main window: sliders, the test sentence, storing
// the profile and the next translation spoken in it (speech log), the hand-over of a voice line.

#include "Form3.h"
#include "FormTimer.h"
#include "WindowFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace ortelia;
using namespace ortelia::test;

class Logox4Test : public WindowFixture {
    Q_OBJECT

public:
    Logox4Test() : WindowFixture(windows::Logox4) {}

private:
    SpeechLog speechLog;

    void press(const char *button) { QTest::mouseClick(c<QPushButton>(button), Qt::LeftButton); }
    // Clicks on a slider's arrows or its track, or drags it to an end.
    void move(const char *slider, QAbstractSlider::SliderAction action, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            c<QScrollBar>(slider)->triggerAction(action);
    }
    // The voice and parameters of the log line that says text (the line up to its last tab).
    QString settingsOf(const QString &text)
    {
        for (const QString &line : speechLog.lines()) {
            if (line.endsWith(QLatin1Char('\t') + text))
                return line.left(line.size() - text.size() - 1);
        }
        return QString();
    }

private slots:
    void init()
    {
        startProgram();
        folder->writeBytes(QStringLiteral("stimm2.txt"), "#voice=name:lgx.en.bill#\r\n");
        folder->writeBytes(QStringLiteral("syso/reg2.txt"), "False\r\nTrue\r\nFalse\r\nTrue\r\nFalse\r\n");
        program->windows.window(windows::Form3)->show();
        QTest::mouseClick(mainControl<QPushButton>("Command9"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        speechLog.newLines();
    }
    void cleanup() { stopProgram(); }

    void slidersWriteTheirTags()
    {
        QCOMPARE(c<QLabel>("PitchLabel")->text(), QString());
        move("PitchScroll", QAbstractSlider::SliderSingleStepAdd, 3);
        QCOMPARE(c<QLabel>("PitchLabel")->text(), QStringLiteral("#bpit=53Hz#"));
        QCOMPARE(c<QLabel>("Label6")->text(), QStringLiteral("53Hz"));
        move("SpeedScroll", QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(c<QLabel>("SpeedLabel")->text(), QStringLiteral("#spd=99%#"));
        move("IntonationScroll", QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(c<QLabel>("IntonationLabel")->text(), QStringLiteral("#pit=11Hz#"));
        move("RoughnessScroll", QAbstractSlider::SliderToMaximum);
        QCOMPARE(c<QLabel>("RoughnessLabel")->text(), QStringLiteral("#BINT=250%#"));
        QCOMPARE(c<QLabel>("Label16")->text(), QStringLiteral("250%"));
        move("VolumeScroll", QAbstractSlider::SliderToMinimum);
        QCOMPARE(c<QLabel>("VolumeLabel")->text(), QStringLiteral("#VOL=0%dB#"));
        move("EchoScroll", QAbstractSlider::SliderSingleStepAdd, 2);
        QCOMPARE(c<QLabel>("Label13")->text(), QStringLiteral("#AFX =DL122=1:$123=52.0,$124=0.4,$125=0.0;#"));
        QCOMPARE(c<QLabel>("Label18")->text(), QStringLiteral("52"));

        QLabel *help =
            program->windows.window(windows::hilfe1)->findChild<QLabel *>(QStringLiteral("HLabel1"));
        c("SpeedScroll")->setFocus();
        QTRY_COMPARE(help->text(), QStringLiteral("Stimme mit: Geschwindichkeit: 99%"));

        // A click on a marker takes its tag out of the next pattern.
        QTest::mouseClick(c("PitchLabel"), Qt::LeftButton);
        QCOMPARE(c<QLabel>("PitchLabel")->text(), QString());
        QTest::mouseClick(c("Label18"), Qt::LeftButton);
        QCOMPARE(c<QLabel>("Label13")->text(), QString());
        QCOMPARE(c<QLabel>("Label18")->text(), QString());
        press("Command9");
        QTRY_VERIFY(!window()->isVisible());
        QCOMPARE(folder->readBytes(QStringLiteral("stimm2.txt")),
                 QByteArray("#voice=name:lgx.en.bill#\r\n#VOL=0%dB#\r\n\r\n\r\n#spd=99%#\r\n#pit=11Hz#\r\n"
                            "#BINT=250%#\r\n"));
    }

    // Each marker shows whole, also at its slider's widest value (the echo marker is the longest).
    void markersShowWhole()
    {
        for (const char *slider : {"PitchScroll", "SpeedScroll", "IntonationScroll", "RoughnessScroll",
                                   "VolumeScroll", "EchoScroll"})
            move(slider, QAbstractSlider::SliderToMaximum);
        for (const char *marker :
             {"PitchLabel", "SpeedLabel", "IntonationLabel", "RoughnessLabel", "VolumeLabel", "Label13", "Label18"}) {
            const QLabel *label = c<QLabel>(marker);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text() + QStringLiteral(" %1 > %2")
                                                    .arg(label->fontMetrics().horizontalAdvance(label->text()))
                                                    .arg(label->contentsRect().width())));
        }
    }

    void adoptedPatternIsWhatTheTestAndTheNextTranslationSpeak()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("was der Benutzer kopiert hat"));
        auto *voices = c<QComboBox>("SpeechFontCombo");
        const int silke = voices->findText(QStringLiteral("lgx.de.silke"));
        QVERIFY(silke >= 0);
        voices->setFocus();
        voices->setCurrentIndex(silke);
        emit voices->activated(silke);
        QCOMPARE(c<QLabel>("speechX1")->text(), QStringLiteral("#voice=name:lgx.de.silke#"));
        move("PitchScroll", QAbstractSlider::SliderPageStepAdd);
        move("SpeedScroll", QAbstractSlider::SliderPageStepSub);
        c<QLineEdit>("Text1")->setText(QStringLiteral("Probe eins"));
        press("alles");
        QTRY_VERIFY(!settingsOf(QStringLiteral("Probe eins")).isEmpty());
        const QString heard = settingsOf(QStringLiteral("Probe eins"));
        QCOMPARE(folder->readBytes(QStringLiteral("stimm2.txt")), QByteArray("#voice=name:lgx.en.bill#\r\n"));

        press("Command9");
        const QByteArray stored = folder->readBytes(QStringLiteral("stimm2.txt"));
        QCOMPARE(stored.count("\r\n"), 7);
        // Sliders never moved leave their lines empty.
        QVERIFY(stored.startsWith("#voice=name:lgx.de.silke#\r\n\r\n\r\n#bpit="));
        QTRY_VERIFY(!window()->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("was der Benutzer kopiert hat"));

        mainControl<QPushButton>("Command13")->click();
        auto *word = mainControl<QLineEdit>("TextD");
        word->clear();
        word->setFocus();
        QTest::keyClicks(word, QStringLiteral("hallo"));
        QTest::keyClick(word, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!settingsOf(QStringLiteral("hello")).isEmpty(), 5000);
        // The same speaker and shaping, in the answer's language: Silke speaks English.
        const QString translation = settingsOf(QStringLiteral("hello"));
        QVERIFY2(translation.startsWith(QLatin1String("lgx.en.")), qPrintable(translation));
        QCOMPARE(translation.section(QLatin1Char('\t'), 1), heard.section(QLatin1Char('\t'), 1));
    }

    // Testing a standard speaker is only heard; adopting without a picked voice keeps the stored one.
    void profileGoesIntoTheEditBoxAndToTheMainList()
    {
        QCOMPARE(c<QComboBox>("SpeechFontCombo")->currentText(), QStringLiteral("lgx.en.bill"));
        press("bill");
        QCOMPARE(c<QLabel>("Sp1")->text(), QStringLiteral("#voice=name:lgx.de.bill#"));
        QTRY_VERIFY(settingsOf(QStringLiteral("Test")).startsWith(QLatin1String("lgx.de.bill\t")));
        move("SpeedScroll", QAbstractSlider::SliderToMaximum);
        c<QLineEdit>("Text1")->setText(QStringLiteral("Schneller"));
        press("Command11");
        QTRY_VERIFY(
            settingsOf(QStringLiteral("Schneller")).startsWith(QLatin1String("lgx.en.bill\tspd=250%")));
        QCOMPARE(folder->readBytes(QStringLiteral("stimm2.txt")), QByteArray("#voice=name:lgx.en.bill#\r\n"));
        press("Command9");
        QTRY_VERIFY(!window()->isVisible());
        QCOMPARE(c<QLineEdit>("Text2")->text(), QStringLiteral("#voice=name:lgx.en.bill#    #spd=250%#  "));

        window()->show();
        QSignalSpy selected(&program->requests, &ProgramRequests::selectVoiceLine);
        c<QLineEdit>("Text2")->setText(QStringLiteral("hello"));
        press("Command7");
        c<QLineEdit>("Text2")->clear();
        press("Command7");
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().first().toString(), QStringLiteral("hello"));
    }

    // The profile's own test speaks the stored lines with the test sentence.
    void profileTestSpeaksTheStoredProfile()
    {
        folder->writeBytes(QStringLiteral("stimm2.txt"), "#voice=name:lgx.de.silke#\r\n#spd=150%#\r\n");
        c<QLineEdit>("Text1")->setText(QStringLiteral("Gespeichertes Muster"));
        press("sprech");
        QTRY_VERIFY(settingsOf(QStringLiteral("Gespeichertes Muster"))
                        .startsWith(QStringLiteral("lgx.de.silke\tspd=150%")));
    }

    void collectionAndBadProfiles()
    {
        press("Command3");
        QCOMPARE(responder->texts(), QStringList({"Sie haben nichts eingegeben!"}));
        QFile::remove(folder->file(QStringLiteral("stimm2.txt")));
        press("offne");
        QCOMPARE(c<QLabel>("Label10")->text(), QStringLiteral("0 Einträge in der Listbox"));

        // Junk, unknown tags, values out of range, a voice that is not installed, a 32 KB line (a
        // profile is read up to 64 KB).
        QByteArray junk = "#voice=name:lgx.xx.niemand#\r\n#spd=99999%#\r\n#unbekannt=1#\r\n\x01\x02 Müll\r\n";
        junk += QByteArray(1 << 15, 'x') + "\r\n";
        folder->writeBytes(QStringLiteral("stimm2.txt"), junk);
        press("offne");
        QCOMPARE(c<QLabel>("Label10")->text(), QStringLiteral("5 Einträge in der Listbox"));
        press("Command6");
        QTRY_VERIFY(c<QLineEdit>("Text2")->text().startsWith(QStringLiteral("#voice=name:lgx.xx.niemand#")));
        press("Command3");
        QCOMPARE(c<QLabel>("Label10")->text(), QStringLiteral("6 Einträge in der Listbox"));
        press("speichernUE");
        QCOMPARE(folder->readBytes(QStringLiteral("stimm.txt")).count("\r\n"), 6);

        // The profile cannot be replaced: the old one stays whole and the user is told.
        responder->requests.clear();
        QFile::remove(folder->file(QStringLiteral("stimm2.txt")));
        QDir(folder->path()).mkdir(QStringLiteral("stimm2.txt"));
        press("Command9");
        QCOMPARE(responder->texts(), QStringList({"Achtung : Schreibschutz entfernen [stimm2.txt]!"}));
    }
};

QTEST_MAIN(Logox4Test)
#include "tst_logox4.moc"
