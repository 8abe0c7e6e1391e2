#include "SpeechPageObject.h"

#include "FileRead.h"
#include "ProgramFolder.h"
#include "SpeechEngine.h"
#include "SpeechPage.h"
#include "TextFile.h"
#include "WebBrowser.h"

#include <QDir>

namespace ortelia {

namespace {

// Request files and the profile are the program's own and small; the bound keeps whatever else
// is put in their place (a FIFO, a link to /dev/zero) from holding up or filling the program.
constexpr qint64 kMaxSpokenBytes = 16 * 1024 * 1024;

} // namespace

SpeechPageObject::SpeechPageObject(const QString &pageDir, QObject *parent)
    : QObject(parent), m_pageDir(pageDir)
{
}

void SpeechPageObject::registerType()
{
    static const bool registered = [] {
        WebBrowser::registerObjectType(kSpeechObjectClassId,
                                       [](const QMap<QString, QString> &, const QString &pageDir,
                                          QObject *parent) { return new SpeechPageObject(pageDir, parent); });
        return true;
    }();
    Q_UNUSED(registered);
}

void SpeechPageObject::speakFile(const QString &name)
{
    speakPath(ProgramFolder::resolve(m_pageDir, name));
}

void SpeechPageObject::speakWorkingFolderFile(const QString &name)
{
    speakPath(ProgramFolder::resolve(QDir::currentPath(), name));
}

void SpeechPageObject::speakPath(const QString &path)
{
    if (const std::optional<QByteArray> bytes = FileRead::regularFile(path, kMaxSpokenBytes))
        SpeechEngine::instance().speak(
            TextFile::splitLines(TextFile::decode(*bytes)).join(QLatin1Char('\n')));
}

void SpeechPageObject::stop()
{
    SpeechEngine::instance().stop();
}

void SpeechPageObject::pause()
{
    SpeechEngine::instance().pause();
}

void SpeechPageObject::resume()
{
    SpeechEngine::instance().resume();
}

void SpeechPageObject::repeat()
{
    SpeechEngine::instance().repeat();
}

bool SpeechPageObject::paused() const
{
    return SpeechEngine::instance().paused();
}

} // namespace ortelia
