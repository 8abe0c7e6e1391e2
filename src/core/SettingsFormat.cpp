#include "SettingsFormat.h"

namespace ortelia::SettingsFormat {

QString printText(const QString &text) { return text; }

QString printNumber(int value)
{
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value) + QLatin1Char(' ');
}

QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString truthText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

QString unquoted(const QString &line)
{
    QString result = line;
    result.remove(QLatin1Char('"'));
    return result;
}

std::optional<int> readNumber(const QString &line)
{
    const QString text = unquoted(line).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<bool> readTruth(const QString &line)
{
    const QString text = unquoted(line).trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<int> n = readNumber(text))
        return *n != 0;
    return std::nullopt;
}

} // namespace ortelia::SettingsFormat
