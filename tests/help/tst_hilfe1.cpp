#include "HoverHelp.h"
#include "SpeechEngine.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "VoiceLines.h"
#include "WindowRegistry.h"
#include "hilfe1.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace ortelia;

// The help window with the real speaker and engine (null audio, speech log).
class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    QWidget *help() { return m_program->windows.window(QStringLiteral("hilfe1")); }
    template <class T> T *control(const char *name) { return help()->findChild<T *>(QLatin1String(name)); }
    QByteArray hilfeTxt() { return m_folder->readBytes(QStringLiteral("hilfe.txt")); }

    test::SpeechLog m_log;
    std::unique_ptr<test::TempProgramFolder> m_folder;
    std::unique_ptr<test::TestServices> m_program;

private slots:
    void init()
    {
        QFile::remove(m_log.path());
        m_folder = std::make_unique<test::TempProgramFolder>();
        m_program = std::make_unique<test::TestServices>();
        m_program->registerWindow<hilfe1>(QStringLiteral("hilfe1"));
    }

    void cleanup()
    {
        m_program->speaker.engine().stop();
        m_program.reset();
        m_folder.reset();
    }

    void hoverTextIsShownAndReadOnlyWhenAutomatic()
    {
        HoverHelp::setHelpText(QStringLiteral("Erster Text"));
        QVERIFY(!help()->isVisible());
        QCOMPARE(control<QLabel>("HLabel1")->text(), QStringLiteral("Erster Text"));
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("Erster Text"));
        QVERIFY(hilfeTxt().isEmpty());

        // Ticking automatic reading reads the current text at once, then every new text.
        QTest::keyClick(help(), Qt::Key_F11);
        QVERIFY(control<QCheckBox>("Check1")->isChecked());
        QVERIFY(m_program->state.helpReadsAloud.value());
        QCOMPARE(hilfeTxt(), QByteArray(VoiceLines::kHelpVoice.data()) + "\r\nErster Text\r\n");
        HoverHelp::setHelpText(QStringLiteral("Zweiter Text, süß"));
        QCOMPARE(hilfeTxt(), QByteArray(VoiceLines::kHelpVoice.data()) + "\r\nZweiter Text, s\xFC\xDF\r\n");
        QTRY_COMPARE(m_log.lines().size(), 2);
        QVERIFY(m_log.lines().last().startsWith(QStringLiteral("lgx.de.silkrvlg\t")));
        QVERIFY(m_log.lines().last().endsWith(QStringLiteral("\tZweiter Text, süß")));

        QTest::keyClick(help(), Qt::Key_F8);
        QVERIFY(!control<QCheckBox>("Check1")->isChecked());
        HoverHelp::setHelpText(QStringLiteral("Dritter Text"));
        QVERIFY(!hilfeTxt().contains("Dritter"));

        // The main window's F11 switches automatic reading on through the shared state.
        m_program->state.helpReadsAloud.set(true);
        QVERIFY(control<QCheckBox>("Check1")->isChecked());
        QVERIFY(hilfeTxt().endsWith("Dritter Text\r\n"));
    }

    void readAloudButtonWorksOnceThePictureAlways()
    {
        HoverHelp::setHelpText(QStringLiteral("Lies mich"));
        control<QPushButton>("pla")->click();
        QVERIFY(hilfeTxt().endsWith("Lies mich\r\n"));
        QVERIFY(!control<QPushButton>("pla")->isEnabled());
        QFile::remove(m_folder->file(QStringLiteral("hilfe.txt")));
        control<QPushButton>("pla")->click();
        QVERIFY(hilfeTxt().isEmpty());
        QTest::keyClick(help(), Qt::Key_F2);
        QVERIFY(hilfeTxt().endsWith("Lies mich\r\n"));
        QTest::keyClick(help(), Qt::Key_F2);
        // Spoken by the button once and by the picture twice.
        QTRY_COMPARE(m_log.lines().size(), 3);
    }

    // The F2 of the other windows reads aloud every time, as the picture button does.
    void otherWindowsAskForReadingAloud()
    {
        HoverHelp::setHelpText(QStringLiteral("Für alle"));
        emit m_program->requests.speakHelp();
        QVERIFY(hilfeTxt().endsWith("F\xFCr alle\r\n"));
        QFile::remove(m_folder->file(QStringLiteral("hilfe.txt")));
        emit m_program->requests.speakHelp();
        QVERIFY(hilfeTxt().endsWith("F\xFCr alle\r\n"));
    }

    void clipboardAndDescriptionAreTheMainWindowsOwn()
    {
        QSignalSpy clipboard(&m_program->requests, &ProgramRequests::readClipboardAloud);
        QSignalSpy description(&m_program->requests, &ProgramRequests::openDescription);
        QTest::keyClick(help(), Qt::Key_F7);
        control<QPushButton>("Command1")->click();
        QCOMPARE(clipboard.size(), 1);
        QCOMPARE(description.size(), 1);
    }

    void speechControlsReachTheSpeaker()
    {
        HoverHelp::setHelpText(
            QStringLiteral("Ein etwas längerer Satz, damit das Sprechen eine Weile dauert und "
                           "wir es anhalten können, bevor es zu Ende ist."));
        QTest::keyClick(help(), Qt::Key_F2);
        QTRY_VERIFY(m_program->speaker.engine().isSpeaking());
        QTest::keyClick(help(), Qt::Key_F4);
        QTRY_VERIFY(m_program->speaker.engine().paused());
        QTest::keyClick(help(), Qt::Key_F5);
        QTRY_VERIFY(!m_program->speaker.engine().paused());
        QTest::keyClick(help(), Qt::Key_F3);
        QTRY_VERIFY(!m_program->speaker.engine().isSpeaking());
        QTest::keyClick(help(), Qt::Key_F6);
        QTRY_VERIFY(m_program->speaker.engine().isSpeaking());
    }

    void enlargedViewAndBack()
    {
        HoverHelp::setHelpText(QStringLiteral("Groß"));
        help()->show();
        QVERIFY(QTest::qWaitForWindowExposed(help()));
        // The speech buttons' pictures come with the first showing.
        for (const char *name : {"Picture1S", "Image1", "Image3", "Image4", "Image5", "Image7"}) {
            QVERIFY2(!control<QToolButton>(name)->icon().isNull(), name);
            // Named for screen readers, which see no picture.
            QVERIFY2(!QAccessible::queryAccessibleInterface(control<QToolButton>(name))
                          ->text(QAccessible::Name)
                          .trimmed()
                          .isEmpty(),
                     name);
        }
        const int normal = help()->width();
        const int normalHeight = help()->height();
        control<QPushButton>("Label3")->click();
        QVERIFY(control<QLabel>("Label2")->isVisible());
        QVERIFY(!control<QLabel>("HLabel1")->isVisible());
        QVERIFY(control<QPushButton>("Label4")->isVisible());
        QVERIFY(!control<QPushButton>("Label3")->isVisible());
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("Groß"));
        QCOMPARE(help()->width(), 10500 / 15);
        QTest::mouseClick(control<QLabel>("Label2"), Qt::LeftButton);
        QVERIFY(control<QLabel>("HLabel1")->isVisible());
        QVERIFY(!control<QLabel>("Label2")->isVisible());
        QCOMPARE(help()->width(), normal);
        QTest::mouseClick(control<QLabel>("HLabel1"), Qt::LeftButton);
        QVERIFY(control<QLabel>("Label2")->isVisible());
        control<QPushButton>("Label4")->click();
        QVERIFY(!control<QLabel>("Label2")->isVisible());
        QCOMPARE(help()->height(), normalHeight);
    }

    // "Beschreibung:" is yellow on the dark window and dark on its light highlight.
    void descriptionStaysReadableUnderThePointer()
    {
        help()->show();
        QVERIFY(QTest::qWaitForWindowExposed(help()));
        auto *description = control<QPushButton>("Label6");
        const auto yellowPixels = [description] {
            const QImage picture = description->grab().toImage();
            int count = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) {
                    const QColor pixel = picture.pixelColor(x, y);
                    count += pixel.red() > 200 && pixel.green() > 200 && pixel.blue() < 120;
                }
            return count;
        };
        QVERIFY(yellowPixels() > 0);
        QTest::mouseMove(description);
        QTRY_VERIFY(description->underMouse());
        QCOMPARE(yellowPixels(), 0);
        // The pointer leaves the window for the tests after this one.
        QCursor::setPos(help()->frameGeometry().bottomRight() + QPoint(100, 100));
    }

    // A page the desktop cannot open is said in the help line.
    void descriptionWithoutDesktopHandlerIsSaid()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", m_folder->path().toLocal8Bit());
        control<QPushButton>("Label6")->click();
        qputenv("PATH", path);
        QCOMPARE(control<QLabel>("HLabel1")->text(),
                 QStringLiteral("Kein Programm zum Öffnen von [bild+text.html] gefunden!"));
    }

    void keyLegendHidingAndUnloading()
    {
        control<QPushButton>("Label1")->click();
        QCOMPARE(control<QLabel>("HLabel1")->text(),
                 QStringLiteral("F2,Play. F3,Pause. F4,Stop. F5,Weiter. F6,Nochmal."));
        help()->show();
        control<QPushButton>("beende3")->click();
        QVERIFY(!help()->isVisible());
        QVERIFY(m_program->windows.existing(QStringLiteral("hilfe1")));

        control<QCheckBox>("Check1")->setChecked(true);
        control<QPushButton>("pla")->click();
        QPointer<QWidget> old = help();
        QTest::keyClick(old, Qt::Key_Escape);
        QVERIFY(!m_program->windows.existing(QStringLiteral("hilfe1")));
        QTRY_VERIFY(!old);
        // A fresh instance: read-aloud enabled again, automatic reading off.
        QVERIFY(control<QPushButton>("pla")->isEnabled());
        QVERIFY(!control<QCheckBox>("Check1")->isChecked());
        QCOMPARE(control<QLabel>("HLabel1")->text(), QStringLiteral(" Hilfe Ortelia"));
    }

    void updateButtonsOnlyWhereTheWindowsExist()
    {
        help()->show();
        QVERIFY(!control<QPushButton>("updates")->isVisible());
        QVERIFY(!control<QPushButton>("zeiteinstellung")->isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_hilfe1.moc"
