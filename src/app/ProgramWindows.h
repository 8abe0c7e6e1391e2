#pragma once

namespace ortelia {

// Registers every window the program has, as the program starts them.
void registerProgramWindows();

} // namespace ortelia
