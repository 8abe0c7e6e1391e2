#include "NotificationArea.h"

#include <QSystemTrayIcon>

namespace ortelia::NotificationArea {

bool isAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace ortelia::NotificationArea
