#include "FormTimer.h"
#include "HoverHelp.h"
#include "MainWindowFixture.h"
#include "OptionsPanel.h"
#include "ProgramFolder.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

using namespace ortelia;
using namespace ortelia::test;

class Form3Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgramFolder> folder;
    std::unique_ptr<TestServices> program;
    int programEnds = 0;

    QWidget *help() { return program->windows.window(QStringLiteral("hilfe1")); }
    QString helpText() { return help()->findChild<QLabel *>(QStringLiteral("HLabel1"))->text(); }
    FormTimer *timer(const char *name) { return control<FormTimer>(name); }
    QByteArray reg2() { return folder->readBytes(QStringLiteral("syso/reg2.txt")); }

private slots:
    void initTestCase() { qputenv("ORTELIA_AUDIO", "null"); }
    void init()
    {
        folder = std::make_unique<TempProgramFolder>();
        program = registerMainWindows();
        programEnds = 0;
        connect(&program->requests, &ProgramRequests::endProgram, this, [this] { ++programEnds; });
    }
    void cleanup()
    {
        program.reset();
        folder.reset();
    }

    // ---- start settings and the options panel ----

    void startSettingsStartNormallyAndSetTheSpeed()
    {
        const QByteArray written = "False\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n";
        folder->writeBytes(QStringLiteral("syso/reg2.txt"), written);
        QVERIFY(form());
        QVERIFY(!control<QRadioButton>("Option1_0")->isChecked());
        QVERIFY(control<QRadioButton>("Option1_1")->isChecked());
        QVERIFY(control<QRadioButton>("Option3_0")->isChecked());
        QVERIFY(!control<QRadioButton>("Option3_1")->isChecked());
        QCOMPARE(control<OptionsPanel>("Frame1")->SelectedOptionIndex(QStringLiteral("Option1")), 1);
        QCOMPARE(program->state.readingSpeed.value(), 1500);
        const QWidget *text = program->windows.existing(windows::TextUeberA);
        QVERIFY(!text || !text->isVisible());
        // Reading the settings does not write them.
        QCOMPARE(reg2(), written);
        // The start-up help text, which created the help window hidden.
        QCOMPARE(helpText(), QStringLiteral("Sprechendes Translator-Wörterbuch  deutsch-englisch! "));
        QVERIFY(!help()->isVisible());
        QCOMPARE(control<QLabel>("Label17")->text(), ProgramFolder::root() + QLatin1Char('\\'));
        QCOMPARE(form()->windowTitle(), QStringLiteral("Ortelia Zuzadivi Zeverovazur"));
    }

    void noStartModeSelectedIsIndexZero()
    {
        folder->writeBytes(QStringLiteral("syso/reg2.txt"), "False\r\nFalse\r\nFalse\r\nFalse\r\nTrue\r\n");
        QVERIFY(form());
        QCOMPARE(control<OptionsPanel>("Frame1")->SelectedOptionIndex(QStringLiteral("Option1")), 0);
        QCOMPARE(control<OptionsPanel>("Frame1")->SelectedOptionIndex(QStringLiteral("Option3")), 2);
        // The start mode then runs the clipboard translator's open button.
        QSignalSpy opened(control<QPushButton>("Command8"), &QPushButton::clicked);
        control<QPushButton>("Command1A")->click();
        QCOMPARE(opened.size(), 1);
        folder->writeBytes(QStringLiteral("syso/reg2.txt"), "False\r\nTrue\r\nFalse\r\nTrue\r\nFalse\r\n");
        control<QPushButton>("cmdAuslesen")->click();
        control<QPushButton>("Command1A")->click();
        QCOMPARE(opened.size(), 1);
    }

    void junkInTheSettingsKeepsTheDesignState()
    {
        folder->writeBytes(QStringLiteral("syso/reg2.txt"), QByteArray("Quatsch\r\n\xff\xfe\r\n-1\r\n"));
        QVERIFY(form());
        // Unreadable lines leave the buttons as they are; "-1" is true.
        QVERIFY(control<QRadioButton>("Option1_1")->isChecked());
        QVERIFY(control<QRadioButton>("Option3_0")->isChecked());
        QVERIFY(!control<QRadioButton>("Option3_1")->isChecked());
        // A missing file as well.
        cleanup();
        init();
        QVERIFY(form());
        QVERIFY(control<QRadioButton>("Option1_1")->isChecked());
        QVERIFY(control<QRadioButton>("Option3_1")->isChecked());
    }

    void optionsPanelSavesOnlyThroughLabel13()
    {
        Form3 *f = shown();
        QWidget *panel = control("Frame1");
        QCOMPARE(panel->y(), 565);
        control<QPushButton>("op")->click();
        QCOMPARE(panel->y(), 65);
        QTest::mouseClick(control("Label11"), Qt::LeftButton);
        QCOMPARE(panel->y(), 62);
        QTest::mouseClick(control("Option3_2"), Qt::LeftButton, {}, QPoint(5, 9));
        QVERIFY(reg2().isEmpty());
        control<QPushButton>("schlOpti")->click();
        QCOMPARE(panel->y(), 565);
        QVERIFY(reg2().isEmpty());
        QTest::mouseClick(control("Label13"), Qt::LeftButton);
        QCOMPARE(panel->y(), 565);
        QCOMPARE(reg2(), QByteArray("False\r\nTrue\r\nFalse\r\nFalse\r\nTrue\r\n"));
        // A start-mode click saves at once.
        QTest::mouseClick(control("Option1_0"), Qt::LeftButton, {}, QPoint(5, 9));
        QCOMPARE(reg2(), QByteArray("True\r\nFalse\r\nFalse\r\nFalse\r\nTrue\r\n"));
        QVERIFY(f->isVisible());
    }

    // ---- shape and widths ----

    void theShapeComesFromTheBackground()
    {
        Form3 *f = form();
        const QRegion shape = f->mask();
        QVERIFY(!shape.isEmpty());
        QVERIFY(!shape.contains(QPoint(0, 0)));    // white corner outside the outline
        QVERIFY(!shape.contains(QPoint(500, 10))); // beside the drag tab
        QVERIFY(shape.contains(QPoint(100, 100))); // inside the panel
        Form3 *shownForm = shown();
        QTest::mouseClick(control("Label23"), Qt::LeftButton);
        QCOMPARE(shownForm->width(), Form3::kWideWidth);
        QCOMPARE(shownForm->x(), 0);
        control<QAbstractButton>("Picture13")->click();
        QCOMPARE(shownForm->width(), Form3::kNarrowWidth);
    }

    void toolsPanelLiesUnderTheOtherControls()
    {
        Form3 *f = shown();
        for (const char *name : {"Label1", "Picture13D", "PicturePlay", "Check5", "Check1"})
            QCOMPARE(f->childAt(control(name)->mapTo(f, QPoint(3, 3))), control(name));
        // Its desktop icons box keeps its place in the tab order.
        control("Hallo")->setFocus();
        QTest::keyClick(control("Hallo"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("Check1"));
    }

    // The desktop icons box turns light yellow with the focus and white again without it, in the
    // window's small font all along: its caption is never drawn larger and cut.
    void desktopIconsCaptionKeepsItsFont()
    {
        Form3 *f = shown();
        auto *box = control<QCheckBox>("Check1");
        const QFont font = box->font();
        QCOMPARE(font.pointSize(), f->font().pointSize());
        QCOMPARE(box->palette().color(QPalette::WindowText), QColor(Qt::white));
        control("Hallo")->setFocus();
        QTest::keyClick(control("Hallo"), Qt::Key_Tab);
        QVERIFY(box->hasFocus());
        QCOMPARE(box->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(box->font(), font);
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
        QCOMPARE(box->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(box->font(), font);
        QVERIFY(box->sizeHint().width() <= box->width());
    }

    void missingPictureAndSoundsLeaveAPlainWindow()
    {
        QVERIFY(QFile::remove(folder->file(QStringLiteral("art/hintergrund.svg"))));
        QDir(folder->file(QStringLiteral("Sounds"))).removeRecursively();
        Form3 *f = shown();
        QVERIFY(f->mask().isEmpty());
        QTest::mouseClick(control("Label23"), Qt::LeftButton);
        QCOMPARE(f->width(), Form3::kWideWidth);
        program->state.notificationArea.set(true);
        control<QAbstractButton>("verstecken")->click();
        QVERIFY(!f->isVisible());
    }

    // ---- keys ----

    void functionKeysReachOnlyTheirTargets()
    {
        Form3 *f = shown();
        QLineEdit *typed = control<QLineEdit>("TextD");
        typed->setFocus();
        const QString before = helpText();
        QTest::keyClick(typed, Qt::Key_F9);
        QTest::keyClick(typed, Qt::Key_F11);
        QVERIFY(program->state.helpReadsAloud.value());
        QTest::keyClick(typed, Qt::Key_F8);
        QVERIFY(!program->state.helpReadsAloud.value());
        QCOMPARE(helpText(), before);
        QCOMPARE(typed->text(), QStringLiteral("hallo"));
        QVERIFY(!help()->isVisible());
        QVERIFY(f->isVisible());
        QCOMPARE(programEnds, 0);
    }

    // Screen readers find the program's windows as windows, not as fillers.
    void windowsAreWindowsForScreenReaders()
    {
        for (const QString &name : {QString(windows::Form3), QString(windows::hilfe1)}) {
            QWidget *w = program->windows.window(name);
            QVERIFY2(w, qPrintable(name));
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::Window);
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QPushButton>("Command13"))->role(),
                 QAccessible::Button);
    }

    // "mit [ENTER] bestätigen": Enter presses the focused button, as Space does.
    void enterPressesTheFocusedButton()
    {
        shown();
        auto *button = control<QPushButton>("Command13");
        QSignalSpy pressed(button, &QAbstractButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTRY_COMPARE(pressed.size(), 1);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Enter);
        QTRY_COMPARE(pressed.size(), 2);
    }

    // Tab reaches every control the window shows, and nothing else: nothing beyond the window's
    // edge, under an open panel or in a panel out of view; a panel that opens comes right after the
    // buttons that open it; Shift+Tab goes the same way back.
    void tabVisitsWhatTheWindowShows_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("afterButtons");
        QTest::newRow("start") << QStringList{} << "PicturePlay";
        QTest::newRow("translator") << QStringList{"Command13"} << "Frame2";
        QTest::newRow("languages") << QStringList{"Command13", "land1"} << "Frame2";
        QTest::newRow("options") << QStringList{"op"} << "Frame1";
        QTest::newRow("wide") << QStringList{"Label23"} << "PicturePlay";
        QTest::newRow("folder") << QStringList{"Label12"} << "Frame7";
    }

    void tabVisitsWhatTheWindowShows()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, afterButtons);
        Form3 *f = shown();
        for (const QString &name : clicks)
            QTest::mouseClick(control(name.toUtf8().constData()), Qt::LeftButton, {}, QPoint(4, 4));
        // What a person sees of a control: the middle of its part within the window, not covered
        // by anything above it.
        const auto seen = [f](QWidget *w) {
            const QRect inWindow = QRect(w->mapTo(f, QPoint(0, 0)), w->size()) & f->rect();
            QWidget *top = f->childAt(inWindow.center());
            return w->isVisible() && !inWindow.isEmpty() && top && (top == w || w->isAncestorOf(top));
        };
        QSet<QWidget *> expected;
        for (QWidget *w : f->findChildren<QWidget *>()) {
            if (w->window() == f && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isEnabled() &&
                seen(w))
                expected << w;
        }
        QWidget *first = control("Command13");
        first->setFocus();
        // A page keeps the focus while Tab walks its links.
        const auto walk = [first](Qt::KeyboardModifiers modifiers) {
            QList<QWidget *> visited{first};
            for (int i = 0; i < 200; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
                if (QApplication::focusWidget() == first)
                    break;
                if (QApplication::focusWidget() != visited.last())
                    visited << QApplication::focusWidget();
            }
            return visited;
        };
        const QList<QWidget *> forward = walk(Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), first);
        QStringList wrong;
        for (QWidget *w : forward) {
            if (!expected.contains(w))
                wrong << QStringLiteral("visited ") + w->objectName();
        }
        for (QWidget *w : std::as_const(expected)) {
            if (!forward.contains(w))
                wrong << QStringLiteral("missed ") + w->objectName();
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
        QCOMPARE(forward.size(), expected.size());
        const qsizetype end = forward.indexOf(control("schließen"));
        QVERIFY(end > 0 && end + 1 < forward.size());
        QWidget *next = forward[end + 1];
        QVERIFY2(next == control(afterButtons.toUtf8().constData()) ||
                     control(afterButtons.toUtf8().constData())->isAncestorOf(next),
                 qPrintable(next->objectName()));

        QList<QWidget *> back = walk(Qt::ShiftModifier);
        std::reverse(back.begin() + 1, back.end());
        QCOMPARE(back, forward);
    }

    // Alt+T opens the translator as its button's caption "&Translator:" promises.
    void altTOpensTheTranslator()
    {
        Form3 *f = shown();
        control("Hallo")->setFocus();
        QTest::keyClick(f, Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(control("Frame2")->isVisible());
        QCOMPARE(control("Frame2")->x(), 133);
    }

    // ---- the single-word translator ----

    void typedSearchLowerCasesAndEnterEmpties()
    {
        shown();
        QLineEdit *typed = control<QLineEdit>("TextD");
        typed->clear();
        typed->setFocus();
        QTest::keyClicks(typed, QStringLiteral("HaLLo"));
        QCOMPARE(typed->text(), QStringLiteral("hallo"));
        QCOMPARE(typed->cursorPosition(), 5);
        QTest::keyClick(typed, Qt::Key_Return);
        QCOMPARE(typed->text(), QString());
        QVERIFY(timer("Timer1T")->isActive());
        QCOMPARE(timer("Timer1T")->interval(), 500);
        QLineEdit *foreign = control<QLineEdit>("TextEng");
        foreign->clear();
        foreign->setFocus();
        QTest::keyClicks(foreign, QStringLiteral("HOUSE"));
        QCOMPARE(foreign->text(), QStringLiteral("house"));
        QTest::keyClick(foreign, Qt::Key_Enter);
        QCOMPARE(foreign->text(), QString());
        QVERIFY(timer("Timer2T")->isActive());
        QTRY_VERIFY(!timer("Timer2T")->isActive());
    }

    void autoSearchDelayOfZeroNeverFires()
    {
        shown();
        control<QPushButton>("Command13")->click();
        QTest::mouseClick(control("Label24"), Qt::LeftButton);
        QLineEdit *dictated = control<QLineEdit>("Text2");
        QVERIFY(dictated->isVisible());
        QVERIFY(!control("TextD")->isVisible());
        QVERIFY(control("HScroll3")->isVisible());
        QVERIFY(control("Check3")->isVisible());
        QVERIFY(control("Label25")->isVisible());
        QScrollBar *delay = control<QScrollBar>("HScroll3");
        delay->setValue(0);
        QCOMPARE(control<QLabel>("Label22")->text(), QStringLiteral("0"));
        dictated->setFocus();
        dictated->clear();
        QTest::keyClicks(dictated, QStringLiteral("Haus"));
        QCOMPARE(dictated->text(), QStringLiteral("haus"));
        QVERIFY(timer("Timer4")->isEnabled());
        QVERIFY(!timer("Timer4")->isActive());
        QTest::qWait(300);
        QCOMPARE(dictated->text(), QStringLiteral("haus"));
        // A delay again: the timer ticks, searches and empties the field.
        delay->setValue(100);
        QVERIFY(timer("Timer4")->isActive());
        QTRY_COMPARE(dictated->text(), QString());
        QVERIFY(!timer("Timer4")->isEnabled());
        QTest::mouseClick(control("Label25"), Qt::LeftButton);
        QVERIFY(control("TextD")->isVisible());
        QVERIFY(!dictated->isVisible());
        QVERIFY(!control("HScroll3")->isVisible());
    }

    void miniWindowMakesTheTextTranslatorSmall()
    {
        shown();
        QWidget *text = program->windows.window(windows::TextUeberA);
        text->show();
        control<QCheckBox>("Check6")->setChecked(true);
        QCOMPARE(control<QCheckBox>("Check6")->text(), QStringLiteral("Maxi-Fenster"));
        QTRY_COMPARE(text->height(), 1);
        control<QCheckBox>("Check6")->setChecked(false);
        QTRY_COMPARE(text->height(), 7000 / 15);
    }

    void helpWindowUpdateButtonStaysUnderTheMouse()
    {
        help()->show();
        QVERIFY(QTest::qWaitForWindowExposed(help()));
        auto *updates = help()->findChild<QPushButton *>(QStringLiteral("updates"));
        const QRect before = updates->geometry();
        QTest::mouseMove(updates, QPoint(5, 5));
        QTRY_VERIFY(help()->findChild<QPushButton *>(QStringLiteral("zeiteinstellung"))->isVisible());
        QCOMPARE(updates->geometry(), before);
    }

    void clockIsReadableWhileHovered()
    {
        shown();
        QLabel *clock = control<QLabel>("uhr1");
        QTest::mouseMove(clock, QPoint(3, 3));
        QTRY_COMPARE(helpText(), QStringLiteral(" Mit Klick lese Ich die Uhrzeit!"));
        const QPalette palette = clock->palette();
        QVERIFY(qAbs(palette.color(clock->backgroundRole()).lightness() -
                     palette.color(clock->foregroundRole()).lightness()) > 128);
    }

    void screenReadersFindNamesAndDescriptions()
    {
        shown();
        const auto said = [](QWidget *control, QAccessible::Text what) {
            return QAccessible::queryAccessibleInterface(control)->text(what);
        };
        // An icon button is named by its help text's first sentence and described by all of it.
        QCOMPARE(said(control("PicturePlay"), QAccessible::Name),
                 QStringLiteral("Mit Klick lese ich den Fenster Inhalt"));
        QCOMPARE(said(control("PicturePlay"), QAccessible::Description),
                 QStringLiteral("Mit Klick lese ich den Fenster Inhalt."));
        QCOMPARE(said(control("Check5"), QAccessible::Name), QStringLiteral("Ton aus"));
        QCOMPARE(said(control("TextD"), QAccessible::Name), QStringLiteral("Oberes Translator Textfeld"));
        QCOMPARE(said(control("TextEng"), QAccessible::Name), QStringLiteral("Unteres Translator Textfeld"));
        // The six voice sliders are named by their captions.
        QSet<QString> voiceNames;
        QWidget *voices = program->windows.window(windows::Logox4);
        for (const char *slider : {"PitchScroll", "SpeedScroll", "IntonationScroll", "RoughnessScroll",
                                   "VolumeScroll", "EchoScroll"})
            voiceNames << said(voices->findChild<QWidget *>(QLatin1String(slider)), QAccessible::Name);
        QCOMPARE(voiceNames.size(), 6);
        QVERIFY(!voiceNames.contains(QString()));

        // The window's own helpers are not among what a screen reader walks.
        QStringList names;
        std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
            names << node->text(QAccessible::Name);
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(form()));
        QVERIFY(names.contains(QStringLiteral("Mit Klick lese ich den Fenster Inhalt")));
        for (const char *helper : {"Welcher OptionButton ist gewählt?", "uhrdatum", "EINF", "speicherZ"})
            QVERIFY2(!names.contains(QString::fromUtf8(helper)), helper);
    }

    void languageButtonsSetTheLabels()
    {
        shown();
        control<QPushButton>("land1")->click();
        QCOMPARE(control("Frame4")->y(), 100);
        control<QLabel>("Label21G")->setText(QStringLiteral("x"));
        control<QPushButton>("deGr")->click();
        QCOMPARE(control<QLabel>("lblText")->text(), QStringLiteral("Griechisch"));
        QCOMPARE(control<QLabel>("Label21G")->text(), QStringLiteral("Deutsch"));
        QCOMPARE(control("Frame4")->y(), 344);
        control<QPushButton>("DeFr")->click();
        QCOMPARE(control<QLabel>("lblText")->text(), QStringLiteral("Französisch"));
    }

    // ---- the clipboard read aloud ----

    void clipboardIsReadAloudQuotedAndCut()
    {
        shown();
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("Guten Tag"));
        QTest::keyClick(control("TextD"), Qt::Key_F7);
        QCOMPARE(folder->readBytes(QStringLiteral("hilfe.txt")), QByteArray("\"Guten Tag\"\r\n"));
        auto *list = control<QListWidget>("List1");
        QCOMPARE(list->item(list->count() - 1)->text(), QStringLiteral("Guten Tag"));

        clipboard->setText(QString(40000, QLatin1Char('a')));
        control<QAbstractButton>("zwischenab")->click();
        QCOMPARE(control<QPlainTextEdit>("Text1")->toPlainText().size(), 32767);
        QCOMPARE(folder->readBytes(QStringLiteral("hilfe.txt")).size(), 32767 + 4);

        // A picture on the clipboard: the capture finds no text and the emptied field is read.
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        clipboard->setImage(picture);
        control<QAbstractButton>("Picture2")->click();
        QCOMPARE(control<QPlainTextEdit>("Text1")->toPlainText(), QString());
        QCOMPARE(folder->readBytes(QStringLiteral("hilfe.txt")), QByteArray("\"\"\r\n"));

        // Asked by another window (the help window's clipboard button), it reads it the same way.
        clipboard->setText(QStringLiteral("Hallo Welt"));
        emit program->requests.readClipboardAloud();
        QCOMPARE(folder->readBytes(QStringLiteral("hilfe.txt")), QByteArray("\"Hallo Welt\"\r\n"));
    }

    // ---- hover help ----

    void hoverWritesTheTellingRows()
    {
        shown();
        control<QPushButton>("Command13")->click();
        QTest::mouseClick(control("Label24"), Qt::LeftButton);
        QTest::mouseMove(control("Check3"), QPoint(3, 3));
        QTRY_COMPARE(
            helpText(),
            QStringLiteral(" [Oberes Textfeld:] Nach jedem Leerzeichen automatisch Suchvorgang starten!"));
        QCOMPARE(control<QLabel>("Label21")->text(), helpText());
        QTest::mouseMove(control("Label7"), QPoint(3, 3));
        QTRY_COMPARE(helpText(), QStringLiteral("Alle Fenster schließen. Programm Ende."));
        QCOMPARE(HoverHelp::textOf(control("DeEn")),
                 QStringLiteral("Sprechendes Wörterbuch Laden... Deutsch Englisch!"));
        QCOMPARE(
            HoverHelp::textOf(control("Check4")),
            QStringLiteral(" [Unteres Textfeld:] Nach jedem Leerzeichen automatisch Suchvorgang starten!"));
        // Every control that explains itself has a text.
        for (const char *name :
             {"buch",      "Check1",         "Check2",       "Check5",      "Check6",      "Command12",
              "Command13", "Command14",      "Command7",     "Command8",    "Command9",    "datum1",
              "DeFr",      "deGr",           "DeIt",         "DeSp",        "englisch",    "Frame4",
              "Frame5",    "Hallo",          "Hilfe",        "hilfeL1",     "HScroll1",    "HScroll2",
              "HScroll3",  "Label1",         "Label10",      "Label11",     "Label13",     "Label14",
              "Label19",   "Label21",        "Label21T",     "Label22",     "Label22W",    "Label22ZU",
              "Label23",   "Label24",        "Label25",      "Label35",     "Label39",     "Label4",
              "Label5",    "laenderfenster", "land1",        "landzu",      "lblDrag",     "op",
              "Option1_0", "Option1_1",      "optionLink",   "Picture12",   "Picture13",   "Picture13D",
              "Picture2",  "Picture20",      "PicturePause", "PicturePlay", "PictureStop", "PictureWeiter",
              "schlOpti",  "schlTrans",      "suche",        "supertrannn", "Text2",       "TextD",
              "TextEng",   "textueber1",     "uhr1",         "updates",     "url",         "verstecken",
              "weort",     "zeiteinstellung"})
            QVERIFY2(!HoverHelp::textOf(control(name)).isEmpty(), name);
    }

    // ---- ending ----

    void everyEndingPathEndsTheProgram_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("schließen") << "schließen";
        QTest::newRow("Label7") << "Label7";
        QTest::newRow("ex") << "ex";
        QTest::newRow("close box") << "close";
    }
    void everyEndingPathEndsTheProgram()
    {
        QFETCH(QString, path);
        Form3 *f = shown();
        QPointer<Form3> guard(f);
        if (path == QLatin1String("Esc"))
            QTest::keyClick(control("TextD"), Qt::Key_Escape);
        else if (path == QLatin1String("close"))
            f->close();
        else if (path == QLatin1String("Label7"))
            QTest::mouseClick(control("Label7"), Qt::LeftButton);
        else
            control<QAbstractButton>(path.toUtf8().constData())->click();
        QTRY_COMPARE(programEnds, 1);
        QVERIFY(!guard || !guard->isVisible());
    }
};

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
