#pragma once

#include <QList>
#include <QString>

namespace ortelia::WavFile {

// Writes 16-bit mono PCM as a RIFF WAVE file. False when the file cannot be written.
bool write(const QString &path, const QList<qint16> &samples, int sampleRate);

} // namespace ortelia::WavFile
