#include "SpeechPageObject.h"

#include "FileRead.h"
#include "ProgramFolder.h"
#include "SpeechEngine.h"
#include "TextFile.h"
#include "HeadlessPage.h"

#include <QDir>

namespace ortelia {

namespace {

// Request files and the profile are the program's own and small; the bound keeps whatever else
// is put in their place (a FIFO, a link to /dev/zero) from holding up or filling the program.
constexpr qint64 kMaxSpokenBytes = 16 * 1024 * 1024;

} // namespace

SpeechPageObject::SpeechPageObject(SpeechEngine &engine, const QString &pageDir, QObject *parent)
    : QObject(parent), m_engine(engine), m_pageDir(pageDir)
{
}

void SpeechPageObject::registerType(SpeechEngine &engine)
{
    // A page in the page host speaks through its stand-in there, on this engine.
    HeadlessPage::registerObjectType(
        kSpeechObjectClassId,
        [&engine](const QMap<QString, QString> &, const QString &pageDir, QObject *parent) {
            return new SpeechPageObject(engine, pageDir, parent);
        },
        HeadlessPage::Side::Window);
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
        m_engine.speak(TextFile::splitLines(TextFile::decode(*bytes)).join(QLatin1Char('\n')));
}

void SpeechPageObject::stop()
{
    m_engine.stop();
}

void SpeechPageObject::pause()
{
    m_engine.pause();
}

void SpeechPageObject::resume()
{
    m_engine.resume();
}

void SpeechPageObject::repeat()
{
    m_engine.repeat();
}

bool SpeechPageObject::paused() const
{
    return m_engine.paused();
}

} // namespace ortelia
