#include "FileRead.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ortelia {

namespace {

struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

std::optional<QByteArray> fail(FileRead::Failure why, FileRead::Failure *failure)
{
    if (failure)
        *failure = why;
    return std::nullopt;
}

// Reads until end of file; one byte past the bound tells a file that is too large.
std::optional<QByteArray> readAll(int fd, qint64 maxBytes, qint64 sizeHint, FileRead::Failure *failure)
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
    return State{qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                 quint64(info.st_dev), quint64(info.st_ino)};
}

std::optional<QByteArray> FileRead::regularFile(const QString &path, qint64 maxBytes, Failure *failure)
{
    // Non-blocking, so that a FIFO does not wait for a writer before it is refused.
    Descriptor file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        return fail(errno == ENOENT || errno == ENOTDIR ? Failure::Missing : Failure::Unreadable, failure);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        return fail(Failure::Unreadable, failure);
    if (const Failure why = statFailure(info, maxBytes); why != Failure::None)
        return fail(why, failure);
    return readAll(file.fd, maxBytes, info.st_size, failure);
}

std::optional<QByteArray> FileRead::descriptor(int fd, qint64 maxBytes, Failure *failure)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fail(Failure::Unreadable, failure);
    if (S_ISDIR(info.st_mode))
        return fail(Failure::NotRegular, failure);
    return readAll(fd, maxBytes, S_ISREG(info.st_mode) ? info.st_size : 0, failure);
}

} // namespace ortelia
