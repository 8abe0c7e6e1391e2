#pragma once

#include "FileRead.h"
#include "FileSave.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia {

// The settings files under syso and the first-run defaults.
namespace SettingsFiles {

QString optionsPath();        // syso/optionen.chk: daily and monthly update switches
QString updateOptionsPath();  // syso/optionen1.chk: automatic list loading, only newer entries
QString updateDatePath();     // syso/update-datum.chk: yyyymmdd
QString lastUpdateDatePath(); // syso/LetztesUpdate-Datum.chk: dd.mm.yyyy
QString voiceProfilePath();   // stimm2.txt
QString updateServerPath();   // syso/update-server.chk: base address of the update server

inline constexpr const char *kDefaultUpdateServer = "http://127.0.0.1:8000/";
// The update server's base address: ORTELIA_UPDATE_SERVER, else the first line of
// syso/update-server.chk, else the default.
QString updateServer();

inline constexpr const char *kDefaultVoiceProfile = "#voice=name:lgx.en.bill#";
inline constexpr const char *kDefaultUpdateDate = "20070501";
inline constexpr const char *kDefaultLastUpdateDate = "01.05.2007";

// Settings files and the voice profile hold a few short lines; anything larger is not one.
inline constexpr qint64 kMaxFileBytes = 64 * 1024;
// The lines of a settings file or the voice profile: only a regular file (also behind a link) of
// at most kMaxFileBytes. nullopt otherwise, with failure saying why.
std::optional<QStringList> readLines(const QString &path, FileRead::Failure *failure = nullptr);
// True when the lines hold no control character (but tabs) and nothing that failed to decode:
// what a text editor or the program writes, not a damaged or foreign file.
bool isPlainText(const QStringList &lines);

// Reads the two switches of an option file. A switch keeps its value when its line is missing
// or holds no number (the first-run file has one line only). False when the file is unreadable.
bool readSwitches(const QString &path, bool &first, bool &second);
// The same on the lines of an option file already read.
void switchesIn(const QStringList &lines, bool &first, bool &second);
// Writes the two switches as printed numbers, one per line.
SaveResult writeSwitches(const QString &path, bool first, bool second);

// The last line of a date file with every double quote removed; nullopt when unreadable or empty.
std::optional<QString> readDate(const QString &path);
// The same on the lines of a date file already read; nullopt when there are none.
std::optional<QString> dateIn(const QStringList &lines);
// The update date as eight digits. A file that is missing or holds no such date counts as
// never updated: the first start's date, so that every newer dictionary is found.
QString readUpdateDate();
QString updateDateIn(const QStringList &lines);
// Writes the date with the quoting write.
SaveResult writeUpdateDate(const QString &yyyymmdd);
SaveResult writeLastUpdateDate(const QString &ddmmyyyy);
// What a window shows for a failed write of a settings file (empty when it was written): the date
// files have their own message for a write-protected file.
QString failureMessage(const SaveResult &saved);

// A first start, or one that was cut short: a default file is missing or empty.
bool isFirstRun();
// Writes each default file that is missing or empty, in the defaults' order with their waits;
// files that hold something are kept. A failed write is skipped; the first failure is returned.
SaveResult WriteDefaultSettings();

} // namespace SettingsFiles
} // namespace ortelia
