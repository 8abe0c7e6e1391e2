#pragma once

#include <QDateTime>
#include <QString>

namespace ortelia {

// The main window's clock "hh:mm:ss" (24 hours), its date "dd.mm.yyyy", and both as they are
// read aloud: "09:05:03Uhr.    04.03.2026".
QString ClockTime(const QTime &time);
QString ClockDate(const QDate &date);
QString ClockTimeAndDate(const QDateTime &moment);

} // namespace ortelia
