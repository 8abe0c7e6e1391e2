#include "WavFile.h"

#include <QDataStream>
#include <QSaveFile>

namespace ortelia::WavFile {

bool write(const QString &path, const QList<qint16> &samples, int sampleRate)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const quint32 dataBytes = quint32(samples.size()) * 2;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(sampleRate) << quint32(sampleRate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (qint16 sample : samples)
        out << sample;
    if (out.status() != QDataStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ortelia::WavFile
