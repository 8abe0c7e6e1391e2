#pragma once

#include <QString>

namespace ortelia {

// Plays "Sounds/<name>.wav" of the program folder (found without regard to case) and returns
// at once. One effect sounds at a time: a new one stops the one before. A missing file or a
// missing sound device plays nothing and reports nothing. Returns whether the file was found
// and handed to the output.
bool PlaySoundEffect(const QString &name);

} // namespace ortelia
