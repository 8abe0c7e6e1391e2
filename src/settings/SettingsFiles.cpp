#include "SettingsFiles.h"

#include "ProgramFolder.h"
#include "SettingsFormat.h"
#include "TextFile.h"
#include "TextRoutines.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace ortelia::SettingsFiles {

namespace {

SaveResult writeQuotedDate(const QString &path, const QString &date)
{
    return TextFile::writeLines(path, {SettingsFormat::quoted(date)});
}

struct DefaultFile {
    QString (*path)();
    const char *line;
    double waitAfter;
};

const DefaultFile kDefaults[] = {
    {optionsPath, "0", 0.7},
    {updateOptionsPath, "0", 0.7},
    {updateDatePath, kDefaultUpdateDate, 0.7},
    {lastUpdateDatePath, kDefaultLastUpdateDate, 0.3},
    {voiceProfilePath, kDefaultVoiceProfile, 0},
    {updateServerPath, kDefaultUpdateServer, 0},
};

// Missing, or left empty by a start that was killed while it wrote. A link or anything but a
// regular file is the user's doing and stays.
bool needsDefault(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return false;
    return !info.exists() || (info.isFile() && info.size() == 0);
}

} // namespace

QString optionsPath()
{
    return ProgramFolder::path(QStringLiteral("syso/optionen.chk"));
}
QString updateOptionsPath()
{
    return ProgramFolder::path(QStringLiteral("syso/optionen1.chk"));
}
QString updateDatePath()
{
    return ProgramFolder::path(QStringLiteral("syso/update-datum.chk"));
}
QString lastUpdateDatePath()
{
    return ProgramFolder::path(QStringLiteral("syso/LetztesUpdate-Datum.chk"));
}
QString voiceProfilePath()
{
    return ProgramFolder::path(QStringLiteral("stimm2.txt"));
}
QString updateServerPath()
{
    return ProgramFolder::path(QStringLiteral("syso/update-server.chk"));
}

QString updateServer()
{
    const QString fromEnvironment = qEnvironmentVariable("ORTELIA_UPDATE_SERVER").trimmed();
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const std::optional<QStringList> lines = readLines(updateServerPath());
    if (lines && !lines->isEmpty() && !lines->first().trimmed().isEmpty())
        return lines->first().trimmed();
    return QString::fromLatin1(kDefaultUpdateServer);
}

std::optional<QStringList> readLines(const QString &path, FileRead::Failure *failure)
{
    const std::optional<QByteArray> bytes = FileRead::regularFile(path, kMaxFileBytes, failure);
    if (!bytes)
        return std::nullopt;
    return TextFile::splitLines(TextFile::decode(*bytes));
}

bool isPlainText(const QStringList &lines)
{
    return std::all_of(lines.begin(), lines.end(), [](const QString &line) {
        return std::none_of(line.begin(), line.end(), [](QChar c) {
            return (c.category() == QChar::Other_Control && c != QLatin1Char('\t')) ||
                   c == QChar::ReplacementCharacter;
        });
    });
}

bool readSwitches(const QString &path, bool &first, bool &second)
{
    const std::optional<QStringList> lines = readLines(path);
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

SaveResult writeSwitches(const QString &path, bool first, bool second)
{
    return TextFile::writeLines(
        path, {SettingsFormat::printNumber(first ? 1 : 0), SettingsFormat::printNumber(second ? 1 : 0)});
}

std::optional<QString> readDate(const QString &path)
{
    const std::optional<QStringList> lines = readLines(path);
    return lines ? dateIn(*lines) : std::nullopt;
}

std::optional<QString> dateIn(const QStringList &lines)
{
    if (lines.isEmpty())
        return std::nullopt;
    return SettingsFormat::unquoted(lines.last());
}

QString readUpdateDate()
{
    return updateDateIn(readLines(updateDatePath()).value_or(QStringList()));
}

QString updateDateIn(const QStringList &lines)
{
    const std::optional<QString> date = dateIn(lines);
    const bool eightDigits =
        date && date->size() == 8 && std::all_of(date->begin(), date->end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
    return eightDigits ? *date : QString::fromLatin1(kDefaultUpdateDate);
}

SaveResult writeUpdateDate(const QString &yyyymmdd)
{
    return writeQuotedDate(updateDatePath(), yyyymmdd);
}

SaveResult writeLastUpdateDate(const QString &ddmmyyyy)
{
    return writeQuotedDate(lastUpdateDatePath(), ddmmyyyy);
}

QString failureMessage(const SaveResult &saved)
{
    // The date files keep their own message for a write-protected file; a full disk says so.
    if (saved.failure() == SaveResult::Failure::NotWritable) {
        if (saved.path() == updateDatePath())
            return QStringLiteral("Achtung : Schreibschutz entfernen [Ordner> syso/update-datum.chk]!");
        if (saved.path() == lastUpdateDatePath())
            return QStringLiteral(
                "Achtung : Schreibschutz entfernen [Ordner> syso\\LetztesUpdate-Datum.chk]!");
    }
    return saved.message();
}

bool isFirstRun()
{
    return std::any_of(std::begin(kDefaults), std::end(kDefaults),
                       [](const DefaultFile &file) { return needsDefault(file.path()); });
}

SaveResult WriteDefaultSettings()
{
    // The folder ships with the program; recreate it if a user removed it, so that the
    // defaults are not lost and the first run is not repeated at every start.
    QDir().mkpath(ProgramFolder::path(QStringLiteral("syso")));
    SaveResult firstFailure;
    for (const DefaultFile &file : kDefaults) {
        if (!needsDefault(file.path()))
            continue;
        const SaveResult saved = TextFile::writeLines(file.path(), {QString::fromLatin1(file.line)});
        if (!saved && firstFailure)
            firstFailure = saved;
        // The waits belong to writing; a folder that takes nothing is not waited on.
        if (saved && file.waitAfter > 0)
            pause(file.waitAfter);
    }
    return firstFailure;
}

} // namespace ortelia::SettingsFiles
