#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ortelia {

// Reading a file that comes from outside the program: only a regular file (also behind a link),
// never more than a bound. A FIFO, a device or a folder is refused without opening it for a
// blocking read, and a file that grows past the bound while it is read is refused too.
class FileRead {
public:
    enum class Failure { None, Missing, NotRegular, TooLarge, Unreadable };

    // The whole file, or nullopt with failure() saying why.
    static std::optional<QByteArray> regularFile(const QString &path, qint64 maxBytes,
                                                 Failure *failure = nullptr);
    // Everything from an open descriptor (standard input), up to the bound.
    static std::optional<QByteArray> descriptor(int fd, qint64 maxBytes, Failure *failure = nullptr);
    // The same tests without reading: whether path names a regular file within the bound.
    static Failure check(const QString &path, qint64 maxBytes);
};

} // namespace ortelia
