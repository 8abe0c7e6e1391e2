#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>

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
    // What tells one state of a file from another: an editor that saves in place keeps the inode
    // but changes the time, one that saves a new file changes the inode.
    struct State {
        qint64 size = -1;
        qint64 modifiedNs = 0;
        quint64 device = 0;
        quint64 inode = 0;
        bool operator==(const State &) const = default;
    };
    // The same tests without reading: the state of a regular file within the bound, or nullopt
    // with failure saying why.
    static std::optional<State> check(const QString &path, qint64 maxBytes, Failure *failure = nullptr);

    // A regular file within the bound, held open so that only the pieces asked for are read.
    class OpenFile {
    public:
        OpenFile(OpenFile &&other) noexcept;
        ~OpenFile();

        // The file's state when it was opened: the pieces read lie within its size.
        const State &state() const { return m_state; }
        // Fills into with the bytes at offset; false when they are not all within the size, or the
        // file, cut short meanwhile, no longer has them.
        bool read(qint64 offset, std::span<char> into) const;

    private:
        friend class FileRead;
        OpenFile(int fd, State state);

        int m_fd = -1;
        State m_state;
    };
    // The file opened with the tests of regularFile(), or nullopt with failure saying why.
    static std::optional<OpenFile> open(const QString &path, qint64 maxBytes, Failure *failure = nullptr);
};

} // namespace ortelia
