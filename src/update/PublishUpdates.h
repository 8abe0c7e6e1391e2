#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

namespace ortelia {

// Lays out what an update server serves, for any static web server: the update list at
// <folder>/ortelia-translator/update/1/update1.txt and beside it the dictionary files of
// TranslateDeGb. The list starts with a header line (the window starts at the second line) and
// ends with the end marker, a line whose file name the stored copy's closing quote becomes.
struct PublishResult {
    int dictionaries = 0;
    QString error;
};
// date: the yyyymmdd every entry gets; empty for each file's own date.
PublishResult publishUpdates(const QString &folder, const QString &baseAddress, const QString &date);

// The update list's text for the given dictionary files (names in TranslateDeGb) and dates.
QString updateListText(const QString &baseAddress, const QStringList &fileNames, const QStringList &dates);

// ortelia publish-updates FOLDER BASE-ADDRESS [DATUM]
int runPublishUpdatesCommand(const QStringList &args, const QDir &startDir);

} // namespace ortelia
