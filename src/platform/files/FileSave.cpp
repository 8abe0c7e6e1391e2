#include "FileSave.h"
#include "TemporaryFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ortelia {

namespace {

// A failure with an errno that says nothing of space is taken as a full disk only when the disk
// is nearly full; otherwise as a write-protected file or folder.
SaveResult failed(const QString &path, qint64 needed, int error)
{
    constexpr qint64 kNearlyFull = 64 * 1024;
    bool full = error == ENOSPC || error == EDQUOT;
    if (!full && error != EACCES && error != EPERM && error != EROFS) {
        const QStorageInfo storage(QFileInfo(path).absolutePath());
        full = storage.isValid() && storage.bytesAvailable() < qMax(needed, kNearlyFull);
    }
    return {full ? SaveResult::Failure::DiskFull : SaveResult::Failure::NotWritable, path};
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// A new file of its own beside the target; O_EXCL never opens an entry that is already there,
// a link included.
int createBeside(const QString &target, QByteArray &name)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = QFile::encodeName(temporaryNameFor(target));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

QString SaveResult::message(const QString &shownName) const
{
    const QString name = shownName.isEmpty() ? QDir::toNativeSeparators(m_path) : shownName;
    switch (m_failure) {
    case Failure::None:
        return {};
    case Failure::DiskFull:
        return QStringLiteral("Achtung : Der Datenträger ist voll [%1]! Die Datei bleibt, wie sie war.")
            .arg(name);
    case Failure::NotWritable:
        break;
    }
    return QStringLiteral("Achtung : Schreibschutz entfernen [%1]!").arg(name);
}

SaveResult saveFile(const QString &path, const QByteArray &bytes)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QByteArray target = QFile::encodeName(absolute);
    // A save killed before left its file of up to a dictionary's size beside the target.
    removeStaleTemporaries(absolute);
    QByteArray temp;
    const int fd = createBeside(absolute, temp);
    if (fd < 0)
        return failed(path, bytes.size(), errno);
    struct stat old {};
    if (::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    const bool written = writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temp.constData());
        return failed(path, bytes.size(), written ? EIO : writeError);
    }
    // rename replaces the entry at the target, whatever it is, and never follows it.
    if (::rename(temp.constData(), target.constData()) != 0) {
        const int renameError = errno;
        ::unlink(temp.constData());
        return failed(path, bytes.size(), renameError);
    }
    return {};
}

bool writeInPlace(const QString &path, const QByteArray &bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(name.constData(), &entry) == 0 && !S_ISREG(entry.st_mode))
        return !S_ISDIR(entry.st_mode) && saveFile(path, bytes).ok();
    // O_NOFOLLOW and O_NONBLOCK: what was put there since the look is neither followed nor waited for.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat opened {};
    const bool ok = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::ftruncate(fd, 0) == 0 &&
                    writeAll(fd, bytes);
    return ::close(fd) == 0 && ok;
}

} // namespace ortelia
