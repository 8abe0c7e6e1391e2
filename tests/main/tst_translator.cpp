// The single-word translator and the window's speech against the real pages and the speech
// engine (writing its log, playing into the null sink).

#include "DictionaryFile.h"
#include "FormTimer.h"
#include "LookupPage.h"
#include "MainWindowFixture.h"
#include "ProgramFolder.h"
#include "SoundFile.h"
#include "SpeechEngine.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <sys/stat.h>

using namespace ortelia;
using namespace ortelia::test;

namespace {
const QByteArray kProfile = "#voice=name:lgx.en.bill#\r\n";
const QString kHelpVoice =
    QStringLiteral("#voice=name:lgx.de.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#");
} // namespace

class TranslatorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgramFolder> folder;
    std::unique_ptr<TestServices> program;
    SpeechLog speechLog;

    QString label(const char *name) { return control<QLabel>(name)->text(); }
    QByteArray file(const QString &name) { return folder->readBytes(name); }
    QString log() { return speechLog.lines().join(QLatin1Char('\n')); }
    Form3 *openTranslator()
    {
        Form3 *f = shown();
        control<QPushButton>("Command13")->click();
        return f;
    }
    void type(const char *field, const QString &text, bool enter = true)
    {
        QLineEdit *edit = control<QLineEdit>(field);
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, text);
        if (enter)
            QTest::keyClick(edit, Qt::Key_Return);
    }

