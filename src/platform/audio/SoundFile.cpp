#include "SoundFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace ortelia {

namespace {

// One loaded effect per file, kept for the next time; they live as long as the application.
QHash<QString, QPointer<QSoundEffect>> &effects()
{
    static QHash<QString, QPointer<QSoundEffect>> loaded;
    return loaded;
}

} // namespace

bool PlaySoundFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() || !QCoreApplication::instance())
        return false;
    const QString file = info.filePath();
    // Without a sound device the effect is silence, not a warning on every call.
    if (QMediaDevices::audioOutputs().isEmpty())
        return true;
    QPointer<QSoundEffect> &effect = effects()[file];
    for (const QPointer<QSoundEffect> &other : std::as_const(effects())) {
        if (other && other != effect)
            other->stop();
    }
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(file));
    }
    effect->stop();
    effect->play();
    return true;
}

} // namespace ortelia
