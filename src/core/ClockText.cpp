#include "ClockText.h"

#include <QLocale>

namespace ortelia {

QString ClockTime(const QTime &time)
{
    return QLocale::c().toString(time, QStringLiteral("HH:mm:ss"));
}

QString ClockDate(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("dd.MM.yyyy"));
}

QString ClockTimeAndDate(const QDateTime &moment)
{
    return ClockTime(moment.time()) + QStringLiteral("Uhr.    ") + ClockDate(moment.date());
}

} // namespace ortelia
