// The dictation interpreter driven as a dictation program and a person drive it, handing its
// words to the real main window, whose page and speech engine answer them.

#include "Form3.h"
#include "FormTimer.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>

using namespace ortelia;
using namespace ortelia::test;

class SpeakingTest : public WindowFixture {
    Q_OBJECT

public:
    SpeakingTest() : WindowFixture(windows::Speaking) {}

private:
    SpeechLog speechLog;
    QStringList handedOver;

    QStringList queue()
    {
        QStringList items;
        for (int i = 0; i < c<QListWidget>("List1D8")->count(); ++i)
            items << c<QListWidget>("List1D8")->item(i)->text();
        return items;
    }
    bool idle()
    {
        const QList<FormTimer *> timers = window()->findChildren<FormTimer *>();
        return std::none_of(timers.begin(), timers.end(), [](FormTimer *t) { return t->isActive(); });
    }
    QColor fieldColour() { return c<QLineEdit>("TextD8")->palette().color(QPalette::Base); }
    // What a dictation program does: the whole phrase at once into the focused field.
    void dictate(const char *field, const QString &phrase) { c<QLineEdit>(field)->insert(phrase); }

private slots:
    void init()
    {
        startProgram();
        folder->writeBytes(QStringLiteral("stimm2.txt"), "#voice=name:lgx.en.bill#\r\n");
        program->windows.window(windows::Form3)->show();
        mainControl<QPushButton>("Command14")->click();
        // The dictation button appears once the translator dictates.
        QTRY_VERIFY(program->state.dictationMode.value());
        QTest::mouseClick(mainControl<QPushButton>("Command7"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        handedOver.clear();
        connect(c<QLineEdit>("Textempfan"), &QLineEdit::textChanged, this,
                [this](const QString &word) { handedOver << word; });
        speechLog.newLines();
    }
    void cleanup() { stopProgram(); }

    void dictatedPhraseIsTranslatedWordByWord()
    {
        QCOMPARE(window()->windowTitle(), QStringLiteral("Diktier-Textfeld:"));
        QCOMPARE(fieldColour(), QColor(Qt::yellow));
        // The main window fetches an answer 500 ms after its search: a slower pace keeps every one.
        c<QScrollBar>("VScroll1")->setValue(500);
        QCOMPARE(c<QLabel>("Label1")->text(), QStringLiteral("500 ms"));
        QCOMPARE(program->state.dictationPace.value(), 500);
        QVERIFY(program->state.dictationMode.value());
        c<QCheckBox>("Check1")->setChecked(true);
        QSignalSpy words(&program->requests, &ProgramRequests::dictatedWord);

        dictate("TextD8", QStringLiteral("Haus Hund Hallo"));
        QTRY_COMPARE(queue(), QStringList({"Haus", "Hund", "Hallo", ""}));
        QCOMPARE(c<QLineEdit>("TextD8")->text(), QString());
        QCOMPARE(window()->windowTitle(), QStringLiteral(" Übersetze .... ... .. ."));
        QCOMPARE(fieldColour(), QColor(Qt::green));

        QTRY_COMPARE_WITH_TIMEOUT(handedOver, QStringList({"Haus", "Hund", "Hallo", ""}), 5000);
        QCOMPARE(words.size(), 4);
        QCOMPARE(words.at(2).first().toString(), QStringLiteral("Hallo"));
        QCOMPARE(window()->windowTitle(), QStringLiteral("Diktier-Textfeld [OK]"));
        QCOMPARE(fieldColour(), QColor(Qt::yellow));
        QVERIFY(queue().isEmpty());
        // The main window searched and spoke each word, in order.
        QTRY_VERIFY_WITH_TIMEOUT(
            speechLog.lines()
                .join(QLatin1Char('\n'))
                .contains(QRegularExpression(QStringLiteral("house.*dog.*hello"),
                                             QRegularExpression::DotMatchesEverythingOption)),
            8000);
        QCOMPARE(window()->focusWidget(), c("Text1"));
    }

    void waitingPhraseFollowsAndTheNewestReplacesIt()
    {
        c<QScrollBar>("VScroll1")->setValue(600);
        dictate("Text1", QStringLiteral("eins zwei"));
        QTRY_COMPARE(queue(), QStringList({"eins", "zwei", ""}));
        QTRY_COMPARE(handedOver.value(0), QStringLiteral("eins"));
        dictate("Text1", QStringLiteral("drei"));
        QTRY_COMPARE(c<QLineEdit>("Text3")->text(), QStringLiteral("drei"));
        dictate("Text1", QStringLiteral("vier fünf"));
        QTRY_COMPARE(c<QLineEdit>("Text3")->text(), QStringLiteral("vier fünf"));
        QTRY_COMPARE_WITH_TIMEOUT(handedOver, QStringList({"eins", "zwei", "", "vier", "fünf", ""}), 8000);
        QVERIFY(c<QLineEdit>("Text3")->text().isEmpty());
        QTRY_VERIFY(idle());
    }

    void phraseDictatedIntoTheFieldWhileAnotherRunsFollowsIt()
    {
        c<QScrollBar>("VScroll1")->setValue(500);
        dictate("TextD8", QStringLiteral("eins zwei"));
        QTRY_COMPARE(handedOver.value(0), QStringLiteral("eins"));
        dictate("TextD8", QStringLiteral("drei"));
        QTRY_COMPARE_WITH_TIMEOUT(handedOver, QStringList({"eins", "zwei", "", "drei", ""}), 5000);
    }

    void readyBoxEmptiesTheWordList()
    {
        c<QScrollBar>("VScroll1")->setValue(2000);
        dictate("TextD8", QStringLiteral("eins zwei drei"));
        QTRY_COMPARE(handedOver.value(0), QStringLiteral("eins"));
        QTest::mouseClick(c<QCheckBox>("Check1"), Qt::LeftButton);
        QVERIFY(queue().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(idle(), 5000);
        QCOMPARE(handedOver, QStringList({"eins", ""}));
    }

    void idleWindowRests()
    {
        c<QScrollBar>("VScroll1")->setValue(100);
        QVERIFY(idle());
        dictate("TextD8", QStringLiteral("eins"));
        QTRY_COMPARE(handedOver, QStringList({"eins", ""}));
        QVERIFY(idle());
        QTest::qWait(500);
        QVERIFY(idle());
        QCOMPARE(handedOver, QStringList({"eins", ""}));
    }

    void stopClearAndCloseEndTheStepping()
    {
        c<QScrollBar>("VScroll1")->setValue(300);
        dictate("TextD8", QStringLiteral("eins zwei drei"));
        QTRY_COMPARE(handedOver.value(0), QStringLiteral("eins"));
        QTest::mouseClick(c<QPushButton>("Command5"), Qt::LeftButton);
        QVERIFY(idle());
        QVERIFY(queue().isEmpty());
        QCOMPARE(fieldColour(), QColor(Qt::yellow));
        QTest::qWait(800);
        QCOMPARE(handedOver, QStringList({"eins"}));

        dictate("TextD8", QStringLiteral("vier fünf"));
        QTRY_COMPARE(handedOver.value(1), QStringLiteral("vier"));
        QTest::mouseClick(c<QPushButton>("Command4"), Qt::LeftButton);
        QVERIFY(idle());
        QCOMPARE(queue(), QStringList({"vier", "fünf", ""}));
        // The next phrase goes on behind what the stopped one left.
        dictate("TextD8", QStringLiteral("sechs"));
        QTRY_COMPARE_WITH_TIMEOUT(handedOver, QStringList({"eins", "vier", "fünf", "", "sechs", ""}), 5000);

        dictate("TextD8", QStringLiteral("sieben acht"));
        QTRY_COMPARE(handedOver.size(), 7);
        QTest::keyClick(window(), Qt::Key_Escape);
        QVERIFY(!window()->isVisible());
        QVERIFY(idle());
    }

    // Words dictated while the translator is still switching to dictation wait for it.
    void wordsWaitUntilTheTranslatorDictates()
    {
        c<QScrollBar>("VScroll1")->setValue(100);
        program->state.dictationMode.set(false);
        dictate("TextD8", QStringLiteral("eins"));
        QTRY_COMPARE(queue(), QStringList({"eins", ""}));
        QVERIFY(idle());
        QVERIFY(handedOver.isEmpty());
        program->state.dictationMode.set(true);
        QTRY_COMPARE(handedOver, QStringList({"eins", ""}));
    }

    // Leaving dictation in the main window closes the window as its close button does.
    void translatorClosesTheDictationWindow()
    {
        c<QScrollBar>("VScroll1")->setValue(300);
        dictate("TextD8", QStringLiteral("eins zwei drei"));
        QTRY_COMPARE(handedOver.value(0), QStringLiteral("eins"));
        emit program->requests.closeDictation();
        QVERIFY(!window()->isVisible());
        QVERIFY(idle());
    }

    void sliderLabelAndHelpTexts()
    {
        c<QScrollBar>("VScroll1")->setValue(1200);
        QCOMPARE(program->state.dictationPace.value(), 1200);
        QTest::mouseClick(c<QLabel>("Label1"), Qt::LeftButton);
        QCOMPARE(c<QScrollBar>("VScroll1")->value(), 700);
        QCOMPARE(c<QLabel>("Label1")->text(), QStringLiteral("700 ms"));
        QCOMPARE(program->state.dictationPace.value(), 700);

        QWidget *help = program->windows.window(windows::hilfe1);
        QLabel *helpLabel = help->findChild<QLabel *>(QStringLiteral("HLabel1"));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(c("Label1"), &enter);
        QCOMPARE(helpLabel->text(), QStringLiteral("Übersetzer Geschwindigkeit....700 ms"));
        QCoreApplication::sendEvent(c("List1D8"), &enter);
        QCOMPARE(helpLabel->text(), QStringLiteral("Mit Doppelklick Liste löschen."));
        c("VScroll1")->setFocus();
        QTRY_COMPARE(helpLabel->text(), QStringLiteral(" Übersetzer Geschwindigkeit Schieberegler!"));
    }

    void badInputIsRefusedOrSkipped()
    {
        dictate("TextD8", QStringLiteral(" ... !!! ,, ?"));
        QTest::qWait(500);
        QVERIFY(queue().isEmpty());
        QVERIFY(idle());
        QVERIFY(handedOver.isEmpty());

        c<QLineEdit>("TextD8")->setText(QStringLiteral("wort ").repeated(8000));
        QTRY_COMPARE(responder->texts(), QStringList({"Zu viele Worte!"}));
        QVERIFY(queue().isEmpty());
        QCOMPARE(c<QLineEdit>("TextD8")->text(), QString());
        QVERIFY(idle());
    }
};

QTEST_MAIN(SpeakingTest)
#include "tst_speaking.moc"
