#include "WavFile.h"

#include <QtEndian>

namespace ortelia {

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

WavFile::WavFile(const QString &path, int sampleRate) : m_file(path), m_sampleRate(sampleRate)
{
    m_ok = m_file.open(QIODevice::WriteOnly) && writeHeader(0);
}

bool WavFile::writeHeader(quint32 dataBytes)
{
    QByteArray bytes;
    bytes.append("RIFF", 4);
    append32(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ", 8);
    append32(bytes, 16); // format chunk size
    append16(bytes, 1);  // PCM
    append16(bytes, 1);  // mono
    append32(bytes, quint32(m_sampleRate));
    append32(bytes, quint32(m_sampleRate) * 2); // bytes per second
    append16(bytes, 2);                         // bytes per frame
    append16(bytes, 16);                        // bits per sample
    bytes.append("data", 4);
    append32(bytes, dataBytes);
    return m_file.seek(0) && m_file.write(bytes) == bytes.size();
}

bool WavFile::append(const qint16 *samples, qsizetype count)
{
    if (!m_ok || count <= 0)
        return m_ok;
    QByteArray bytes(count * 2, Qt::Uninitialized);
    qToLittleEndian<qint16>(samples, count, bytes.data());
    m_ok = m_file.write(bytes) == bytes.size();
    m_dataBytes += quint32(bytes.size());
    return m_ok;
}

bool WavFile::commit()
{
    if (!m_ok || !writeHeader(m_dataBytes)) {
        m_file.cancelWriting();
        return false;
    }
    return m_file.commit();
}

} // namespace ortelia
