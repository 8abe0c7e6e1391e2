#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia {

// The settings files under syso and the first-run defaults.
namespace SettingsFiles {

QString optionsPath();          // syso/optionen.chk: daily and monthly update switches
QString updateOptionsPath();    // syso/optionen1.chk: automatic list loading, only newer entries
QString updateDatePath();       // syso/update-datum.chk: yyyymmdd
QString lastUpdateDatePath();   // syso/LetztesUpdate-Datum.chk: dd.mm.yyyy
QString voiceProfilePath();     // stimm2.txt
QString updateServerPath();     // syso/update-server.chk: base address of the update server

inline constexpr const char *kDefaultUpdateServer = "http://127.0.0.1:8000/";
// The update server's base address: ORTELIA_UPDATE_SERVER, else the first line of
// syso/update-server.chk, else the default.
QString updateServer();

inline constexpr const char *kDefaultVoiceProfile = "#voice=name:lgx.en.bill#";

// Reads the two switches of an option file. A switch keeps its value when its line is missing
// or holds no number (the first-run file has one line only). False when the file is unreadable.
bool readSwitches(const QString &path, bool &first, bool &second);
// The same on the lines of an option file already read.
void switchesIn(const QStringList &lines, bool &first, bool &second);
// Writes the two switches as printed numbers, one per line.
bool writeSwitches(const QString &path, bool first, bool second);

// The last line of a date file with every double quote removed; nullopt when unreadable or empty.
std::optional<QString> readDate(const QString &path);
// The same on the lines of a date file already read; nullopt when there are none.
std::optional<QString> dateIn(const QStringList &lines);
// Writes the date with the quoting write; on failure shows the file's write-protection message
// and returns false.
bool writeUpdateDate(const QString &yyyymmdd);
bool writeLastUpdateDate(const QString &ddmmyyyy);

// First start: the options file is missing.
bool isFirstRun();
// Writes the defaults in their order with their waits; a failed write is skipped.
void WriteDefaultSettings();

} // namespace SettingsFiles
} // namespace ortelia
