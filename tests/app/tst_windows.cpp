// The program's windows together: started in the program's order, one instance each, and every
// name one window uses for another's control names a control of the right kind.

#include "CommandCatalogue.h"
#include "FormTimer.h"
#include "GermanQtTexts.h"
#include "KeepOnScreen.h"
#include "AudioSink.h"
#include "ProgramWindows.h"
#include "SpeechEngine.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "WindowRegistry.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QtTest>

#include <functional>

using namespace ortelia;
using namespace ortelia::test;

namespace {

#define ORTELIA_NAME(w) QStringLiteral(#w),
const QStringList kWindowNames = {ORTELIA_WINDOWS(ORTELIA_NAME)};
#undef ORTELIA_NAME

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgramFolder> folder;
    std::unique_ptr<TestServices> program;

private slots:
    void init()
    {
        folder = std::make_unique<TempProgramFolder>();
        program = std::make_unique<TestServices>();
        registerProgramWindows(program->services);
    }
    void cleanup()
    {
        program.reset();
        folder.reset();
    }

    // What the engine has to tell the user reaches the help window's label.
    void engineMessagesGoToTheHelpLabel()
    {
        struct Unusable : PacedSink {
            Unusable() : PacedSink({22050, 1}) {}
            bool open() override { return false; }
        };
        SpeechEngine &engine = program->speaker.engine();
        QSignalSpy messages(&engine, &SpeechEngine::message);
        engine.setOutput(std::make_unique<Unusable>());
        QStringList lines = {QStringLiteral("Hallo")};
        QVERIFY(program->speaker.speakText(lines));
        QVERIFY(messages.wait(5000));
        const QString message = messages.first().first().toString();
        QVERIFY(message.startsWith(QStringLiteral("Achtung : Die Tonausgabe")));
        QCOMPARE(
            program->windows.window(windows::hilfe1)->findChild<QLabel *>(QStringLiteral("HLabel1"))->text(),
            message);
        engine.setOutput(nullptr);
    }

    // The speed option of the start settings reaches the text translator, and its load reaches
    // back to the main window: still one of each.
    void windowsStartInTheProgramsOrderOnceEach()
    {
        folder->writeBytes(QStringLiteral("syso/reg2.txt"), "False\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n");
        program->windows.window(windows::Form3)->show();
        for (const QString &name : program->windows.registeredNames())
            QVERIFY(program->windows.window(name));
        for (const QString &name : program->windows.registeredNames()) {
            const QWidgetList all = QApplication::topLevelWidgets();
            const auto count =
                std::count_if(all.begin(), all.end(), [&](QWidget *w) { return w->objectName() == name; });
            QVERIFY2(count == 1, qPrintable(name));
        }
        QCOMPARE(program->state.readingSpeed.value(), 1500);
        QVERIFY(program->state.textTranslatorOpen.value());
    }

    void windowNamesAndNeedsResolve()
    {
        for (const QString &name : program->windows.registeredNames())
            QVERIFY2(kWindowNames.contains(name), qPrintable(name));
        for (const WindowNeed &need : windowNeeds()) {
            const QString where =
                QStringLiteral("%1.%2").arg(QLatin1String(need.window), QLatin1String(need.control));
            QVERIFY2(kWindowNames.contains(QLatin1String(need.needs)), qPrintable(where));
            if (!program->windows.isRegistered(QLatin1String(need.window)))
                continue;
            QWidget *window = program->windows.window(QLatin1String(need.window));
            QVERIFY2(window->findChild<QObject *>(QLatin1String(need.control)),
                     qPrintable(where + QStringLiteral(" fehlt")));
        }
    }

