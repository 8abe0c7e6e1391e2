#pragma once

#include <QFile>
#include <QString>

#include <optional>

namespace ortelia {

// A RIFF WAVE file of 16-bit mono PCM, written while the speech is made, so that no copy of the
// whole speech is held; the target is replaced only when the file is whole. It is written under
// a name of its own beside the target and renamed over it, without waiting for the disk: the
// speech can be made again, and the wait cost "ortelia say --wav" a tenth of its time.
class WavFile {
public:
    // The file a WAV file for path replaces: path when it names a regular file or nothing, the
    // regular file a link at path leads to (the link stays). nullopt when path names anything
    // else (a device, a FIFO, a folder, a link to such a thing or to nothing), which a WAV file
    // must never take the place of.
    static std::optional<QString> targetFor(const QString &path);

    // For a command: SIGTERM and SIGINT remove the partial file of the WAV file being written,
    // then end the program as the signal would have.
    static void removePartialFileOnSignals();

    // Removes what runs killed before left beside path (removeStaleTemporaries).
    WavFile(const QString &path, int sampleRate);
    // Removes the partial file when commit was not reached or failed.
    ~WavFile();

    bool append(const qint16 *samples, qsizetype count);
    // Puts the sizes into the header and replaces the target; false when anything failed.
    bool commit();

private:
    bool writeHeader(quint32 dataBytes);

    QString m_target;
    QFile m_file;
    bool m_committed = false;
    int m_sampleRate;
    quint32 m_dataBytes = 0;
    bool m_ok;
};

} // namespace ortelia
