#include "StartSettings.h"

#include "Dialogs.h"
#include "ProgramFolder.h"
#include "SettingsFiles.h"
#include "SettingsFormat.h"
#include "TextFile.h"

namespace ortelia::StartSettings {

QString path()
{
    return ProgramFolder::path(QStringLiteral("syso/reg2.txt"));
}

SaveResult write(const QList<bool> &values)
{
    QStringList lines;
    for (int i = 0; i < kLineCount; ++i)
        lines << SettingsFormat::truthText(values.value(i));
    const SaveResult saved = TextFile::writeLines(path(), lines);
    if (!saved)
        Dialogs::message(Dialogs::programTitle(), saved.message());
    return saved;
}

QList<std::optional<bool>> read()
{
    QList<std::optional<bool>> values(kLineCount);
    const std::optional<QStringList> lines = SettingsFiles::readLines(path());
    if (!lines)
        return values;
    for (int i = 0; i < kLineCount && i < lines->size(); ++i)
        values[i] = SettingsFormat::readTruth(lines->at(i));
    return values;
}

} // namespace ortelia::StartSettings
