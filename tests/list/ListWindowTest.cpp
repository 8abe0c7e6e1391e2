// The list translator on the assembled program folder with the small test dictionaries, speaking
// into the speech log; boxes are answered by the recording responder.

#include "ListTests.h"

#include "DictionaryFile.h"
#include "DictionaryFormat.h"
#include "HoverHelp.h"
#include "ProgramWindows.h"
#include "SpeechEngine.h"
#include "WindowRegistry.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include <sys/stat.h>

using namespace ortelia;
using namespace ortelia::test;

namespace {

const QString kSeparator = QString(8, QLatin1Char('\\'));
const char *kLists[] = {"List1", "List2", "List3", "List4"};

QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

} // namespace

QWidget *ListWindowTest::window()
{
    return program->windows.window(windows::supertrans1);
}

template <class T> T *ListWindowTest::c(const char *name)
{
    T *found = window()->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void ListWindowTest::open(bool realDictionaries)
{
    cleanup();
    folder = std::make_unique<TempProgramFolder>(realDictionaries);
    responder = std::make_unique<RecordingResponder>();
    program = std::make_unique<TestServices>();
    registerProgramWindows(program->services);
    program->windows.window(windows::Form3)->show();
    window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    // The load check finishes the progress display and hands the first field the focus.
    QTRY_VERIFY_WITH_TIMEOUT(c<QLineEdit>("Text3")->hasFocus(), 3000);
    speechLog.newLines();
}

void ListWindowTest::typeInto(const char *field, const QString &text)
{
    auto *edit = c<QLineEdit>(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void ListWindowTest::enter(const char *field)
{
    QTest::keyClick(c<QLineEdit>(field), Qt::Key_Return);
}

void ListWindowTest::choose(const QString &fileName, const std::function<void()> &afterListing)
{
    QTest::mouseClick(c<QPushButton>("land"), Qt::LeftButton);
    if (afterListing)
        afterListing();
    auto *files = c<QListWidget>("File1");
    const QList<QListWidgetItem *> found = files->findItems(fileName, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(fileName));
    files->setCurrentItem(found[0]);
    QTest::mouseClick(c<QPushButton>("uebernehmen"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!c<QProgressBar>("ProgressBar1")->isVisible(), 15000);
}

bool ListWindowTest::heard(const QString &text)
{
    // Speech follows playback at real-time pace, behind whatever was said before.
    QStringList said;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        said += speechLog.newLines();
        if (said.join(QLatin1Char('\n')).contains(text))
            return true;
        QTest::qWait(50);
    }
    return false;
}

QString ListWindowTest::currentLine()
{
    return c<QLineEdit>("Text4")->text();
}

QList<int> ListWindowTest::visibleLists()
{
    QList<int> shown;
    for (int i = 0; i < 4; ++i) {
        if (c<QListView>(kLists[i])->isVisible())
            shown << i + 1;
    }
    return shown;
}

int ListWindowTest::count(int list)
{
    auto *view = c<QListView>(kLists[list - 1]);
    return view->model()->rowCount(view->rootIndex());
}

QColor ListWindowTest::background(const char *field)
{
    return c<QWidget>(field)->palette().color(QPalette::Base);
}

void ListWindowTest::writeDictionary(const QString &name, const QByteArray &bytes)
{
    folder->writeBytes(QStringLiteral("TranslateDeGb/") + name, bytes);
}

void ListWindowTest::init()
{
    open();
}

void ListWindowTest::cleanup()
{
    if (program)
        program->speaker.stop();
    program.reset();
    responder.reset();
    folder.reset();
}

void ListWindowTest::openingLoadsTheExample()
{
    QCOMPARE(window()->windowTitle(), QStringLiteral("Listen-Translator"));
    QCOMPARE((QList<int>{count(1), count(2), count(3), count(4)}), (QList<int>{3, 1, 4, 2}));
    QVERIFY(visibleLists().isEmpty());
    QTest::mouseClick(c<QLabel>("beschreibung1"), Qt::LeftButton);
    QVERIFY(c<QLabel>("Label4")->text().startsWith(QLatin1String("Beispiel: [Woerterbuch-Muster.txt]")));
    QCOMPARE(background("Text3"), HoverHelp::yellow());
    QVERIFY(!c<QProgressBar>("ProgressBar1")->isVisible());
    QVERIFY(!c<QPushButton>("speichern")->isEnabled());
    QVERIFY(responder->requests.isEmpty());
    // "^ S&timme ^" shows the voice settings window.
    QTest::mouseClick(c<QPushButton>("stimmmuster"), Qt::LeftButton);
    QVERIFY(program->windows.existing(windows::Logox4) &&
            program->windows.existing(windows::Logox4)->isVisible());
}

void ListWindowTest::wholeWordAndPrefixSearch()
{
    for (const QString &typed : {QStringLiteral("auto"), QStringLiteral("Auto")}) {
        typeInto("Text3", typed);
        QCOMPARE(visibleLists(), QList<int>{2});
        QCOMPARE(c<QListView>("List2")->currentIndex().row(), 0);
        QCOMPARE(c<QLineEdit>("Text1")->text(), typed + QLatin1Char(';'));
        QCOMPARE(background("Text3"), HoverHelp::yellow());
        QCOMPARE(currentLine(), QStringLiteral("auto;car;"));
        QCOMPARE(c<QLineEdit>("Text5")->text(), QStringLiteral("auto  -  car  -  "));
    }
    typeInto("Text3", QStringLiteral("au"));
    QVERIFY(visibleLists().isEmpty());
    QCOMPARE(background("Text3"), QColor(Qt::white));
    typeInto("Text1", QStringLiteral("au"));
    QCOMPARE(visibleLists(), QList<int>{2});
    QCOMPARE(currentLine(), QStringLiteral("auto;car;"));
}

// Hits in several sections show each list; the last section with a hit gives the current line.
void ListWindowTest::prefixSearchAcrossSections()
{
    writeDictionary(QStringLiteral("Grenze.txt"),
                    crlf({"ab;off;", "\u00e4rger;anger;", kSeparator, "hauen;hit;", kSeparator, "haus;house;",
                          kSeparator, "zu;to;"}));
    choose(QStringLiteral("Grenze.txt"));
    QTRY_VERIFY(!c<QProgressBar>("ProgressBar1")->isVisible());
    QCOMPARE(c<QLabel>("Label3")->text(), QStringLiteral("Land"));
    typeInto("Text1", QStringLiteral("hau"));
    QCOMPARE(visibleLists(), (QList<int>{2, 3}));
    QCOMPARE(currentLine(), QStringLiteral("haus;house;"));
    typeInto("Text1", QStringLiteral("haue"));
    QCOMPARE(visibleLists(), QList<int>{2});
    QCOMPARE(currentLine(), QStringLiteral("hauen;hit;"));
    typeInto("Text1", QStringLiteral("Ä"));
    QCOMPARE(visibleLists(), QList<int>{1});
    QCOMPARE(currentLine(), QStringLiteral("ärger;anger;"));
}

void ListWindowTest::enterReadsTheTranslation()
{
    typeInto("Text3", QStringLiteral("auto"));
    enter("Text3");
    // The user's voice (the first-run profile) says the English word in English.
    QTRY_COMPARE(folder->readBytes(QStringLiteral("hilfe.txt")),
                 QByteArray("\"#voice=name:lgx.en.bill#car\"\r\n"));
    QVERIFY(heard(QStringLiteral("car")));
    // The lower field is cleared and takes the focus (the focus box is clear).
    QVERIFY(c<QLineEdit>("Text1")->hasFocus());
    QVERIFY(c<QLineEdit>("Text1")->text().isEmpty());

    // The voice box puts the profile's first line in front: the same speaker in the list's language.
    folder->writeBytes(QStringLiteral("stimm2.txt"), "#voice=name:lgx.de.silke#\r\n#spd=100%#\r\n");
    c<QCheckBox>("Check3")->click();
    typeInto("Text3", QStringLiteral("versuch"));
    enter("Text3");
    QTRY_COMPARE(folder->readBytes(QStringLiteral("hilfe.txt")),
                 QByteArray("\"#voice=name:lgx.en.kate#trial\"\r\n"));
    QVERIFY(heard(QLatin1String("trial")));

    // Muted: the request is written, nothing is spoken and nothing is asked.
    c<QCheckBox>("Check4")->setChecked(true);
    typeInto("Text3", QStringLiteral("auto"));
    enter("Text3");
    QTest::qWait(600);
    QVERIFY(speechLog.newLines().isEmpty());
    QVERIFY(responder->requests.isEmpty());
}

void ListWindowTest::readButtonsReadTheirFields()
{
    writeDictionary(QStringLiteral("Felder.txt"), crlf({"a;b;", kSeparator, "kopf;;K\u00f6rperteil;",
                                                        kSeparator, "c;d;", kSeparator, "e;f;"}));
    choose(QStringLiteral("Felder.txt"));
    const QString request = folder->file(QStringLiteral("hilfe.txt"));
    const auto press = [&](const char *button) {
        typeInto("Text3", QStringLiteral("kopf"));
        QFile::remove(request);
        QTest::mouseClick(c<QPushButton>(button), Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return QFile::exists(request); }))
            return QString();
        return QString::fromLatin1(folder->readBytes(QStringLiteral("hilfe.txt")));
    };
    // The German field in the profile's speaker in German; the language of the others is not known.
    QCOMPARE(press("lese1"), QStringLiteral("\"#voice=name:lgx.de.bill#kopf\"\r\n"));
    QCOMPARE(press("lese2"), QStringLiteral("\"\"\r\n"));
    QCOMPARE(press("lese3"), QStringLiteral("\"Körperteil\"\r\n"));
    QCOMPARE(press("lesegesamt"), QStringLiteral("\"kopf  -    -  Körperteil  -  \"\r\n"));
    QVERIFY(heard(QStringLiteral("Körperteil")));
}

// Down gives the focus to the visible list and moves its selection; Left reads the first field and
// ends with the input reset. With the focus box ticked, Enter empties the upper field.
void ListWindowTest::keysWalkTheListAndFocusBoxChoosesTheField()
{
    typeInto("Text1", QStringLiteral("s"));
    QCOMPARE(currentLine(), QStringLiteral("süssigkeit;sweetness;"));
    QTest::keyClick(c<QLineEdit>("Text1"), Qt::Key_Down);
    QVERIFY(c<QListView>("List3")->hasFocus());
    QCOMPARE(currentLine(), QStringLiteral("süssigkeiten;sweets;"));
    QTest::keyClick(c<QListView>("List3"), Qt::Key_Left);
    QTRY_COMPARE(folder->readBytes(QStringLiteral("hilfe.txt")),
                 QByteArray("\"#voice=name:lgx.de.bill#s\xfcssigkeiten\"\r\n"));
    QVERIFY(c<QLineEdit>("Text1")->text().isEmpty());
    // The key's last step hands the focus to the lists 0.4 s after the reading.
    QTest::qWait(600);

    c<QCheckBox>("Check1")->click();
    QCOMPARE(c<QCheckBox>("Check1")->text(), QStringLiteral("Focus 2"));
    typeInto("Text3", QStringLiteral("auto"));
    enter("Text3");
    QTRY_VERIFY(c<QLineEdit>("Text3")->text().isEmpty());
    QVERIFY(c<QLineEdit>("Text3")->hasFocus());
    QVERIFY(heard(QStringLiteral("car")));
}

// A section of 32,768 lines is too many for the lists: both messages, the example stays.
void ListWindowTest::refusedDictionaryKeepsTheLoadedOne()
{
    QStringList lines{"a;b;", kSeparator};
    for (int i = 0; i < kMaxSectionPieces; ++i)
        lines << QStringLiteral("wort%1;word;").arg(i);
    lines << kSeparator << "c;d;" << kSeparator << "e;f;";
    writeDictionary(QStringLiteral("Gross.txt"), crlf(lines));
    choose(QStringLiteral("Gross.txt"));
    QCOMPARE(responder->texts(), dictionaryFailureMessages());
    QCOMPARE(responder->requests[1].title, QStringLiteral("Ortelia"));
    QCOMPARE(count(2), 1);
    // The name field names the dictionary still in the lists; its format message is not shown again.
    QCOMPARE(c<QLineEdit>("Text2")->text(), QStringLiteral("Woerterbuch-Muster"));
    QCOMPARE(c<QLabel>("Label3")->text(), QStringLiteral("Beispiel-Woerterbuch"));
    typeInto("Text3", QStringLiteral("auto"));
    QCOMPARE(currentLine(), QStringLiteral("auto;car;"));
    QVERIFY(!c<QProgressBar>("ProgressBar1")->isVisible());
}

void ListWindowTest::badInputIsHarmless()
{
    const QByteArray example = folder->readBytes(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"));
    writeDictionary(QStringLiteral("Ohne.txt"), crlf({"a;b;", "c;d;"}));
    writeDictionary(QStringLiteral("Binaer.txt"), QByteArray("a;b;\r\n\x00\x01\x02\r\n", 10) + example);
    writeDictionary(QStringLiteral("Weg.txt"), example);
    // A file over the bound (sparse: no disk used), and a FIFO put in place of a listed file (it
    // would wait for a writer for ever).
    QFile huge(folder->file(QStringLiteral("TranslateDeGb/Riesig.txt")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write(example) > 0 &&
            huge.resize(kMaxDictionaryBytes + 1));
    huge.close();
    const QString fifo = folder->file(QStringLiteral("TranslateDeGb/Rohr.txt"));
    writeDictionary(QStringLiteral("Rohr.txt"), example);
    const auto toFifo = [&] {
        QVERIFY(QFile::remove(fifo));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    };
    for (const char *name : {"Ohne.txt", "Binaer.txt", "Weg.txt", "Riesig.txt", "Rohr.txt"}) {
        responder->requests.clear();
        if (QLatin1String(name) == QLatin1String("Weg.txt")) {
            // Deleted after it was chosen, while the window waits before loading; typing goes on.
            QTimer::singleShot(50,
                               [&] { QFile::remove(folder->file(QStringLiteral("TranslateDeGb/Weg.txt"))); });
            QTimer::singleShot(80, [&] { c<QLineEdit>("Text1")->setText(QStringLiteral("ver")); });
        }
        choose(QLatin1String(name),
               QLatin1String(name) == QLatin1String("Rohr.txt") ? toFifo : std::function<void()>());
        QCOMPARE(responder->requests.size(), 2);
        QCOMPARE(responder->requests[0].text, QStringLiteral("Achtung: Im Woerterbuch sind Fehler"));
        QCOMPARE((QList<int>{count(1), count(2), count(3), count(4)}), (QList<int>{3, 1, 4, 2}));
    }
    // Five sections: the fifth is not shown, and nothing is said. A megabyte line loads.
    responder->requests.clear();
    writeDictionary(QStringLiteral("Fuenf.txt"),
                    crlf({"a;b;", kSeparator, "c;d;", kSeparator, "e;f;", kSeparator,
                          QString(1 << 20, QLatin1Char('g')), kSeparator, "h;i;"}));
    choose(QStringLiteral("Fuenf.txt"));
    QVERIFY(responder->requests.isEmpty());
    QCOMPARE((QList<int>{count(1), count(2), count(3), count(4)}), (QList<int>{1, 1, 1, 1}));
    typeInto("Text1", QStringLiteral("ggg"));
    QCOMPARE(visibleLists(), QList<int>{4});
    c<QLineEdit>("Text1")->setText(QString(10000, QLatin1Char('x')));
    QVERIFY(visibleLists().isEmpty());
    QCOMPARE(background("Text3"), QColor(Qt::white));
}

// Lines ending in LF or CR alone load as CR LF lines do.
void ListWindowTest::everyLineEndLoads()
{
    const QByteArray example = folder->readBytes(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"));
    writeDictionary(QStringLiteral("Lf.txt"), QByteArray(example).replace("\r\n", "\n"));
    writeDictionary(QStringLiteral("Cr.txt"), QByteArray(example).replace("\r\n", "\r"));
    responder->requests.clear();
    for (const char *name : {"Lf.txt", "Cr.txt"}) {
        choose(QLatin1String(name));
        QVERIFY(responder->requests.isEmpty());
        QCOMPARE((QList<int>{count(1), count(2), count(3), count(4)}), (QList<int>{3, 1, 4, 2}));
        QCOMPARE(c<QLineEdit>("Text2")->text(), QString::fromLatin1(name).chopped(4));
    }
    typeInto("Text3", QStringLiteral("auto"));
    QCOMPARE(currentLine(), QStringLiteral("auto;car;"));
}

void ListWindowTest::letterIsCollectedSavedAndPrinted()
{
    // Widened at the screen's right edge, the window moves to keep the letter on the screen.
    const int narrow = window()->width();
    const QRect area = window()->screen()->availableGeometry();
    window()->move(area.right() - narrow, window()->y());
    c<QCheckBox>("Check2")->click();
    QVERIFY(window()->width() > narrow);
    QVERIFY(c("Brief")->isVisible());
    QVERIFY(window()->frameGeometry().right() <= area.right());
    auto *letter = c<QPlainTextEdit>("Text6");
    QString collected;
    for (const auto &[word, translation] :
         {std::pair{"auto", "car"}, {"versuch", "trial"}, {"hallo", "hello"}}) {
        typeInto("Text3", QLatin1String(word));
        enter("Text3");
        collected += QLatin1String(translation) + QLatin1Char(' ');
        QTRY_COMPARE(letter->toPlainText(), collected);
    }
    QCOMPARE(letter->toPlainText(), QStringLiteral("car trial hello "));

    const QString path = folder->file(QStringLiteral("brief.txt"));
    responder->fileNames << path;
    QTest::mouseClick(c<QPushButton>("speichernunter"), Qt::LeftButton);
    QCOMPARE(folder->readBytes(QStringLiteral("brief.txt")), QByteArray("\"car trial hello \"\r\n"));
    QVERIFY(c<QPushButton>("speichern")->isEnabled());

    letter->setPlainText(QStringLiteral("Liebe Anna,\nüber alles."));
    QTest::mouseClick(c<QPushButton>("speichern"), Qt::LeftButton);
    QCOMPARE(folder->readBytes(QStringLiteral("brief.txt")), QByteArray("\"Liebe Anna,\r\n\xfc"
                                                                        "ber alles.\"\r\n"));

    const QString pdf = folder->file(QStringLiteral("brief.pdf"));
    qputenv("ORTELIA_PRINT_PDF", pdf.toLocal8Bit());
    responder->requests.clear();
    QTest::mouseClick(c<QPushButton>("ausdrucken"), Qt::LeftButton);
    qunsetenv("ORTELIA_PRINT_PDF");
    QCOMPARE(responder->texts(), QStringList{QStringLiteral("Achtung :Text wird zum Drucker übertragen!")});
    QProcess toText;
    toText.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(toText.waitForFinished());
    QCOMPARE(QString::fromUtf8(toText.readAllStandardOutput()).simplified(),
             QStringLiteral("Liebe Anna, über alles."));

    // "Brief lesen" reads the letter even with the sound box ticked.
    c<QCheckBox>("Check4")->setChecked(true);
    QTest::mouseClick(c<QPushButton>("brieflesen"), Qt::LeftButton);
    QVERIFY(heard(QLatin1String("alles")));
}

// The letter collects translations: it is read in the dictionary's language, by the user's voice.
void ListWindowTest::letterIsReadAsOneQuotedLine()
{
    c<QPlainTextEdit>("Text6")->setPlainText(QStringLiteral("dear Anna,\nthe car."));
    QTest::mouseClick(c<QPushButton>("brieflesen"), Qt::LeftButton);
    QCOMPARE(folder->readBytes(QStringLiteral("hilfe.txt")),
             QByteArray("\"#voice=name:lgx.en.bill#dear Anna, the car.\"\r\n"));
    // Heard from its first word on: no quote before it.
    QVERIFY(heard(QStringLiteral("dear Anna, the car.")));
}

void ListWindowTest::tabLeavesTheLetterAndCtrlTabTypesATab()
{
    auto *letter = c<QPlainTextEdit>("Text6");
    letter->setFocus();
    QTest::keyClick(letter, Qt::Key_Tab);
    QVERIFY(!letter->hasFocus());
    letter->setFocus();
    QTest::keyClick(letter, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(letter->toPlainText(), QStringLiteral("\t"));
}

// Cancelling writes nothing, an existing file is replaced only when the user agrees, and a failed
// save says so and keeps both the letter and the old file.
void ListWindowTest::savingNeverLosesTheLetter()
{
    auto *letter = c<QPlainTextEdit>("Text6");
    letter->setPlainText(QStringLiteral("neu"));
    QTest::mouseClick(c<QPushButton>("speichernunter"), Qt::LeftButton);
    QVERIFY(!c<QPushButton>("speichern")->isEnabled());

    folder->writeBytes(QStringLiteral("alt.txt"), "\"alt\"\r\n");
    const QString old = folder->file(QStringLiteral("alt.txt"));
    responder->fileNames << old;
    responder->answers << DialogAnswer::No;
    QTest::mouseClick(c<QPushButton>("speichernunter"), Qt::LeftButton);
    QCOMPARE(responder->requests.last().kind, DialogRequest::Kind::YesNo);
    QCOMPARE(folder->readBytes(QStringLiteral("alt.txt")), QByteArray("\"alt\"\r\n"));
    responder->fileNames << old;
    QTest::mouseClick(c<QPushButton>("speichernunter"), Qt::LeftButton);
    QCOMPARE(folder->readBytes(QStringLiteral("alt.txt")), QByteArray("\"neu\"\r\n"));

    // A folder that is gone: the save fails, says so, and leaves the letter in the window.
    const QString gone = folder->file(QStringLiteral("weg/brief.txt"));
    letter->setPlainText(QStringLiteral("noch neuer"));
    responder->requests.clear();
    responder->fileNames << gone;
    QTest::mouseClick(c<QPushButton>("speichernunter"), Qt::LeftButton);
    QCOMPARE(responder->texts().last(),
             QStringLiteral("Achtung : Schreibschutz entfernen [%1]!").arg(QDir::toNativeSeparators(gone)));
    QCOMPARE(letter->toPlainText(), QStringLiteral("noch neuer"));
    QCOMPARE(folder->readBytes(QStringLiteral("alt.txt")), QByteArray("\"neu\"\r\n"));
}

// The program's mute ticks the sound box; the loading at the window's start stays in the window,
// a dictionary taken with "uebernehmen" is shown in the main window too.
void ListWindowTest::soundBoxFollowsMuteAndLoadingIsShared()
{
    program->state.muted.set(true);
    QVERIFY(c<QCheckBox>("Check4")->isChecked());
    program->state.muted.set(false);
    QVERIFY(!c<QCheckBox>("Check4")->isChecked());

    Progress &progress = program->state.listProgress;
    QVERIFY(!progress.running());
    QSignalSpy started(&progress, &Progress::started);
    QSignalSpy finished(&progress, &Progress::finished);
    writeDictionary(QStringLiteral("Klein.txt"),
                    crlf({"a;b;", kSeparator, "c;d;", kSeparator, "e;f;", kSeparator, "g;h;"}));
    choose(QStringLiteral("Klein.txt"));
    QCOMPARE(started.size(), 1);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(progress.value(), 100);
}

void ListWindowTest::hoverTextsGoToHelpAndPanel()
{
    const auto hover = [&](const char *control) {
        QEvent enterEvent(QEvent::Enter);
        QCoreApplication::sendEvent(c<QWidget>(control), &enterEvent);
        return program->windows.window(windows::hilfe1)
            ->findChild<QLabel *>(QStringLiteral("HLabel1"))
            ->text();
    };
    QCOMPARE(hover("Check4"), QStringLiteral("Ton ein und ausschalten"));
    QCOMPARE(c<QLabel>("Label4")->text(), QStringLiteral("Ton ein und ausschalten\""));
    QCOMPARE(hover("exit"), QStringLiteral("[EXIT].. Fenster schließen"));
    QCOMPARE(c<QWidget>("exit")->palette().color(QPalette::Button), HoverHelp::lightRed());
    typeInto("Text3", QStringLiteral("auto"));
    QCOMPARE(hover("List2"), QStringLiteral("auto  -  car  -  "));
    QCOMPARE(hover("Text2"),
             QStringLiteral("Das Momentan geladene Wörterbuch ist .. Land Woerterbuch-Muster"));
    hover("X");
    QVERIFY(visibleLists().isEmpty());
}

// The pointer on a line shows the grammar of its German key; a key the table lacks shows none.
void ListWindowTest::lineHoverShowsTheGrammar()
{
    writeDictionary(QStringLiteral("Probe.txt"),
                    crlf({"haus;house;home", kSeparator, "tisch;table;", kSeparator, "und;and;", kSeparator, "zu;to;"}));
    choose(QStringLiteral("Probe.txt"));
    QTRY_VERIFY(!c<QProgressBar>("ProgressBar1")->isVisible());
    const auto hoverLine = [&](const char *word, const char *list) {
        typeInto("Text1", QString::fromUtf8(word));
        auto *view = c<QListView>(list);
        const QPoint at = view->visualRect(view->currentIndex()).center();
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(view->viewport(), &help);
        const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
        QToolTip::hideText();
        // A tooltip that stays would answer the next hover.
        return QTest::qWaitFor([] { return !QToolTip::isVisible(); }) ? shown : QStringLiteral("(bleibt)");
    };
    QCOMPARE(hoverLine("haus", "List1"), QStringLiteral("Grammatik: das Haus, die Häuser\nAussprache: /hˈaʊs/"));
    QCOMPARE(hoverLine("tisch", "List2"), QString());
}

// The whole DeEn of FreeDict: about 130,000 lines in four lists; "hau" and Enter speak English.
void ListWindowTest::realDictionaryFindsHau()
{
    open(true);
    choose(QStringLiteral("DeEn.txt"));
    QCOMPARE(c<QLabel>("Label3")->text(), QStringLiteral("Deutsch-Englisch"));
    QVERIFY(count(1) + count(2) + count(3) + count(4) > 100000);
    typeInto("Text1", QStringLiteral("hau"));
    QVERIFY(currentLine().startsWith(QLatin1String("hau")));
    const QString translation = currentLine().section(QLatin1Char(';'), 1, 1);
    QVERIFY(!translation.isEmpty());
    enter("Text1");
    QVERIFY(heard(translation));
}
