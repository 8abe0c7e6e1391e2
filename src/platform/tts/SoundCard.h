#pragma once

namespace ortelia {

// Makes the speech engine speak through the system's default sound card (Qt Multimedia).
void useSoundCard();

} // namespace ortelia
