#include "WavFile.h"

#include <QSaveFile>
#include <QtEndian>

namespace ortelia::WavFile {

namespace {

void append32(QByteArray &bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void append16(QByteArray &bytes, quint16 value)
{
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

} // namespace

bool write(const QString &path, const QList<qint16> &samples, int sampleRate)
{
    const quint32 dataBytes = quint32(samples.size()) * 2;
    QByteArray bytes;
    bytes.reserve(44 + qsizetype(dataBytes));
    bytes.append("RIFF", 4);
    append32(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ", 8);
    append32(bytes, 16); // format chunk size
    append16(bytes, 1);  // PCM
    append16(bytes, 1);  // mono
    append32(bytes, quint32(sampleRate));
    append32(bytes, quint32(sampleRate) * 2); // bytes per second
    append16(bytes, 2);                       // bytes per frame
    append16(bytes, 16);                      // bits per sample
    bytes.append("data", 4);
    append32(bytes, dataBytes);
    const qsizetype header = bytes.size();
    bytes.resize(header + qsizetype(dataBytes));
    if (!samples.isEmpty())
        qToLittleEndian<qint16>(samples.constData(), samples.size(), bytes.data() + header);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ortelia::WavFile
