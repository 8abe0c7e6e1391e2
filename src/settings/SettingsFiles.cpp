#include "SettingsFiles.h"

#include "Dialogs.h"
#include "ProgramFolder.h"
#include "SettingsFormat.h"
#include "TextFile.h"
#include "TextRoutines.h"

#include <QDir>
#include <QFileInfo>

namespace ortelia::SettingsFiles {

namespace {

bool writeQuotedDate(const QString &relativePath, const QString &date, const QString &shownName)
{
    if (TextFile::writeLines(ProgramFolder::path(relativePath), {SettingsFormat::quoted(date)}))
        return true;
    Dialogs::message(Dialogs::programTitle(),
                     QStringLiteral("Achtung : Schreibschutz entfernen [Ordner> %1]!").arg(shownName));
    return false;
}

} // namespace

QString optionsPath() { return ProgramFolder::path(QStringLiteral("syso/optionen.chk")); }
QString updateOptionsPath() { return ProgramFolder::path(QStringLiteral("syso/optionen1.chk")); }
QString updateDatePath() { return ProgramFolder::path(QStringLiteral("syso/update-datum.chk")); }
QString lastUpdateDatePath() { return ProgramFolder::path(QStringLiteral("syso/LetztesUpdate-Datum.chk")); }
QString voiceProfilePath() { return ProgramFolder::path(QStringLiteral("stimm2.txt")); }
QString updateServerPath() { return ProgramFolder::path(QStringLiteral("syso/update-server.chk")); }

QString updateServer()
{
    const QString fromEnvironment = qEnvironmentVariable("ORTELIA_UPDATE_SERVER").trimmed();
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const std::optional<QStringList> lines = TextFile::readLines(updateServerPath());
    if (lines && !lines->isEmpty() && !lines->first().trimmed().isEmpty())
        return lines->first().trimmed();
    return QString::fromLatin1(kDefaultUpdateServer);
}

bool readSwitches(const QString &path, bool &first, bool &second)
{
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines)
        return false;
    switchesIn(*lines, first, second);
    return true;
}

void switchesIn(const QStringList &lines, bool &first, bool &second)
{
    if (lines.size() > 0) {
        if (const std::optional<int> value = SettingsFormat::readNumber(lines.at(0)))
            first = *value != 0;
    }
    if (lines.size() > 1) {
        if (const std::optional<int> value = SettingsFormat::readNumber(lines.at(1)))
            second = *value != 0;
    }
}

bool writeSwitches(const QString &path, bool first, bool second)
{
    return TextFile::writeLines(path, {SettingsFormat::printNumber(first ? 1 : 0),
                                       SettingsFormat::printNumber(second ? 1 : 0)});
}

std::optional<QString> readDate(const QString &path)
{
    const std::optional<QStringList> lines = TextFile::readLines(path);
    return lines ? dateIn(*lines) : std::nullopt;
}

std::optional<QString> dateIn(const QStringList &lines)
{
    if (lines.isEmpty())
        return std::nullopt;
    return SettingsFormat::unquoted(lines.last());
}

bool writeUpdateDate(const QString &yyyymmdd)
{
    return writeQuotedDate(QStringLiteral("syso/update-datum.chk"), yyyymmdd,
                           QStringLiteral("syso/update-datum.chk"));
}

bool writeLastUpdateDate(const QString &ddmmyyyy)
{
    return writeQuotedDate(QStringLiteral("syso/LetztesUpdate-Datum.chk"), ddmmyyyy,
                           QStringLiteral("syso\\LetztesUpdate-Datum.chk"));
}

bool isFirstRun() { return !QFileInfo::exists(optionsPath()); }

void WriteDefaultSettings()
{
    // The folder ships with the program; recreate it if a user removed it, so that the
    // defaults are not lost and the first run is not repeated at every start.
    QDir().mkpath(ProgramFolder::path(QStringLiteral("syso")));
    TextFile::writeLines(optionsPath(), {QStringLiteral("0")});
    pause(0.7);
    TextFile::writeLines(updateOptionsPath(), {QStringLiteral("0")});
    pause(0.7);
    TextFile::writeLines(updateDatePath(), {QStringLiteral("20070501")});
    pause(0.7);
    TextFile::writeLines(lastUpdateDatePath(), {QStringLiteral("01.05.2007")});
    pause(0.3);
    TextFile::writeLines(voiceProfilePath(), {QString::fromLatin1(kDefaultVoiceProfile)});
    TextFile::writeLines(updateServerPath(), {QString::fromLatin1(kDefaultUpdateServer)});
}

} // namespace ortelia::SettingsFiles
