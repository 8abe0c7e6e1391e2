#include "SoundEffect.h"

#include "ProgramFolder.h"

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

// The file of a name, or an empty string. A name is one file name, never a path.
QString soundFile(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return {};
    const QFileInfo file(ProgramFolder::path(QStringLiteral("Sounds/") + name + QStringLiteral(".wav")));
    return file.isFile() && file.isReadable() ? file.filePath() : QString();
}

// One loaded effect per file, kept for the next time; they live as long as the application.
QHash<QString, QPointer<QSoundEffect>> &effects()
{
    static QHash<QString, QPointer<QSoundEffect>> loaded;
    return loaded;
}

} // namespace

bool PlaySoundEffect(const QString &name)
{
    const QString file = soundFile(name);
    if (file.isEmpty() || !QCoreApplication::instance())
        return false;
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
