// The main window's clipboard translator handing copied text to the text translator.

#include "TextWindowFixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>

using namespace ortelia;
using namespace ortelia::test;

class ClipboardTranslatorTest : public TextWindowFixture {
    Q_OBJECT

private:
    QWidget *mainWindow() { return program->windows.window(windows::Form3); }
    void press(int key)
    {
        mainWindow()->activateWindow();
        QTest::keyClick(mainWindow(), Qt::Key(key));
    }
    QString helpText()
    {
        return program->windows.window(windows::hilfe1)
            ->findChild<QLabel *>(QStringLiteral("HLabel1"))
            ->text();
    }

private slots:
    void init() { startWindows(); }
    void cleanup() { stopWindows(); }

    // F5 loads the text translator through the capture, so the open-if-needed step translates a
    // second time; the foreign list is read 1.5 s after the last word.
    void f5TranslatesTheCopiedGermanText()
    {
        QVERIFY(!program->windows.existing(windows::TextUeberA));
        QGuiApplication::clipboard()->setText(QStringLiteral("Ich Hund Katze"));
        press(Qt::Key_F5);
        QVERIFY(program->windows.existing(windows::TextUeberA));
        QCOMPARE(c<QPlainTextEdit>("Text")->toPlainText(), QStringLiteral("Ich Hund Katze"));
        QTRY_COMPARE(items("List1"), (QStringList{kStandardVoice, "I", "dog", "cat"}));
        QCOMPARE(items("List2"), (QStringList{kStandardVoice, "ich", "hund", "katze"}));
        QTRY_VERIFY_WITH_TIMEOUT(speechLog.lines().join(QLatin1Char('\n')).contains(QLatin1String("dog")), 5000);
        QCOMPARE(folder->readBytes(QStringLiteral("hilfe.txt")), QByteArray("#voice=name:lgx.en.bill#\r\nI\r\ndog\r\ncat\r\n"));
    }

    void f6TranslatesTheCopiedEnglishText()
    {
        showWindow();
        QGuiApplication::clipboard()->setText(QStringLiteral("dog cat"));
        press(Qt::Key_F6);
        QCOMPARE(c<QPlainTextEdit>("TextE")->toPlainText(), QStringLiteral("dog cat"));
        QTRY_COMPARE_WITH_TIMEOUT(items("List2"), (QStringList{kStandardVoice, "hund", "katze"}), 8000);
    }

    // A long text is cut to 32,767 characters; a clipboard without text changes nothing.
    void capturedTextIsCutAndImagesAreRefused()
    {
        QGuiApplication::clipboard()->setText(QString(40000, QLatin1Char('a')));
        QTest::mouseClick(mainWindow()->findChild<QPushButton *>(QStringLiteral("Command15")), Qt::LeftButton);
        QCOMPARE(c<QPlainTextEdit>("Text")->toPlainText().size(), 32767);

        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(image);
        c<QPlainTextEdit>("TextE")->setPlainText(QStringLiteral("bleibt"));
        QTest::mouseClick(mainWindow()->findChild<QPushButton *>(QStringLiteral("Command16")), Qt::LeftButton);
        QCOMPARE(c<QPlainTextEdit>("TextE")->toPlainText(), QStringLiteral("bleibt"));
        QVERIFY(helpText().contains(QLatin1String("keinen Text")));
    }

    // The panel arranges the text translator narrow in the corner; "X" closes both again.
    void panelArrangesAndClosesTheTextTranslator()
    {
        auto *panel = mainWindow()->findChild<QWidget *>(QStringLiteral("Frame5"));
        QTest::mouseClick(mainWindow()->findChild<QPushButton *>(QStringLiteral("Command8")), Qt::LeftButton);
        QCOMPARE(panel->y(), 155);
        QVERIFY(window()->isVisible());
        QCOMPARE(window()->width(), 4600 / 15);
        QVERIFY(mainWindow()->findChild<QWidget *>(QStringLiteral("Picture20"))->isVisible());
        QTest::mouseClick(mainWindow()->findChild<QPushButton *>(QStringLiteral("Command17")), Qt::LeftButton);
        QCOMPARE(panel->y(), 360);
        QTRY_VERIFY(!program->windows.existing(windows::TextUeberA));
        QVERIFY(!mainWindow()->findChild<QCheckBox *>(QStringLiteral("Check7"))->isChecked());
    }
};

QTEST_MAIN(ClipboardTranslatorTest)
#include "tst_clipboard.moc"
