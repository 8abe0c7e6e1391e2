#include "DesktopEntry.h"

#include "FileSave.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace ortelia::DesktopEntry {

namespace {

struct Action {
    const char *window;
    const char *name;
};

// The windows a user may want straight from the menu.
constexpr Action kActions[] = {
    {"TextUeberA", "Text-Übersetzer"},
    {"supertrans1", "Listen-Translator"},
    {"Logox4", "Stimm-Muster"},
    {"up1", "Wörterbuch-Update"},
};

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

// One argument of an Exec line: quoted, with the characters the format reserves escaped, and
// then escaped once more as a string value.
QString execArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return quoted;
}

} // namespace

QString launcherPath()
{
    return dataHome() + QStringLiteral("/applications/ortelia.desktop");
}

QString iconPath()
{
    return dataHome() + QStringLiteral("/icons/hicolor/scalable/apps/ortelia.svg");
}

QString launcherText(const QString &executable)
{
    const QString exec = execArgument(executable);
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Version=1.4\n"
                                  "Name=Ortelia\n"
                                  "GenericName=Wörterbuch und Übersetzer\n"
                                  "Comment=Sprechendes deutsches Wörterbuch und Übersetzungsprogramm\n"
                                  "Keywords=Wörterbuch;Übersetzer;Sprachausgabe;Deutsch;Englisch;\n"
                                  "Icon=ortelia\n"
                                  "Exec=%1\n"
                                  "Terminal=false\n"
                                  "Categories=Office;Dictionary;\n"
                                  "StartupNotify=true\n"
                                  "Actions=")
                       .arg(exec);
    for (const Action &action : kActions)
        text += QLatin1String(action.window) + QLatin1Char(';');
    text += QLatin1Char('\n');
    for (const Action &action : kActions) {
        text += QStringLiteral("\n[Desktop Action %1]\nName=%2\nExec=%3 --window %1\n")
                    .arg(QLatin1String(action.window), QString::fromUtf8(action.name), exec);
    }
    return text;
}

QString install(const QString &executable, const QString &iconFile)
{
    QFile icon(iconFile);
    if (!icon.open(QIODevice::ReadOnly))
        return QStringLiteral("Das Symbol %1 fehlt.").arg(iconFile);
    for (const QString &path : {launcherPath(), iconPath()}) {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return QStringLiteral("Der Ordner für %1 kann nicht angelegt werden.").arg(path);
    }
    if (!saveFile(iconPath(), icon.readAll()))
        return QStringLiteral("%1 kann nicht geschrieben werden.").arg(iconPath());
    if (!saveFile(launcherPath(), launcherText(executable).toUtf8()))
        return QStringLiteral("%1 kann nicht geschrieben werden.").arg(launcherPath());
    return {};
}

bool uninstall()
{
    const bool launcher = QFile::remove(launcherPath());
    const bool icon = QFile::remove(iconPath());
    return launcher || icon;
}

} // namespace ortelia::DesktopEntry

namespace ortelia {

int runInstallCommand(const QStringList &args, const QDir &)
{
    if (!args.isEmpty()) {
        std::fputs("Aufruf: ortelia install\n", stderr);
        return 2;
    }
    const QString error =
        DesktopEntry::install(QCoreApplication::applicationDirPath() + QStringLiteral("/ortelia"),
                              ProgramFolder::path(QStringLiteral("art/ortelia.svg")));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "ortelia install: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("Eingetragen: %s\nSymbol: %s\n", qPrintable(DesktopEntry::launcherPath()),
                qPrintable(DesktopEntry::iconPath()));
    return 0;
}

int runUninstallCommand(const QStringList &args, const QDir &)
{
    if (!args.isEmpty()) {
        std::fputs("Aufruf: ortelia uninstall\n", stderr);
        return 2;
    }
    if (DesktopEntry::uninstall())
        std::printf("Entfernt: %s\n", qPrintable(DesktopEntry::launcherPath()));
    else
        std::puts("Ortelia war nicht eingetragen.");
    return 0;
}

} // namespace ortelia
