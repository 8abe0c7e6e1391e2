#include "NotificationArea.h"

#include <QSystemTrayIcon>

namespace ortelia::NotificationArea {

namespace {
std::optional<bool> &forcedAnswer()
{
    static std::optional<bool> answer;
    return answer;
}
} // namespace

bool isAvailable()
{
    return forcedAnswer().value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void setAvailableForTests(std::optional<bool> available)
{
    forcedAnswer() = available;
}

} // namespace ortelia::NotificationArea
