#include "StartSettings.h"

#include "ProgramFolder.h"
#include "TextFile.h"

namespace ortelia::StartSettings {

QString path()
{
    return ProgramFolder::path(QStringLiteral("syso/reg2.txt"));
}

bool write(const QList<bool> &values)
{
    QStringList lines;
    for (int i = 0; i < kLineCount; ++i)
        lines << (values.value(i) ? QStringLiteral("True") : QStringLiteral("False"));
    return TextFile::writeLines(path(), lines);
}

std::optional<bool> truthValue(const QString &line)
{
    const QString text = line.trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (isNumber)
        return number != 0.0;
    return std::nullopt;
}

QList<std::optional<bool>> read()
{
    QList<std::optional<bool>> values(kLineCount);
    const std::optional<QStringList> lines = TextFile::readLines(path());
    if (!lines)
        return values;
    for (int i = 0; i < kLineCount && i < lines->size(); ++i)
        values[i] = truthValue(lines->at(i));
    return values;
}

} // namespace ortelia::StartSettings
