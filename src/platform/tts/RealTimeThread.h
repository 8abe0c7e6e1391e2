#pragma once

namespace ortelia {

// Asks the system to run the calling thread before ordinary work (round-robin real-time
// scheduling at a low priority), so that a busy machine does not starve the sound card. Where
// that is not permitted the thread stays as it was. True when granted.
bool runInRealTime();

} // namespace ortelia
