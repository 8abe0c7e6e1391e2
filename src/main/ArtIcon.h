#pragma once

class QAbstractButton;

namespace ortelia {

// Gives a picture button its artwork from the program's art folder; a missing picture leaves the
// button empty.
void setArtIcon(QAbstractButton *button, const char *file);

} // namespace ortelia