    void unknownWindowOnTheCommandLineListsTheKnownOnes()
    {
        QProcess program;
        program.start(QStringLiteral(ORTELIA_EXECUTABLE),
                      {QStringLiteral("--window"), QStringLiteral("Gibtsnicht")});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 2);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY(said.contains(QLatin1String("Gibtsnicht")));
        QVERIFY(said.contains(QLatin1String("TextUeberA")));
    }

    // Without a display the window program says that it needs one instead of aborting.
    void windowsWithoutADisplaySaySo()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            environment.remove(QLatin1String(name));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORTELIA_EXECUTABLE),
                      {QStringLiteral("--window"), QStringLiteral("Form3")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(said.contains(QLatin1String("brauchen eine Anzeige")), qPrintable(said));
    }

    // Output that standard output does not take (a full device, a closed descriptor) is a
    // failure with a message, for every command that prints (uninstall: "nicht eingetragen").
    void commandOutputThatCannotBeWrittenFails()
    {
        const QList<QStringList> calls = {{QStringLiteral("lookup"), QStringLiteral("hallo")},
                                          {QStringLiteral("translate")},
                                          {QStringLiteral("--help")},
                                          {QStringLiteral("uninstall")}};
        QTemporaryDir dir;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.path());
        for (const QStringList &call : calls) {
            for (const bool closed : {false, true}) {
                QProcess program;
                program.setProcessEnvironment(environment);
                if (closed) {
                    program.start(QStringLiteral("/bin/sh"),
                                  QStringList{QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$@\" >&-"),
                                              QStringLiteral(ORTELIA_EXECUTABLE)} +
                                      call);
                } else {
                    program.setStandardOutputFile(QStringLiteral("/dev/full"));
                    program.start(QStringLiteral(ORTELIA_EXECUTABLE), call);
                }
                program.write("Haus Tag\n");
                program.closeWriteChannel();
                const QString what =
                    call.first() + (closed ? QStringLiteral(" >&-") : QStringLiteral(" >/dev/full"));
                QVERIFY2(program.waitForFinished(60000), qPrintable(what));
                QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 1,
                         qPrintable(what));
                const QString said = QString::fromUtf8(program.readAllStandardError());
                QVERIFY2(said.contains(QLatin1String("Standardausgabe")), qPrintable(what + u'\n' + said));
            }
        }
    }

    // A launcher without the program beside it says which program it could not start.
    void launcherWithoutItsProgramSaysSo()
    {
        QTemporaryDir dir;
        const QString launcher = dir.filePath(QStringLiteral("ortelia"));
        QVERIFY(QFile::copy(QStringLiteral(ORTELIA_EXECUTABLE), launcher));
        QProcess program;
        program.start(launcher, {QStringLiteral("lookup"), QStringLiteral("hallo")});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 127);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(said.contains(dir.filePath(QStringLiteral("ortelia-lookup"))) &&
                     said.contains(QLatin1String("kann nicht gestartet werden")),
                 qPrintable(said));
    }

    // The launcher hands each command to the program the catalogue names, which runs it without
    // handing it on and loads only the libraries that command uses.
    void eachCommandRunsInItsProgramWithOnlyItsLibraries()
    {
        QTemporaryDir dir;
        // The call's output, then the loader's report of the libraries it loaded.
        const auto loaded = [&](const QStringList &args) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
            environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("daten")));
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(ORTELIA_EXECUTABLE), args);
            program.closeWriteChannel();
            if (!program.waitForFinished(20000))
                return QString();
            return QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        };
        const QString wav = dir.filePath(QStringLiteral("a.wav"));
        const auto withoutGui = [](const QString &libraries) {
            if (!libraries.contains(QLatin1String("libQt6Core")))
                return false;
            for (const char *library : {"libQt6Gui", "libQt6Widgets", "libQt6Multimedia"}) {
                if (libraries.contains(QLatin1String(library)))
                    return false;
            }
            return true;
        };
        for (const CommandEntry &entry : kCommandCatalogue) {
            const QString name = QLatin1String(entry.name);
            QStringList args{name};
            if (name == QLatin1String("say"))
                args << QStringLiteral("--wav") << wav << QStringLiteral("hallo");
            else if (name == QLatin1String("lookup"))
                args << QStringLiteral("hallo");
            const QString libraries = loaded(args);
            const QString program = QLatin1String(entry.program);
            // The launcher is linked statically: the loader starts only the command's program.
            QVERIFY2(libraries.count(QLatin1String("initialize program:")) == 1, entry.name);
            QVERIFY2(withoutGui(libraries), entry.name);
            QCOMPARE(libraries.contains(QLatin1String("libespeak-ng")),
                     program == QLatin1String("ortelia-say"));
            QCOMPARE(libraries.contains(QLatin1String("libQt6Qml")),
                     program == QLatin1String("ortelia-pages"));
        }
        QVERIFY(QFileInfo(wav).size() > 44);
        const QString help = loaded({QStringLiteral("--help")});
        QVERIFY(withoutGui(help));
        for (const char *library : {"libQt6Qml", "libespeak-ng", "libxml2", "libhunspell"})
            QVERIFY2(!help.contains(QLatin1String(library)), library);

        // A lookup that the program's own pages cannot answer (the empty word) goes on to the page
        // program, which runs the page's script.
        const QString handedOn = loaded({QStringLiteral("lookup"), QString()});
        QCOMPARE(handedOn.count(QLatin1String("initialize program:")), 2);
        QVERIFY(handedOn.contains(QLatin1String("libQt6Qml")));
    }

    // Qt's own texts (standard dialogs, context menus) are German like the program's.
    void qtTextsAreGerman()
    {
        QVERIFY(useGermanQtTexts());
        QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("Speichern"));
    }

    // A window placed partly below or beside the screen opens wholly on it; one larger than the
    // screen keeps its top left corner on it.
    void windowsOpenWhollyOnTheScreen()
    {
        KeepOnScreen keepOnScreen;
        QWidget *text = program->windows.window(QStringLiteral("TextUeberA"));
        const QRect area = text->screen()->availableGeometry();
        text->move(area.right() - 20, area.bottom() - 20);
        text->show();
        const QRect frame = text->frameGeometry();
        QVERIFY2(frame.left() >= area.left() && frame.top() >= area.top(),
                 qPrintable(QStringLiteral("%1,%2").arg(frame.left()).arg(frame.top())));
        QVERIFY(frame.right() <= area.right() || frame.left() == area.left());
        QVERIFY(frame.bottom() <= area.bottom() || frame.top() == area.top());

        QWidget small;
        small.resize(100, 80);
        small.move(area.right() - 10, area.bottom() - 10);
        small.show();
        QVERIFY(area.contains(small.frameGeometry()));
    }

    // A screen reader finds the lines of a list only while the list shows: not those of a hidden
    // list, nor of a closed drop-down.
    void hiddenListsTellNoLines()
    {
        QWidget window;
        window.resize(200, 200);
        auto *list = new QListWidget(&window);
        list->addItems({QStringLiteral("eins"), QStringLiteral("zwei")});
        list->hide();
        auto *box = new QComboBox(&window);
        box->addItems({QStringLiteral("drei"), QStringLiteral("vier")});
        box->move(0, 150);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto linesShown = [](QWidget *w) {
            QStringList shown;
            const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
                if (node->role() == QAccessible::ListItem && !node->state().invisible)
                    shown << node->text(QAccessible::Name);
                for (int i = 0; i < node->childCount(); ++i)
                    walk(node->child(i));
            };
            walk(QAccessible::queryAccessibleInterface(w));
            return shown;
        };
        QCOMPARE(linesShown(list), QStringList());
        QCOMPARE(linesShown(box), QStringList());
        list->show();
        QCOMPARE(linesShown(list), (QStringList{"eins", "zwei"}));
        list->hide();
        QCOMPARE(linesShown(list), QStringList());
        box->showPopup();
        QTRY_COMPARE(linesShown(box), (QStringList{"drei", "vier"}));
        box->hidePopup();
        QTRY_COMPARE(linesShown(box), QStringList());
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
