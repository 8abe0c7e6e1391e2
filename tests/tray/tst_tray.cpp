// The tray window beside the program's real windows: every menu entry triggered and its effect
// on the window or button it reaches, the icon gone on every way the program ends, the double
// click that brings the main window back, and hiding the main window on a desktop without a
// notification area.

#include "Form3.h"
#include "TrayWindow.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QtTest>

using namespace ortelia;
using namespace ortelia::test;



class TrayTest : public WindowFixture {
    Q_OBJECT

public:
    TrayTest() : WindowFixture(windows::ortelia) {}

private:
    SpeechLog speechLog;
    DesktopRecorder desktop;
    bool programEnded = false;

    TrayWindow *tray() { return qobject_cast<TrayWindow *>(window()); }
    void trigger(const char *entry) { c<QAction>(entry)->trigger(); }
    bool shown(const QString &name)
    {
        QWidget *w = program->windows.existing(name);
        return w && w->isVisible();
    }
    QWidget *mainWindow() { return program->windows.window(windows::Form3); }

private slots:

    void init()
    {
        startProgram();
        // The offscreen desktop has no notification area; this one has.
        program->state.notificationArea.set(true);
        folder->writeBytes(QStringLiteral("syso/reg2.txt"), "False\r\nTrue\r\nFalse\r\nTrue\r\nFalse\r\n");
        programEnded = false;
        connect(&program->requests, &ProgramRequests::endProgram, this, [this] {
            programEnded = true;
            program->windows.unloadAll();
        });
        startProgramWindows(program->windows, QString());
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow()));
        QGuiApplication::clipboard()->setText(QStringLiteral("Hallo"));
        speechLog.newLines();
    }
    void cleanup()
    {
        stopProgram();
    }

    void menuHasEveryEntryInOrder()
    {
        QVERIFY(tray()->trayIcon()->isVisible());
        QCOMPARE(tray()->trayIcon()->toolTip(), QStringLiteral("Ortelia-Translator!"));
        QVERIFY(!tray()->isVisible());
        QCOMPARE(tray()->windowTitle(), QStringLiteral("Ortelia"));
        QStringList names;
        QStringList captions;
        for (QAction *entry : tray()->menu()->actions()) {
            names << entry->objectName();
            if (!entry->isSeparator())
                captions << entry->text();
            QVERIFY(entry->isVisible());
        }
        QCOMPARE(names, QStringList({"beschreib", "HilfeFenster", "lee5",   "supert", "uebersetzer", "leer1",
                                     "zwischen",  "zw",           "ztrans", "ude",    "ued",         "leer3",
                                     "privat",    "leer4",        "ton",    "sm",     "option1",     "upleer",
                                     "updatzeit", "woeup",        "leer",   "mnExit"}));
        QCOMPARE(captions.first(), QStringLiteral("Beschreibung"));
        QCOMPARE(captions.last(), QStringLiteral("Ende"));
    }

    void entriesOpenTheirWindows()
    {
        trigger("beschreib");
        QCOMPARE(desktop.opened.size(), 1);
        trigger("HilfeFenster");
        QVERIFY(shown(windows::hilfe1));
        trigger("uebersetzer");
        QVERIFY(shown(windows::TextUeberA));
        trigger("sm");
        QVERIFY(shown(windows::Logox4));
        trigger("woeup");
        QVERIFY(shown(windows::up1));
        trigger("supert");
        QTRY_VERIFY(shown(windows::supertrans1));
    }

    void clipboardEntries()
    {
        trigger("zwischen");
        QTRY_VERIFY(speechLog.lines().join(QLatin1Char('\n')).contains(QLatin1String("Hallo")));

        trigger("ztrans");
        QVERIFY(shown(windows::TextUeberA));
        QVERIFY(mainControl<QWidget>("Frame5")->isVisible());

        program->windows.window(windows::TextUeberA)->hide();
        QSignalSpy chooser(&program->requests, &ProgramRequests::openChooser);
        trigger("zw");
        QVERIFY(shown(windows::TextUeberA));
        QVERIFY(shown(windows::worter1));
        QCOMPARE(chooser.size(), 1);
        QCOMPARE(chooser.first().first().value<Served>(), Served::TextTranslator);
    }

    void translateClipboardEntriesFollowTheLanguageNames()
    {
        QSignalSpy translated(&program->requests, &ProgramRequests::translateText);
        program->state.textPair.set(QStringLiteral("Deutsch "), QStringLiteral("Englisch "));
        QCOMPARE(c<QAction>("ude")->text(), QStringLiteral("Deutsch -Englisch "));
        QCOMPARE(c<QAction>("ued")->text(), QStringLiteral("Englisch -Deutsch "));
        // Picture20 comes back with the end of the clipboard translator's opening, after which
        // the main window would have been shown again.
        QWidget *openingDone = mainControl<QWidget>("Picture20");
        openingDone->hide();
        trigger("ude");
        QTRY_VERIFY(!openingDone->isHidden());
        QVERIFY(!mainWindow()->isVisible());
        QTRY_COMPARE(translated.size(), 1);
        QCOMPARE(translated.first(),
                 (QVariantList{QStringLiteral("Hallo"), QVariant::fromValue(TextDirection::German)}));

        program->windows.bringToFront(windows::Form3);
        openingDone->hide();
        QGuiApplication::clipboard()->setText(QStringLiteral("house"));
        trigger("ued");
        QTRY_VERIFY(!openingDone->isHidden());
        QVERIFY(!mainWindow()->isVisible());
        QTRY_COMPARE(translated.size(), 2);
        QCOMPARE(translated.last(),
                 (QVariantList{QStringLiteral("house"), QVariant::fromValue(TextDirection::Foreign)}));
    }

    void soundOptionsAndSchedule()
    {
        trigger("ton");
        QVERIFY(program->state.muted.value());
        QCOMPARE(c<QAction>("ton")->text(), QStringLiteral("Ton Ein"));
        trigger("ton");
        QVERIFY(!program->state.muted.value());
        QCOMPARE(c<QAction>("ton")->text(), QStringLiteral("Ton Aus"));

        mainWindow()->hide();
        QSignalSpy options(&program->requests, &ProgramRequests::showOptions);
        trigger("option1");
        QVERIFY(mainWindow()->isVisible());
        QCOMPARE(options.size(), 1);

        trigger("updatzeit");
        QVERIFY(shown(windows::zeit));
    }

    void doubleClickBringsTheHiddenMainWindowBack()
    {
        mainWindow()->hide();
        emit tray()->trayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!mainWindow()->isVisible());
        emit tray()->trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(mainWindow()->isVisible());

        // The right button's double click: two right clicks in a row. The menu, which would take
        // the second click, has not opened.
        mainWindow()->hide();
        emit tray()->trayIcon()->activated(QSystemTrayIcon::Context);
        QVERIFY(!mainWindow()->isVisible());
        QVERIFY(!tray()->menu()->isVisible());
        emit tray()->trayIcon()->activated(QSystemTrayIcon::Context);
        QVERIFY(mainWindow()->isVisible());
        QTest::qWait(QApplication::doubleClickInterval() * 2);
        QVERIFY(!tray()->menu()->isVisible());

        mainWindow()->hide();
        trigger("privat");
        QVERIFY(mainWindow()->isVisible());
    }

    void singleRightClickOpensTheMenuAtThePointer()
    {
        QCursor::setPos(QPoint(300, 200));
        emit tray()->trayIcon()->activated(QSystemTrayIcon::Context);
        QTRY_VERIFY(tray()->menu()->isVisible());
        QVERIFY(tray()->menu()->geometry().contains(QPoint(301, 201)));
        QTest::keyClick(tray()->menu(), Qt::Key_Escape);
        QVERIFY(!tray()->menu()->isVisible());
    }

    // Without a notification area there is no icon to come back through.
    void withoutNotificationAreaHidingMinimises()
    {
        program->state.notificationArea.set(false);
        QTest::mouseClick(mainControl<QPushButton>("verstecken"), Qt::LeftButton);
        QVERIFY(mainWindow()->isVisible());
        QVERIFY(mainWindow()->isMinimized());
        QVERIFY(mainControl<QLabel>("Label1")->text().contains(QLatin1String("Taskleiste")));
        program->windows.bringToFront(windows::Form3);
        QVERIFY(!mainWindow()->isMinimized());
    }

    void endingPathsRemoveTheIcon_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Ende") << "mnExit";
        QTest::newRow("main window closed") << "main";
        QTest::newRow("tray window closed from outside") << "tray";
    }
    void endingPathsRemoveTheIcon()
    {
        QFETCH(QString, path);
        QPointer<TrayWindow> w = tray();
        QSystemTrayIcon *icon = w->trayIcon();
        QVERIFY(icon->isVisible());
        if (path == QLatin1String("mnExit"))
            trigger("mnExit");
        else if (path == QLatin1String("main"))
            QTest::keyClick(mainWindow(), Qt::Key_Escape);
        else
            w->close();
        QVERIFY(!icon->isVisible());
        QTRY_VERIFY(programEnded);
        QTRY_VERIFY(!w);
    }

    void entriesOfMissingWindowsStayOut()
    {
        program = std::make_unique<TestServices>();
        program->windows.registerWindow(windows::Form3, [] { return new QWidget; });
        program->windows.registerWindow(
            windows::ortelia, [this] { return new TrayWindow(program->services); },
            [](QWidget *w) { static_cast<TrayWindow *>(w)->Form_Load(); });
        QVERIFY(!c<QAction>("supert")->isVisible());
        QVERIFY(!c<QAction>("zw")->isVisible());
        QVERIFY(!c<QAction>("woeup")->isVisible());
        QVERIFY(c<QAction>("privat")->isVisible());
        QVERIFY(c<QAction>("ton")->isVisible());
    }

    // The tray shows the program's picture, or the style's computer when the picture is broken.
    void programIconEvenWithoutItsPicture()
    {
        QVERIFY(!window()->windowIcon().pixmap(16).isNull());
        folder->writeBytes(QStringLiteral("art/ortelia.svg"), "kein Bild");
        program->windows.unload(windows::ortelia);
        QVERIFY(!program->windows.window(windows::ortelia)->windowIcon().pixmap(16).isNull());
    }
};

QTEST_MAIN(TrayTest)
#include "tst_tray.moc"
