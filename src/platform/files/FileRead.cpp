#include "FileRead.h"

#include <QFile>

#include <cerrno>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ortelia {

namespace {

std::optional<QByteArray> fail(FileRead::Failure why, FileRead::Failure *failure)
{
    if (failure)
        *failure = why;
    return std::nullopt;
}

// Reads until end of file; one byte past the bound tells a file that is too large.
std::optional<QByteArray> readToEnd(int fd, qint64 maxBytes, qint64 sizeHint, FileRead::Failure *failure)
{
    QByteArray bytes;
    bytes.reserve(qMin(sizeHint, maxBytes) + 1);
    char buffer[65536];
    for (;;) {
        const qint64 want = qMin<qint64>(sizeof buffer, maxBytes + 1 - bytes.size());
        const ssize_t got = ::read(fd, buffer, size_t(want));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(FileRead::Failure::Unreadable, failure);
        if (got == 0)
            break;
        bytes.append(buffer, got);
        if (bytes.size() > maxBytes)
            return fail(FileRead::Failure::TooLarge, failure);
    }
    if (failure)
        *failure = FileRead::Failure::None;
    return bytes;
}

FileRead::Failure statFailure(const struct stat &info, qint64 maxBytes)
{
    if (!S_ISREG(info.st_mode))
        return FileRead::Failure::NotRegular;
    if (info.st_size > maxBytes)
        return FileRead::Failure::TooLarge;
    return FileRead::Failure::None;
}

FileRead::State stateOf(const struct stat &info)
{
    return {qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
            quint64(info.st_dev), quint64(info.st_ino)};
}

} // namespace

std::optional<FileRead::State> FileRead::check(const QString &path, qint64 maxBytes, Failure *failure)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        fail(errno == ENOENT || errno == ENOTDIR ? Failure::Missing : Failure::Unreadable, failure);
        return std::nullopt;
    }
    if (const Failure why = statFailure(info, maxBytes); why != Failure::None) {
        fail(why, failure);
        return std::nullopt;
    }
    if (failure)
        *failure = Failure::None;
    return stateOf(info);
}

std::optional<FileRead::OpenFile> FileRead::open(const QString &path, qint64 maxBytes, Failure *failure)
{
    // Non-blocking, so that a FIFO does not wait for a writer before it is refused.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fail(errno == ENOENT || errno == ENOTDIR ? Failure::Missing : Failure::Unreadable, failure);
        return std::nullopt;
    }
    struct stat info {};
    Failure why = ::fstat(fd, &info) != 0 ? Failure::Unreadable : statFailure(info, maxBytes);
    OpenFile file(fd, stateOf(info));
    if (failure)
        *failure = why;
    if (why != Failure::None)
        return std::nullopt;
    return file;
}

std::optional<QByteArray> FileRead::regularFile(const QString &path, qint64 maxBytes, Failure *failure)
{
    const std::optional<OpenFile> file = open(path, maxBytes, failure);
    return file ? readToEnd(file->m_fd, maxBytes, file->state().size, failure) : std::nullopt;
}

FileRead::OpenFile::OpenFile(int fd, State state) : m_fd(fd), m_state(state)
{
}

FileRead::OpenFile::OpenFile(OpenFile &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_state(other.m_state)
{
}

FileRead::OpenFile::~OpenFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileRead::OpenFile::read(qint64 offset, std::span<char> into) const
{
    if (offset < 0 || offset > m_state.size || qint64(into.size()) > m_state.size - offset)
        return false;
    for (size_t done = 0; done < into.size();) {
        const ssize_t got =
            ::pread(m_fd, into.data() + done, into.size() - done, off_t(offset + qint64(done)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += size_t(got);
    }
    return true;
}

std::optional<QByteArray> FileRead::descriptor(int fd, qint64 maxBytes, Failure *failure)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fail(Failure::Unreadable, failure);
    if (S_ISDIR(info.st_mode))
        return fail(Failure::NotRegular, failure);
    return readToEnd(fd, maxBytes, S_ISREG(info.st_mode) ? info.st_size : 0, failure);
}

} // namespace ortelia
