#include "FileSave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace ortelia {

namespace {

// A write that failed with room to spare is taken as a write-protected file or folder.
SaveResult failed(const QString &path, qint64 needed)
{
    constexpr qint64 kNearlyFull = 64 * 1024;
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    const bool full = storage.isValid() && storage.bytesAvailable() < qMax(needed, kNearlyFull);
    return {full ? SaveResult::Failure::DiskFull : SaveResult::Failure::NotWritable, path};
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

SaveResult commitSave(QSaveFile &file)
{
    // QSaveFile::commit() does not see an error of the flush it makes itself: a full disk would
    // leave an empty file in the target's place.
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return failed(file.fileName(), 0);
    }
    if (!file.commit())
        return failed(file.fileName(), 0);
    return {};
}

SaveResult saveFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(path, bytes.size());
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return failed(path, bytes.size());
    }
    return commitSave(file);
}

} // namespace ortelia
