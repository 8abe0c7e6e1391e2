#pragma once

#include <optional>

namespace ortelia {

// Whether the desktop has a notification area for the program's icon. Without one a window
// hidden "to the tray" could never be brought back.
namespace NotificationArea {

bool isAvailable();

// Replaces the desktop's answer for tests; std::nullopt asks the desktop again.
void setAvailableForTests(std::optional<bool> available);

} // namespace NotificationArea
} // namespace ortelia
