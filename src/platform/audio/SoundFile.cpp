#include "SoundFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace ortelia {

namespace {

// One loaded effect per file, kept for the next time; they live as long as the application.
QHash<QString, QPointer<QSoundEffect>> &effects()
{
    static QHash<QString, QPointer<QSoundEffect>> loaded;
    return loaded;
}

double &volumeLevel()
{
    static double level = 1.0;
    return level;
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
    effect->setVolume(volumeLevel());
    effect->stop();
    effect->play();
    return true;
}

void SetSoundVolume(double volume)
{
    volumeLevel() = std::clamp(volume, 0.0, 1.0);
    for (const QPointer<QSoundEffect> &effect : std::as_const(effects())) {
        if (effect)
            effect->setVolume(volumeLevel());
    }
}

double SoundVolume()
{
    return volumeLevel();
}

} // namespace ortelia
