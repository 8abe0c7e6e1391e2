#include "Commands.h"
#include "Form3.h"
#include "ProgramFolder.h"
#include "SettingsFiles.h"
#include "hilfe1.h"
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

int runProgram()
{
    using namespace ortelia;
    if (SettingsFiles::isFirstRun())
        SettingsFiles::WriteDefaultSettings();
    WindowRegistry::registerWindow(QStringLiteral("Form3"), [] { return new Form3; });
    WindowRegistry::registerWindow(QStringLiteral("hilfe1"), [] { return new hilfe1; });
    WindowRegistry::window(QStringLiteral("Form3"))->show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const ortelia::Command *command = ortelia::findCommand(first);
    if (!command && (first == QLatin1String("--help") || first == QLatin1String("-h"))) {
        std::fputs(qPrintable(ortelia::commandUsage()), stdout);
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
    return runProgram();
}
