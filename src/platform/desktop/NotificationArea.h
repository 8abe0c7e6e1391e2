#pragma once

namespace ortelia {

// Whether the desktop has a notification area for the program's icon.
namespace NotificationArea {

bool isAvailable();

} // namespace NotificationArea
} // namespace ortelia
