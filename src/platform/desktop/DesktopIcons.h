#pragma once

namespace ortelia {

// Hides or shows the desktop with its icons: the top-level window titled "Program Manager", or
// else the window of type _NET_WM_WINDOW_TYPE_DESKTOP. Returns whether such a window was found;
// without one (no X11, no desktop program) nothing happens. Texts and sounds are the caller's.
bool HideDesktop();
bool ShowDesktop();

} // namespace ortelia