private slots:
    void init()
    {
        QFile::remove(speechLog.path());
        folder = std::make_unique<TempProgramFolder>();
        folder->writeBytes(QStringLiteral("stimm2.txt"), kProfile);
        folder->writeBytes(QStringLiteral("syso/reg2.txt"), "False\r\nTrue\r\nFalse\r\nTrue\r\nFalse\r\n");
        program = registerMainWindows();
    }
    void cleanup()
    {
        program->speaker.engine().stop();
        program.reset();
        folder.reset();
    }

    void refusedDictionaryIsSaidOnce()
    {
        // A FIFO in the dictionary's place would hold the window for good; it is refused unread.
        const QString dictionary = folder->file(QStringLiteral("TranslateDeGb/DeEn.txt"));
        QVERIFY(QFile::remove(dictionary));
        QCOMPARE(::mkfifo(QFile::encodeName(dictionary).constData(), 0600), 0);
        RecordingResponder responder;
        openTranslator();
        type("TextD", QStringLiteral("Hallo"));
        QTRY_VERIFY(!responder.texts().isEmpty());
        type("TextD", QStringLiteral("Haus"));
        QTest::qWait(700);
        QCOMPARE(responder.texts(), dictionaryFailureMessages());
        QCOMPARE(label("lblText"), QString());
    }

    void typedWordIsShownAndSpokenInTheProfileVoice()
    {
        openTranslator();
        type("TextD", QStringLiteral("Hallo"));
        QTRY_COMPARE(label("lblText"), QStringLiteral("hello"));
        QCOMPARE(label("Label21G"), QStringLiteral("hallo"));
        QCOMPARE(label("Label21"), QStringLiteral("Gruss"));
        QCOMPARE(file(QStringLiteral("erkennung.txt")), kProfile + "hello\r\n");
        QTRY_VERIFY(log().contains(QStringLiteral("hello")));
        QVERIFY(log().contains(QStringLiteral("lgx.en.bill")));
        QVERIFY(!control<FormTimer>("Timer1T")->isEnabled());

        // The other way round speaks the German side, in the profile's speaker in German.
        type("TextEng", QStringLiteral("House"));
        QTRY_COMPARE(label("Label21G"), QStringLiteral("haus"));
        QCOMPARE(label("lblText"), QStringLiteral("house"));
        QCOMPARE(file(QStringLiteral("erkennung.txt")), QByteArray("#voice=name:lgx.de.bill#\r\nhaus\r\n"));
        QTRY_VERIFY(log().contains(QStringLiteral("lgx.de.bill")));
    }

    // A wildcard alone is no word: nothing is searched, nothing answered (not the language record "??").
    void wildcardsAloneAreNotSearched_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("star") << QStringLiteral("*");
        QTest::newRow("language record") << QStringLiteral("??");
        QTest::newRow("blanks around") << QStringLiteral(" * ");
    }
    void wildcardsAloneAreNotSearched()
    {
        QFETCH(QString, typed);
        openTranslator();
        type("TextD", QStringLiteral("Hallo"));
        QTRY_COMPARE(label("lblText"), QStringLiteral("hello"));
        QTRY_VERIFY(!control<FormTimer>("Timer1T")->isEnabled());
        type("TextD", typed);
        QVERIFY(!control<FormTimer>("Timer1T")->isEnabled());
        QTest::qWait(1000);
        QCOMPARE(label("lblText"), QStringLiteral("hello"));
    }

    void germanFrenchSpeaksTheFrenchWord()
    {
        openTranslator();
        type("TextD", QStringLiteral("hallo"));
        QTRY_COMPARE(label("Label21"), QStringLiteral("Gruss"));
        control<QPushButton>("land1")->click();
        control<QPushButton>("DeFr")->click();
        QCOMPARE(label("lblText"), QStringLiteral("Französisch"));
        QCOMPARE(label("Label21"), QString()); // the English note goes with its pair
        type("TextD", QStringLiteral("Haus"));
        QTRY_COMPARE(label("lblText"), QStringLiteral("maison"));
        // In the profile's speaker, in French.
        QTRY_VERIFY(log().contains(QStringLiteral("\tmaison")));
        QVERIFY2(log().contains(QRegularExpression(QStringLiteral("(^|\n)lgx\\.fr\\.[^\n]*\tmaison"))), qPrintable(log()));
    }

    void withoutProfileTheStandardSpeakerSpeaksTheLanguage()
    {
        QVERIFY(QFile::remove(folder->file(QStringLiteral("stimm2.txt"))));
        openTranslator();
        type("TextD", QStringLiteral("hallo"));
        QTRY_COMPARE(file(QStringLiteral("erkennung.txt")), QByteArray("#voice=name:lgx.en.bill#hello\r\n"));
    }

    void aSecondSearchBeforeTheFetchWins()
    {
        openTranslator();
        type("TextD", QStringLiteral("hallo"));
        type("TextD", QStringLiteral("haus"));
        QTRY_COMPARE(label("lblText"), QStringLiteral("house"));
        QCOMPARE(file(QStringLiteral("erkennung.txt")), kProfile + "house\r\n");
        QTest::qWait(700);
        QCOMPARE(log().count(QStringLiteral("hello")), 0);
    }

    void missingPageKeepsTheLabels()
    {
        QVERIFY(QFile::remove(folder->file(QStringLiteral("T2"))));
        openTranslator();
        type("TextD", QStringLiteral("hallo"));
        QTRY_VERIFY(!control<FormTimer>("Timer1T")->isEnabled());
        QCOMPARE(label("lblText"), QStringLiteral("Englisch"));
        QCOMPARE(label("Label21G"), QStringLiteral("Deutsch"));
        QCOMPARE(file(QStringLiteral("erkennung.txt")), kProfile + "Englisch\r\n");
    }

    void aVeryLongWordIsHarmless()
    {
        openTranslator();
        control<QLineEdit>("TextD")->setText(QString(10000, QLatin1Char('W')));
        QCOMPARE(control<QLineEdit>("TextD")->text(), QString(10000, QLatin1Char('w')));
        QTest::keyClick(control("TextD"), Qt::Key_Return);
        QTRY_VERIFY(!control<FormTimer>("Timer1T")->isEnabled());
        type("TextD", QStringLiteral("hallo"));
        QTRY_COMPARE(label("lblText"), QStringLiteral("hello"));
    }

    void dictationSearchesAtTheBlank()
    {
        openTranslator();
        QTest::mouseClick(control("Label24"), Qt::LeftButton);
        QLineEdit *dictated = control<QLineEdit>("Text2");
        QTRY_VERIFY(dictated->hasFocus());
        control<QScrollBar>("HScroll3")->setValue(1500);
        control<QCheckBox>("Check3")->setChecked(true);
        dictated->clear();
        QTest::keyClicks(dictated, QStringLiteral("hallo"));
        QTest::keyClick(dictated, Qt::Key_Space);
        QCOMPARE(dictated->text(), QStringLiteral(" "));
        QVERIFY(control<FormTimer>("Timer1T")->isActive());
        QTRY_COMPARE(label("lblText"), QStringLiteral("hello"));
        QTest::keyClicks(dictated, QStringLiteral("hund"));
        QCOMPARE(dictated->text(), QStringLiteral(" hund"));
        // The pause after the last word searches it, with the blank in front of it.
        QTRY_COMPARE(dictated->text(), QString());
        QTRY_VERIFY(label("lblText") != QLatin1String("hello"));
    }

    void resultLabelsAreSpokenAgain()
    {
        openTranslator();
        type("TextD", QStringLiteral("hallo"));
        QTRY_COMPARE(label("Label21G"), QStringLiteral("hallo"));
        QTest::mouseClick(control("Label21G"), Qt::LeftButton);
        QCOMPARE(file(QStringLiteral("hilfe.txt")), QByteArray("#voice=name:lgx.de.bill#hallo\r\n"));
        QTest::mouseClick(control("Label21"), Qt::LeftButton);
        QCOMPARE(file(QStringLiteral("hilfe.txt")), kProfile + "Gruss\r\n");
        QTRY_VERIFY(log().contains(QStringLiteral("Gruss")));
    }

    void chosenDictionaryTellsItsLanguages()
    {
        QVERIFY(LookupPage::write(ProgramFolder::path(QStringLiteral("TranslateDeGb/sysx")),
                                  QStringLiteral("DeFr")));
        openTranslator();
        emit program->requests.dictionaryChosen(Served::Translator);
        // The page is given a second, and the names three more.
        QTRY_COMPARE_WITH_TIMEOUT(control<QLineEdit>("Text6")->text(), QStringLiteral("Frazösisch"), 10000);
        QCOMPARE(control<QLineEdit>("Text5")->text(), QStringLiteral("Deutsch"));
        QCOMPARE(control<QPushButton>("suche")->text(), QStringLiteral("Deutsch"));
        QCOMPARE(control<QPushButton>("englisch")->text(), QStringLiteral("Frazösisch"));
        QTRY_COMPARE(file(QStringLiteral("hilfe.txt")), QByteArray("#voice=name:lgx.de.bill#Deutsch+Fraz\xf6sisch\r\n"));
        QCOMPARE(program->state.translatorPair.second(), QStringLiteral("Frazösisch"));
        // The names are said once, and the record "??" is neither shown nor spoken.
        QTRY_VERIFY(log().contains(QStringLiteral("Deutsch+Frazösisch")));
        QCOMPARE(log().count(QStringLiteral("Deutsch")), 1);
        QVERIFY(label("Label21G") != QStringLiteral("??"));
        QVERIFY(control("PictureFr")->isHidden());
        QVERIFY(control("Picture1U1")->isHidden());
        type("TextD", QStringLiteral("haus"));
        QTRY_COMPARE(label("lblText"), QStringLiteral("maison"));
    }

    void unknownWordIsSaidInTheHelpLine()
    {
        openTranslator();
        type("TextD", QStringLiteral("Blorptzuk"));
        QTRY_COMPARE(program->windows.window(QStringLiteral("hilfe1"))
                         ->findChild<QLabel *>(QStringLiteral("HLabel1"))
                         ->text(),
                     QStringLiteral("„blorptzuk“ steht nicht im Wörterbuch."));
        QCOMPARE(label("lblText"), QString());
    }

    // Where the answer would stand: the word is not there, and the dictionary's words spelt like it
    // in the language of the direction, across umlaut spellings; Enter on one looks it up.
    void misspeltWordsGetSuggestions()
    {
        openTranslator();
        QTest::keyClick(control("TextD"), Qt::Key_F11);
        auto *line = control<QLabel>("notFoundLine");
        type("TextD", QStringLiteral("huas"));
        QTRY_VERIFY(line->isVisible());
        // Hunspell may add forms the dictionary answers through their base form.
        const QString said = QTextDocumentFragment::fromHtml(line->text()).toPlainText();
        QVERIFY2(said.startsWith(QStringLiteral("„huas“ steht nicht im Wörterbuch. Meinten Sie: haus")), qPrintable(said));
        QVERIFY(said.endsWith(u'?'));
        QTRY_VERIFY(log().contains(said));
        QCOMPARE(label("lblText"), QString());

        type("TextD", QStringLiteral("hallochen"));
        QTRY_VERIFY2(line->text().contains(QStringLiteral("Meinten Sie: <a href=\"0\">hallöchen</a>")),
                     qPrintable(line->text()));
        type("TextEng", QStringLiteral("hous"));
        QTRY_VERIFY(line->text().contains(QStringLiteral("„hous“")));
        QVERIFY(line->text().contains(QStringLiteral(">house</a>")));
        // Tab reaches the suggestions; Enter looks the first up, in the direction it was asked.
        line->setFocus(Qt::TabFocusReason);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_COMPARE(label("Label21G"), QStringLiteral("haus"));
        QVERIFY(line->isHidden());

        type("TextD", QStringLiteral("ich gehe nach hause"));
        QTRY_VERIFY(line->isVisible());
        QVERIFY(line->text().endsWith(QStringLiteral("Ganze Sätze übersetzt der Text-Übersetzer.")));
    }

    // Under the field, the dictionary's words that begin with the letters typed; Enter without
    // picking searches what was typed, as it always did.
    void typedLettersListTheDictionarysWords()
    {
        openTranslator();
        auto *list = control<QListWidget>("wordListD");
        type("TextD", QStringLiteral("hal"), false);
        QVERIFY(list->isVisible());
        QStringList words;
        for (int row = 0; row < list->count(); ++row)
            words << list->item(row)->text();
        QCOMPARE(words, QStringList({"hallo", "hallöchen"}));
        QCOMPARE(list->currentRow(), -1);
        QTest::keyClick(control("TextD"), Qt::Key_Return);
        QCOMPARE(control<QLineEdit>("TextD")->text(), QString());
        QVERIFY(list->isHidden());
        QTRY_VERIFY(control<QLabel>("notFoundLine")->text().startsWith(QStringLiteral("„hal“")));

        type("TextD", QStringLiteral("hal"), false);
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return})
            QTest::keyClick(control("TextD"), key);
        QTRY_COMPARE(label("lblText"), QStringLiteral("hello"));
        QCOMPARE(control<QLineEdit>("TextD")->text(), QString());

        type("TextEng", QStringLiteral("ca"), false);
        auto *foreign = control<QListWidget>("wordListEng");
        QVERIFY(foreign->isVisible());
        const QList<QListWidgetItem *> car = foreign->findItems(QStringLiteral("car"), Qt::MatchExactly);
        QCOMPARE(car.size(), 1);
        QTRY_VERIFY(!foreign->visualItemRect(car[0]).isEmpty());
        QTest::mouseClick(foreign->viewport(), Qt::LeftButton, {}, foreign->visualItemRect(car[0]).center());
        QTRY_COMPARE(label("Label21G"), QStringLiteral("auto"));
        QVERIFY(foreign->isHidden());
    }

    // The answer can be copied: the context menu "Kopieren", and Ctrl+C on a selected word.
    void answerCanBeCopied()
    {
        openTranslator();
        type("TextD", QStringLiteral("hallo"));
        QTRY_COMPARE(label("lblText"), QStringLiteral("hello"));
        QApplication::clipboard()->clear();
        QLabel *answer = control<QLabel>("lblText");
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (const QAction *action : menu->actions())
                    offered << action->text();
                menu->actions().first()->trigger();
                menu->close();
            }
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), answer->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(answer, &menuEvent);
        QCOMPARE(offered, QStringList{QStringLiteral("Kopieren")});
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("hello"));

        QLabel *german = control<QLabel>("Label21G");
        QTest::mouseDClick(german, Qt::LeftButton, {}, QPoint(5, german->height() / 2));
        QCOMPARE(german->selectedText(), QStringLiteral("hallo"));
        QTest::keyClick(german, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("hallo"));
    }

    // Under the answer the grammar of its German word, in both directions, copied like the answer;
    // a word the grammar table does not hold leaves the line empty.
    void grammarUnderTheAnswer()
    {
        openTranslator();
        type("TextD", QStringLiteral("haus"));
        QTRY_COMPARE(label("lblText"), QStringLiteral("house"));
        QCOMPARE(label("grammarLine"), QStringLiteral("das Haus, die Häuser   /hˈaʊs/"));
        type("TextEng", QStringLiteral("go"));
        QTRY_COMPARE(label("Label21G"), QStringLiteral("gehen"));
        QCOMPARE(label("grammarLine"), QStringLiteral("gehen, ging, ist gegangen   /ɡˈeːən/"));

        QApplication::clipboard()->clear();
        QTimer::singleShot(0, [] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                menu->actions().first()->trigger();
                menu->close();
            }
        });
        QLabel *grammar = control<QLabel>("grammarLine");
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), grammar->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(grammar, &menuEvent);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("gehen, ging, ist gegangen   /ɡˈeːən/"));

        type("TextD", QStringLiteral("hallo"));
        QTRY_COMPARE(label("lblText"), QStringLiteral("hello"));
        QCOMPARE(label("grammarLine"), QString());
    }

    void aWordFromAnotherWindowIsLookedUp()
    {
        openTranslator();
        emit program->requests.lookUpWord(QStringLiteral("House"), TextDirection::Foreign);
        QCOMPARE(control<QLineEdit>("TextEng")->text(), QStringLiteral("house"));
        QTRY_COMPARE(label("Label21G"), QStringLiteral("haus"));
        QCOMPARE(file(QStringLiteral("erkennung.txt")), QByteArray("#voice=name:lgx.de.bill#\r\nhaus\r\n"));
    }

    void windowTextClockAndVolume()
    {
        openTranslator();
        control<QLabel>("Label1")->setText(QStringLiteral("Guten Morgen"));
        QTest::mouseClick(control("Label1"), Qt::LeftButton);
        QCOMPARE(file(QStringLiteral("hilfe.txt")),
                 (kHelpVoice + QStringLiteral("\r\nGuten Morgen\r\n")).toLatin1());
        QTRY_VERIFY(log().contains(QStringLiteral("Guten Morgen")));
        QVERIFY(log().contains(QStringLiteral("lgx.de.silkrvlg")));

        control<QPushButton>("uhrdatum")->click();
        static const QRegularExpression clock(
            QStringLiteral("^\\d\\d:\\d\\d:\\d\\dUhr\\.    \\d\\d\\.\\d\\d\\.\\d{4}$"));
        QVERIFY2(clock.match(label("Label1")).hasMatch(), qPrintable(label("Label1")));
        QVERIFY(file(QStringLiteral("hilfe.txt"))
                    .endsWith((label("Label1") + QStringLiteral("\r\n")).toLatin1()));
        QTRY_VERIFY(!label("uhr1").startsWith(QLatin1String("Uhr")));

        control<QScrollBar>("HScroll1")->setValue(32767);
        QTRY_COMPARE(program->speaker.engine().rightGain(), 0.0);
        QCOMPARE(program->speaker.engine().leftGain(), 1.0);
        control<QCheckBox>("Check5")->setChecked(true);
        QCOMPARE(control<QScrollBar>("HScroll2")->value(), 32767);
        QCOMPARE(control<QCheckBox>("Check5")->text(), QStringLiteral("Ton Ein"));
        QTRY_COMPARE(program->speaker.engine().leftGain(), 0.0);
        control<QCheckBox>("Check5")->setChecked(false);
        QTRY_COMPARE(program->speaker.engine().leftGain(), 1.0);
        QCOMPARE(program->speaker.engine().rightGain(), 1.0);
    }

    void muteSilencesSoundEffects()
    {
        // The tray and the list translator mute through the shared state.
        shown();
        program->state.muted.set(true);
        QTRY_COMPARE(SoundVolume(), 0.0);
        program->state.muted.set(false);
        control<QScrollBar>("HScroll2")->setValue(32767);
        QTRY_COMPARE(SoundVolume(), 1.0);
        control<QScrollBar>("HScroll1")->setValue(16384);
        QTRY_VERIFY(SoundVolume() < 0.5);
    }

    void hoverHelpIsHeardWithAutomaticReading()
    {
        openTranslator();
        QTest::keyClick(control("TextD"), Qt::Key_F11);
        QTest::mouseMove(control("Label22ZU"), QPoint(3, 3));
        QTRY_COMPARE(file(QStringLiteral("hilfe.txt")),
                     (kHelpVoice + QStringLiteral("\r\nTranslator schließen!\r\n")).toLatin1());
        QTRY_VERIFY(log().contains(QStringLiteral("Translator schließen!")));
        QTest::keyClick(control("TextD"), Qt::Key_F8);
        QTest::mouseMove(control("Label7"), QPoint(3, 3));
        QTRY_COMPARE(program->windows.window(QStringLiteral("hilfe1"))
                         ->findChild<QLabel *>(QStringLiteral("HLabel1"))
                         ->text(),
                     QStringLiteral("Alle Fenster schließen. Programm Ende."));
        QVERIFY(!file(QStringLiteral("hilfe.txt")).contains("Programm Ende"));
    }

    void endingStopsSpeech_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("Label7") << "Label7";
        QTest::newRow("close box") << "close";
        QTest::newRow("F3 only stops") << "F3";
    }
    void endingStopsSpeech()
    {
        QFETCH(QString, path);
        Form3 *f = openTranslator();
        control<QLabel>("Label1")->setText(
            QString(40, QLatin1Char(' '))
                .replace(QLatin1Char(' '), QStringLiteral("Ein langer Satz zum Vorlesen. ")));
        QTest::mouseClick(control("Label1"), Qt::LeftButton);
        QTRY_VERIFY(program->speaker.engine().isSpeaking());
        if (path == QLatin1String("Esc"))
            QTest::keyClick(control("TextD"), Qt::Key_Escape);
        else if (path == QLatin1String("F3"))
            QTest::keyClick(control("TextD"), Qt::Key_F3);
        else if (path == QLatin1String("Label7"))
            QTest::mouseClick(control("Label7"), Qt::LeftButton);
        else
            f->close();
        QTRY_VERIFY(!program->speaker.engine().isSpeaking());
        QCOMPARE(f->isVisible(), path == QLatin1String("F3"));
    }
};

QTEST_MAIN(TranslatorTest)
#include "tst_translator.moc"
