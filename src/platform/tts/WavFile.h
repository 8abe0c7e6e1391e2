#pragma once

#include <QSaveFile>
#include <QString>

namespace ortelia {

// A RIFF WAVE file of 16-bit mono PCM, written while the speech is made, so that no copy of the
// whole speech is held; the target is replaced only when the file is whole.
class WavFile {
public:
    WavFile(const QString &path, int sampleRate);

    bool append(const qint16 *samples, qsizetype count);
    // Puts the sizes into the header and replaces the target; false when anything failed.
    bool commit();

private:
    bool writeHeader(quint32 dataBytes);

    QSaveFile m_file;
    int m_sampleRate;
    quint32 m_dataBytes = 0;
    bool m_ok;
};

} // namespace ortelia
