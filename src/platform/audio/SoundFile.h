#pragma once

#include <QString>

namespace ortelia {

// Plays a wave file and returns at once. One sound plays at a time: a new one stops the one
// before. Without a sound device it plays nothing and reports nothing. Returns whether the file
// is a readable file and was handed to the output.
bool PlaySoundFile(const QString &path);

// The level (0 = silent, 1 = as recorded) of every sound, playing or to come, as the volume of
// the sound output is for all that plays through it.
void SetSoundVolume(double volume);
double SoundVolume();

} // namespace ortelia
