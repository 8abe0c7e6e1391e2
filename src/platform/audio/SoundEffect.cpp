#include "SoundEffect.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace ortelia {

namespace {

// The file of a name, or an empty string. A name is one file name, never a pattern or a path.
QString soundFile(const QString &name)
{
    static const QString notInName = QStringLiteral("/\\*?[]");
    if (name.isEmpty() ||
        std::any_of(name.begin(), name.end(), [](QChar ch) { return notInName.contains(ch); }))
        return {};
    QDir dir(QDir::currentPath());
    const QStringList folders = dir.entryList({QStringLiteral("Sounds")}, QDir::Dirs);
    if (folders.isEmpty() || !dir.cd(folders.first()))
        return {};
    const QStringList files = dir.entryList({name + QStringLiteral(".wav")}, QDir::Files | QDir::Readable);
    return files.isEmpty() ? QString() : dir.filePath(files.first());
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
