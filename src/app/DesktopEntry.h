#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

namespace ortelia {

// The program in the desktop's menu: a launcher under the user's data folder
// (~/.local/share/applications/ortelia.desktop), with actions that open single windows, and the
// program's icon beside the other icons of the user.
namespace DesktopEntry {

// The launcher's text for the program file, in the desktop entry format.
QString launcherText(const QString &executable);

// Writes launcher and icon; an error text on failure, empty on success.
QString install(const QString &executable, const QString &iconFile);
// Removes both; false when neither was there.
bool uninstall();

QString launcherPath();
QString iconPath();

} // namespace DesktopEntry

int runInstallCommand(const QStringList &args, const QDir &startDir);
int runUninstallCommand(const QStringList &args, const QDir &startDir);

} // namespace ortelia
