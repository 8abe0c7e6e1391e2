// The text translator driven as a person would, on the real pages with the small test
// dictionaries, speaking into the speech log.

#include "LookupPage.h"
#include "TextWindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolTip>

using namespace ortelia;
using namespace ortelia::test;

namespace {
const QString kVoice = kStandardVoice;
}

class TextTranslatorTest : public TextWindowFixture {
    Q_OBJECT

private:
    QStringList spoken() { return speechLog.newLines(); }

private slots:
    void init() { startTextTranslator(); }
    void cleanup() { stopWindows(); }

    // Line n of both lists belongs to word n, also with word pauses shorter than a lookup and
    // with a word repeated; capitals reach the page in lower case; an idle window runs no timer.
    void wordsGivePairsLineForLine()
    {
        translate(QStringLiteral("Ich Hund Hund Katze"));
        QTRY_COMPARE(items("List1"), (QStringList{kVoice, "I", "dog", "dog", "cat"}));
        QCOMPARE(items("List2"), (QStringList{kVoice, "ich", "hund", "hund", "katze"}));
        QCOMPARE(c<QLineEdit>("Text1")->text(), QStringLiteral("katze"));
        QTRY_VERIFY(idle());
        QTest::qWait(300);
        QCOMPARE(items("List1").size(), 5);

        c<QPlainTextEdit>("Text")->clear();
        QTest::mouseClick(c<QPushButton>("SpeakButton"), Qt::LeftButton);
        QTRY_COMPARE(items("List1").size(), 2);
        QTest::qWait(400);
        QCOMPARE(items("List1").size(), 2);
        QCOMPARE(items("List2").size(), 2);
    }

    // A phrase of the text is one line of each list, so it is read aloud once.
    void phraseIsOneLineReadOnce()
    {
        c<QRadioButton>("Option1_1")->click();
        translate(QStringLiteral("Guten Tag Hund ab und zu"));
        QTRY_COMPARE(items("List1"), (QStringList{kVoice, "good day", "dog", "every now and then"}));
        QCOMPARE(items("List2"), (QStringList{kVoice, "guten tag", "hund", "ab und zu"}));
        QTRY_COMPARE_WITH_TIMEOUT(
            folder->readBytes(QStringLiteral("hilfe.txt")),
            QByteArray("#voice=name:lgx.en.bill#\r\ngood day\r\ndog\r\nevery now and then\r\n"), 5000);
        QCOMPARE(items("List1").size(), 4);
    }

