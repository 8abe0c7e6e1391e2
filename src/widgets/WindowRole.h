#pragma once

namespace ortelia {

// Screen readers are told that the program's windows are windows: a plain widget shown as a
// window would be a "filler" to them, and Orca names no window then. The lines of a hidden list
// are not told as showing.
void announceWindowsAsFrames();

} // namespace ortelia
