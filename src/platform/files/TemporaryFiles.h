#pragma once

#include <QString>

namespace ortelia {

// The program writes a file as "<target>.<random>.tmp" beside it and renames it over the target
// (saveFile, WavFile). A run killed meanwhile leaves that file behind, up to the size of a
// dictionary; the next write of the same target removes such files, and only such: regular
// files of exactly that pattern, untouched for over a minute, so that a write still running in
// another process keeps its file.
void removeStaleTemporaries(const QString &target);
// A fresh "<target>.<random>.tmp" name of that pattern.
QString temporaryNameFor(const QString &target);

} // namespace ortelia
