#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

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

// The one way the program replaces a file: the bytes go to a file beside the target, every
// write, the flush and the close are checked, and only a whole file is renamed over the target.
SaveResult saveFile(const QString &path, const QByteArray &bytes);
// Ends a save written piece by piece (a download): flushes and commits, checking each step, and
// cancels it on any failure, so that the target stays as it was.
SaveResult commitSave(QSaveFile &file);

} // namespace ortelia
