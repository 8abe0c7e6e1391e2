#include "ListLine.h"

#include "TextRoutines.h"

namespace ortelia {

namespace {
const QChar kFieldSeparator = QLatin1Char(';');
}

QStringList lineFields(const QString &line)
{
    QStringList fields = line.split(kFieldSeparator);
    if (fields.size() > 1 && fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

QString lineField(const QString &line, int index)
{
    const QStringList fields = lineFields(line);
    return index < fields.size() ? fields[index] : QString();
}

QString displayLine(const QString &line)
{
    QString shown = line;
    return ZeichenErsetzen(shown, QStringLiteral(";"), QStringLiteral("  -  "));
}

} // namespace ortelia
