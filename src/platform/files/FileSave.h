#pragma once

#include <QByteArray>
#include <QString>

namespace ortelia {

// How a save ended. On any failure the file on disk is as it was before.
class SaveResult {
public:
    enum class Failure { None, DiskFull, NotWritable };

    SaveResult() = default;
    SaveResult(Failure failure, QString path) : m_failure(failure), m_path(std::move(path)) {}

    bool ok() const { return m_failure == Failure::None; }
    explicit operator bool() const { return ok(); }
    Failure failure() const { return m_failure; }
    const QString &path() const { return m_path; }
    // What went wrong, in German, naming the file as shownName (default: its path); for a window
    // or a command to show.
    QString message(const QString &shownName = QString()) const;

private:
    Failure m_failure = Failure::None;
    QString m_path;
};

// The one way the program replaces a file it writes for itself: the bytes go to a new file beside
// the target, every write and the sync are checked, and only a whole file is renamed over the
// target. Whatever stands at the target (a link, a FIFO, a device node) is replaced as an entry:
// nothing is ever written through a link. A regular file's permissions are kept.
SaveResult saveFile(const QString &path, const QByteArray &bytes);
// For request files another reader may be watching: the regular file at path is truncated and
// written where it is; anything else at path (a link above all) is replaced by a new file.
bool writeInPlace(const QString &path, const QByteArray &bytes);

} // namespace ortelia
