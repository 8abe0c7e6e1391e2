#include "WavFile.h"

#include "TemporaryFiles.h"

#include <QtEndian>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace ortelia {

namespace {

// The partial file's name, encoded before any signal can come: the handler may only unlink it.
// Changed with the signals blocked, so that the handler never sees half a name.
char g_partialFile[4096];

void removePartialAndEnd(int signal)
{
    if (g_partialFile[0] != '\0')
        ::unlink(g_partialFile);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void setPartialFile(const QByteArray &name)
{
    sigset_t ending, before;
    sigemptyset(&ending);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGINT);
    sigprocmask(SIG_BLOCK, &ending, &before);
    const bool fits = size_t(name.size()) < sizeof g_partialFile;
    std::memcpy(g_partialFile, name.constData(), fits ? size_t(name.size()) : 0);
    g_partialFile[fits ? name.size() : 0] = '\0';
    sigprocmask(SIG_SETMASK, &before, nullptr);
}

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

std::optional<QString> WavFile::targetFor(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Nothing there, or nothing that can be looked at: the write itself tells what is wrong.
    if (::lstat(name.constData(), &info) != 0 || S_ISREG(info.st_mode))
        return path;
    if (!S_ISLNK(info.st_mode))
        return std::nullopt;
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(name.constData(), nullptr),
                                                               &std::free);
    if (!resolved || ::stat(resolved.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return QFile::decodeName(resolved.get());
}

void WavFile::removePartialFileOnSignals()
{
    struct sigaction action {};
    action.sa_handler = removePartialAndEnd;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

WavFile::WavFile(const QString &path, int sampleRate) : m_target(path), m_sampleRate(sampleRate)
{
    removeStaleTemporaries(path);
    // A fresh name each try, so that two calls writing the same target never share a file.
    bool open = false;
    for (int attempt = 0; attempt < 8 && !open; ++attempt) {
        m_file.setFileName(temporaryNameFor(path));
        open = m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    m_ok = open && writeHeader(0);
    if (!open)
        m_file.setFileName(QString());
    else
        setPartialFile(QFile::encodeName(m_file.fileName()));
}

WavFile::~WavFile()
{
    setPartialFile({});
    if (m_committed || m_file.fileName().isEmpty())
        return;
    m_file.close();
    QFile::remove(m_file.fileName());
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
    if (!m_ok || !writeHeader(m_dataBytes) || !m_file.flush())
        return false;
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return false;
    m_committed = std::rename(QFile::encodeName(m_file.fileName()).constData(),
                              QFile::encodeName(m_target).constData()) == 0;
    if (m_committed)
        setPartialFile({});
    return m_committed;
}

} // namespace ortelia
