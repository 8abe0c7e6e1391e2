#include "BoundedProcess.h"
#include "Commands.h"
#include "DialogBoxes.h"
#include "Dialogs.h"
#include "GermanQtTexts.h"
#include "KeepOnScreen.h"
#include "ProgramFolder.h"
#include "ProgramRequests.h"
#include "ProgramState.h"
#include "ProgramPages.h"
#include "ProgramWindows.h"
#include "SayCommand.h"
#include "SettingsFiles.h"
#include "SingleInstance.h"
#include "SoundCard.h"
#include "SpokenLookup.h"
#include "Speaker.h"
#include "SpeechEngine.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QtMessageHandler g_qtMessages = nullptr;

// Qt ends the program with abort() when it finds no display (or no way to show windows); the
// program says so instead and ends with 1.
void endWithoutDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        g_qtMessages(type, context, message);
        return;
    }
    std::fputs("Achtung : Die Fenster brauchen eine Anzeige (DISPLAY oder WAYLAND_DISPLAY)! "
               "Ohne Anzeige laufen nur die Befehle, siehe ortelia --help.\n",
               stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// "--window NAME": the window to open beside the main window, empty when none is asked for.
QString requestedWindow(const QStringList &args)
{
    const qsizetype at = args.indexOf(QStringLiteral("--window"));
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
}

int runProgram(const QStringList &args)
{
    using namespace ortelia;
    ProgramState state;
    ProgramRequests requests;
    SpeechEngine engine;
    Speaker speaker(engine);
    WindowRegistry windows;
    WindowServices services{state, requests, speaker, windows};
    QObject::connect(&requests, &ProgramRequests::endProgram, [&windows] {
        windows.unloadAll();
        QCoreApplication::quit();
    });
    registerProgramWindows(services);
    const QString extra = requestedWindow(args);
    if (args.contains(QStringLiteral("--window")) && !windows.isRegistered(extra)) {
        std::fprintf(stderr, "Unbekanntes Fenster: %s\nBekannte Fenster: %s\n", qPrintable(extra),
                     qPrintable(windows.registeredNames().join(QStringLiteral(", "))));
        return 2;
    }
    SingleInstance instance(SingleInstance::socketPathFor(ProgramFolder::root()));
    if (instance.handToRunning(extra))
        return 0;
    QObject::connect(&instance, &SingleInstance::requested,
                     [&windows](const QString &extraWindow) { showProgramWindow(windows, extraWindow); });
    // Ended by a signal, nobody is there to answer: the windows' questions on closing (the update
    // window's "Update-Datum abspeichern ?") take their "Nein" instead of holding the end up.
    QObject::connect(&instance, &SingleInstance::endingOnSignal, [] { Dialogs::setPresenter(nullptr); });
    if (SettingsFiles::isFirstRun())
        SettingsFiles::WriteDefaultSettings();
    startProgramWindows(windows, extra);
    if (instance.endedBySignal())
        return 0;
    return QApplication::exec();
}

} // namespace

// The window program "ortelia-windows", started by "ortelia" with its arguments. It also runs
// the commands that speak ("say" to be heard, "lookup --say").
int main(int argc, char **argv)
{
    ortelia::useSoundCard();
    ortelia::useDialogBoxes();
    static const ortelia::Command commands[] = {{"say", ortelia::runSay},
                                                {"lookup", ortelia::runSpokenLookup}};
    if (const ortelia::Command *command = argc > 1 ? ortelia::findCommand(commands, argv[1]) : nullptr) {
        // A lookup runs the page's scripts: bounded as the page program is.
        if (std::strcmp(command->name, "lookup") == 0)
            ortelia::web::BoundedProcess::enter();
        return ortelia::runCommand(*command, argc, argv);
    }

    g_qtMessages = qInstallMessageHandler(&endWithoutDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_qtMessages);
    QCoreApplication::setApplicationName(QStringLiteral("Ortelia"));
    ortelia::hostForeignPages(QCoreApplication::applicationDirPath() + QStringLiteral("/ortelia-pagehost"));
    ortelia::useGermanQtTexts();
    ortelia::KeepOnScreen keepOnScreen;
    ortelia::ProgramFolder::setRoot(QCoreApplication::applicationDirPath());
    return runProgram(QCoreApplication::arguments().mid(1));
}