    // A double click on a result line removes that line's pair, in either list.
    void doubleClickRemovesThePair()
    {
        translate(QStringLiteral("Ich Hund Katze"));
        QTRY_COMPARE(items("List1"), (QStringList{kVoice, "I", "dog", "cat"}));
        QTRY_VERIFY(idle());
        // The last line first: removing it used to move the selection up, and the line above went.
        const std::pair<const char *, int> clicks[] = {{"List1", 3}, {"List2", 1}};
        for (const auto &[name, row] : clicks) {
            auto *list = c<QListWidget>(name);
            const QPoint line = list->visualItemRect(list->item(row)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
        }
        QCOMPARE(items("List1"), (QStringList{kVoice, "dog"}));
        QCOMPARE(items("List2"), (QStringList{kVoice, "hund"}));
    }

    // The pointer on a result line shows the grammar of its German word, in either list.
    void lineHoverShowsTheGrammar()
    {
        translate(QStringLiteral("Hund Katze"));
        QTRY_COMPARE(items("List2"), (QStringList{kVoice, "hund", "katze"}));
        const auto hoverLine = [&](const char *name, int row) {
            auto *list = c<QListWidget>(name);
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(list->viewport(), &help);
            const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
            QToolTip::hideText();
            // A tooltip that stays would answer the next hover.
            return QTest::qWaitFor([] { return !QToolTip::isVisible(); }) ? shown : QStringLiteral("(bleibt)");
        };
        QCOMPARE(hoverLine("List1", 1), QStringLiteral("Grammatik: der Hund, die Hunde"));
        QCOMPARE(hoverLine("List2", 1), QStringLiteral("Grammatik: der Hund, die Hunde"));
        QCOMPARE(hoverLine("List2", 2), QString());
    }

    void foreignDirectionFillsTheSameLists()
    {
        c<QScrollBar>("HScroll1")->setValue(50);
        type("TextE", QStringLiteral("Dog cat"));
        QTest::mouseClick(c<QPushButton>("SpeakButtonE"), Qt::LeftButton);
        QTRY_COMPARE(items("List2"), (QStringList{kVoice, "hund", "katze"}));
        QCOMPARE(items("List1"), (QStringList{kVoice, "dog", "cat"}));
    }

    // "Anschließend vorlesen!" reads the foreign list once, 1.5 s after the last word.
    void readingAfterwardsSpeaksTheListOnce()
    {
        c<QRadioButton>("Option1_1")->click();
        QElapsedTimer clock;
        translate(QStringLiteral("Ich Hund"), 300);
        clock.start();
        QTRY_COMPARE(items("List1").size(), 3);
        QStringList heard = spoken();
        QVERIFY(heard.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!(heard += spoken()).isEmpty(), 4000);
        // 1.5 s after the second word, not after the first (window timers may fire 5 % early).
        QVERIFY(clock.elapsed() > 1600);
        QCOMPARE(folder->readBytes(QStringLiteral("hilfe.txt")),
                 QByteArray("#voice=name:lgx.en.bill#\r\nI\r\ndog\r\n"));
        QTest::qWait(1800);
        heard += spoken();
        QCOMPARE(heard.size(), 1);
        QVERIFY(heard[0].contains(QLatin1String("dog")));
    }

    void stopKeepsTheCollectedPairs()
    {
        translate(QStringLiteral("ich hund katze tisch wasser"), 600);
        QTRY_VERIFY(items("List1").size() >= 3);
        QTest::mouseClick(c<QPushButton>("stopteim"), Qt::LeftButton);
        QTest::qWait(1500);
        const QStringList german = items("List2");
        QVERIFY(german.size() < 6);
        QCOMPARE(items("List1").size(), german.size());
        QCOMPARE(german.mid(1), QStringList({"ich", "hund", "katze", "tisch"}).mid(0, german.size() - 1));
        QVERIFY(idle());
    }

    // Dictation: every change restarts the walk; 2 s after the last word the input is emptied
    // and the lists start again for the next sentence.
    void dictationTranslatesAndEmptiesTheInput()
    {
        c<QScrollBar>("HScroll1")->setValue(50);
        c<QCheckBox>("Check1")->click();
        QVERIFY(c<QPlainTextEdit>("Text")->hasFocus());
        type("Text", QStringLiteral("Hund Katze"));
        QTRY_COMPARE(items("List1"), (QStringList{kVoice, "dog", "cat"}));
        QVERIFY(!c<QPlainTextEdit>("Text")->toPlainText().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(c<QPlainTextEdit>("Text")->toPlainText().isEmpty(), 4000);
        // The emptied field gives the empty pair, not the last word again.
        QTRY_COMPARE(items("List1"), (QStringList{kVoice, QString()}));
        QCOMPARE(items("List2"), (QStringList{kVoice, QString()}));
    }

    // Other windows hand it text to translate; F5 and F6 ask for the clipboard; the slider takes
    // the speed the options choose.
    void requestsReachTheWindow()
    {
        c<QScrollBar>("HScroll1")->setValue(50);
        emit program->requests.translateText(QStringLiteral("Dog cat"), TextDirection::Foreign);
        QCOMPARE(c<QPlainTextEdit>("TextE")->toPlainText(), QStringLiteral("Dog cat"));
        QTRY_COMPARE(items("List2"), (QStringList{kVoice, "hund", "katze"}));

        QSignalSpy clipboard(&program->requests, &ProgramRequests::translateClipboardAndOpen);
        QTest::keyClick(window(), Qt::Key_F5);
        QTest::keyClick(window(), Qt::Key_F6);
        QCOMPARE(clipboard.size(), 2);
        QCOMPARE(clipboard[0][0].value<TextDirection>(), TextDirection::German);
        QCOMPARE(clipboard[1][0].value<TextDirection>(), TextDirection::Foreign);

        program->state.readingSpeed.set(120);
        QCOMPARE(c<QScrollBar>("HScroll1")->value(), 120);

        // "Empfang" shows the main window.
        QTest::mouseClick(c<QPushButton>("Command4"), Qt::LeftButton);
        QWidget *main = program->windows.existing(windows::Form3);
        QVERIFY(main && main->isVisible());
    }

    // The label beside the speed slider's caption tells the speed the caption shows now.
    void speedLabelNeighbourTellsTheCurrentSpeed()
    {
        auto *slider = c<QScrollBar>("HScroll1");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_End);
        QLabel *label = c<QLabel>("Label4");
        QTest::mouseMove(window()->windowHandle(), label->mapTo(window(), QPoint(3, 3)));
        const QLabel *help =
            program->windows.window(windows::hilfe1)->findChild<QLabel *>(QStringLiteral("HLabel1"));
        QTRY_VERIFY(help->text().contains(QString::number(slider->maximum())));
        QCOMPARE(help->text(), c<QLabel>("SpeedLabel")->text());
    }

    // A pair button loads its page and tells its names to this window and the other windows.
    void languagePairLoadsItsPageAndNames()
    {
        QTest::mouseClick(c<QPushButton>("land1"), Qt::LeftButton);
        QVERIFY(c("Frame4")->isVisible());
        QTest::mouseClick(c<QPushButton>("DeFr"), Qt::LeftButton);
        QVERIFY(!c("Frame4")->isVisible());
        QCOMPARE(c<QGroupBox>("Frame7")->title(), QStringLiteral("Deutsch-Frazösisch"));
        QCOMPARE(c<QPushButton>("SpeakButtonE")->text(), QStringLiteral("Frazösisch"));
        QCOMPARE(program->state.textPair.first(), QStringLiteral("Deutsch"));
        QCOMPARE(program->state.textPair.second(), QStringLiteral("Frazösisch"));
        translate(QStringLiteral("Hallo"));
        QTRY_COMPARE(items("List1"), (QStringList{kVoice, "salut"}));
    }

    // "übernehmen" loads the chooser's page, asks it for "??" and takes and speaks the names;
    // a page that answers nothing keeps the names and says so.
    void ownDictionaryPageTakesItsNames()
    {
        // Chosen in the dictionary chooser, opened from this window: it writes the page and says so.
        QSignalSpy chooser(&program->requests, &ProgramRequests::openChooser);
        QTest::mouseClick(c<QPushButton>("auf"), Qt::LeftButton);
        QCOMPARE(chooser.size(), 1);
        QCOMPARE(chooser[0][0].value<Served>(), Served::TextTranslator);
        QVERIFY(
            LookupPage::write(folder->file(QStringLiteral("TranslateDeGb/sysx")), QStringLiteral("DeIt")));
        emit program->requests.dictionaryChosen(Served::TextTranslator);
        QTRY_COMPARE_WITH_TIMEOUT(c<QLineEdit>("Text6")->text(), QStringLiteral("Italienisch"), 5000);
        QVERIFY(items("List1").isEmpty());
        QTRY_VERIFY(speechLog.lines().join(QLatin1Char('\n')).contains(QLatin1String("Deutsch+Italienisch")));
        QCOMPARE(c<QPushButton>("SpeakButtonE")->text(), QStringLiteral("Italienisch"));

        QVERIFY(
            LookupPage::write(folder->file(QStringLiteral("TranslateDeGb/sysx")), QStringLiteral("Fehlt")));
        QTest::mouseClick(c<QPushButton>("auswahl2"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 1, 5000);
        QCOMPARE(c<QLineEdit>("Text6")->text(), QStringLiteral("Italienisch"));
        QVERIFY(responder->texts().first().startsWith(QLatin1String("Achtung")));
    }

    // Closing tells the other windows; closing while the window waits leaves nothing behind.
    void closingDuringAWaitIsSafe()
    {
        QVERIFY(program->state.textTranslatorOpen.value());
        QVERIFY(
            LookupPage::write(folder->file(QStringLiteral("TranslateDeGb/sysx")), QStringLiteral("DeIt")));
        QTimer::singleShot(
            300, [this] { QTest::keyClick(program->windows.existing(windows::TextUeberA), Qt::Key_Escape); });
        QTest::mouseClick(c<QPushButton>("auswahl2"), Qt::LeftButton);
        QTRY_VERIFY(!program->windows.existing(windows::TextUeberA));
        QVERIFY(!program->state.textTranslatorOpen.value());
        // The names the page would have given are neither taken nor spoken.
        QTest::qWait(3500);
        QVERIFY(!speechLog.newLines().join(QLatin1Char('\n')).contains(QLatin1String("Deutsch+Italienisch")));
    }

    // Bad input: too many words, a huge word, only punctuation or line breaks, a dictionary that
    // vanished: German messages, no crash, the lists stay paired.
    void badInputKeepsTheListsPaired()
    {
        c<QPlainTextEdit>("Text")->setPlainText(QStringLiteral("wort ").repeated(1502));
        QTest::mouseClick(c<QPushButton>("SpeakButton"), Qt::LeftButton);
        QCOMPARE(responder->texts(), QStringList{QStringLiteral("Zu viele Worte!")});
        QCOMPARE(items("List1"), QStringList{kVoice});
        QCOMPARE(items("List2"), QStringList{kVoice});

        const QStringList texts = {QString(40000, QLatin1Char('x')), QStringLiteral(".,!?;:"),
                                   QStringLiteral("\n\n\n")};
        for (const QString &text : texts) {
            c<QPlainTextEdit>("Text")->setPlainText(text);
            QTest::mouseClick(c<QPushButton>("SpeakButton"), Qt::LeftButton);
            const int words = c<QListWidget>("List1D")->count();
            QVERIFY(words >= 1);
            QTRY_COMPARE(items("List1").size(), words + 1);
            QTRY_VERIFY(idle());
            QCOMPARE(items("List2").size(), words + 1);
        }

        QVERIFY(QFile::remove(folder->file(QStringLiteral("TranslateDeGb/DeEn.txt"))));
        translate(QStringLiteral("hund katze"));
        QTRY_COMPARE(items("List1").size(), 3);
        QCOMPARE(items("List2").size(), 3);
    }
};

QTEST_MAIN(TextTranslatorTest)
#include "tst_textueber.moc"
