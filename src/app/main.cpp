#include "Commands.h"
#include "HelpText.h"
#include "ProgramFolder.h"
#include "ProgramWindows.h"
#include "SettingsFiles.h"
#include "SingleInstance.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <memory>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
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
    registerProgramWindows();
    const QString extra = requestedWindow(args);
    if (args.contains(QStringLiteral("--window")) && !WindowRegistry::isRegistered(extra)) {
        std::fprintf(stderr, "Unbekanntes Fenster: %s\nBekannte Fenster: %s\n", qPrintable(extra),
                     qPrintable(WindowRegistry::registeredNames().join(QStringLiteral(", "))));
        return 2;
    }
    SingleInstance instance(SingleInstance::socketPathFor(ProgramFolder::root()));
    if (instance.handToRunning(extra))
        return 0;
    QObject::connect(&instance, &SingleInstance::requested, &showProgramWindow);
    if (SettingsFiles::isFirstRun())
        SettingsFiles::WriteDefaultSettings();
    startProgramWindows(extra);
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const ortelia::Command *command = ortelia::findCommand(first);
    if (!command && (first == QLatin1String("--help") || first == QLatin1String("-h"))) {
        std::fputs(ortelia::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    // Commands need no display; they draw their pages off screen.
    if (command && !hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    std::unique_ptr<QCoreApplication> app;
    if (command && !command->usesWidgets)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ortelia"));
    const QDir startDir = QDir::current();
    ortelia::ProgramFolder::setRoot(QCoreApplication::applicationDirPath());

    if (command)
        return command->run(QCoreApplication::arguments().mid(2), startDir);
    return runProgram(QCoreApplication::arguments().mid(1));
}
