#include "TestSupport.h"

#include "TestServices.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace ortelia::test {

namespace {
const char *const kDesktopSchemes[] = {"file", "http", "https", "mailto"};
} // namespace

DesktopRecorder::DesktopRecorder()
{
    for (const char *scheme : kDesktopSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

DesktopRecorder::~DesktopRecorder()
{
    for (const char *scheme : kDesktopSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void DesktopRecorder::open(const QUrl &url)
{
    opened << url.toString();
}

namespace {
SpeechEngine *g_engine = nullptr;
void endSpeechEngine()
{
    delete g_engine;
    g_engine = nullptr;
}
} // namespace

SpeechEngine &speechEngine()
{
    if (!g_engine) {
        g_engine = new SpeechEngine;
        qAddPostRoutine(endSpeechEngine);
    }
    return *g_engine;
}

namespace {

// What the program writes as it runs (settings, profile, request and guest files, the chooser's
// page): a run of the program from the build folder must not leak into the tests' fresh copy.
bool writtenByARun(const QString &relativePath)
{
    static const QStringList kFiles = {
        QStringLiteral("stimm2.txt"),
        QStringLiteral("erkennung.txt"),
        QStringLiteral("hilfe.txt"),
        QStringLiteral("Gast.txt"),
        QStringLiteral("update.chk"),
        QStringLiteral("TranslateDeGb/sysx"),
        QStringLiteral("TranslateDeGb/update.chk"),
    };
    return relativePath.startsWith(QLatin1String("syso/"), Qt::CaseInsensitive) ||
           kFiles.contains(relativePath, Qt::CaseInsensitive);
}

// The dictionaries the build imports and the tables beside them.
const QStringList kBuiltDictionaryFiles = {QStringLiteral("*.txt"), QStringLiteral("*-Zusatz.tab"),
                                           QStringLiteral("*-Wortarten.tab"), QStringLiteral("*-Gegenrichtung.tab"),
                                           QStringLiteral("Grammatik.tab")};

void copyTree(const QString &from, const QString &to, bool skipDictionaries, const QString &relative = {})
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = to + QLatin1Char('/') + info.fileName();
        const QString relativePath = relative + info.fileName();
        if (info.isDir()) {
            copyTree(info.filePath(), target,
                     skipDictionaries || info.fileName() == QLatin1String("TranslateDeGb"),
                     relativePath + QLatin1Char('/'));
            continue;
        }
        if (writtenByARun(relativePath))
            continue;
        if (skipDictionaries && QDir::match(kBuiltDictionaryFiles, info.fileName()))
            continue;
        // The program itself is not needed beside the tests' copy of its folder.
        if (info.fileName() == QLatin1String("ortelia") && info.isExecutable())
            continue;
        QFile::copy(info.filePath(), target);
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
}

} // namespace

RecordingResponder::RecordingResponder() : m_previous(Dialogs::responder())
{
    Dialogs::setResponder(this);
}

RecordingResponder::~RecordingResponder()
{
    Dialogs::setResponder(m_previous);
}

DialogAnswer RecordingResponder::answer(const DialogRequest &request)
{
    requests << request;
    if (!answers.isEmpty())
        return answers.takeFirst();
    return request.kind == DialogRequest::Kind::Message ? DialogAnswer::Ok : DialogAnswer::Yes;
}

QString RecordingResponder::fileName(const DialogRequest &request)
{
    requests << request;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QStringList RecordingResponder::texts() const
{
    QStringList result;
    for (const DialogRequest &r : requests)
        result << r.text;
    return result;
}

TempProgramFolder::TempProgramFolder(bool realDictionaries) : m_previousCurrent(QDir::currentPath())
{
    const QString root = m_dir.path();
    copyTree(assembledProgramFolder(), root, false);
    const QString dictionaries = root + QStringLiteral("/TranslateDeGb");
    // The copy above leaves out the built dictionaries: the small test dictionaries stand in for
    // them, unless a test asks for the real data.
    if (realDictionaries) {
        QDirIterator real(
            assembledProgramFolder() + QStringLiteral("/TranslateDeGb"),
            kBuiltDictionaryFiles,
            QDir::Files);
        while (real.hasNext()) {
            real.next();
            QFile::copy(real.filePath(), dictionaries + QLatin1Char('/') + real.fileName());
        }
    }
    QDirIterator it(fixturesFolder() + QStringLiteral("/TranslateDeGb"), QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString target = dictionaries + QLatin1Char('/') + it.fileName();
        if (!QFileInfo::exists(target))
            QFile::copy(it.filePath(), target);
    }
    ProgramFolder::setRoot(root);
}

TempProgramFolder::~TempProgramFolder()
{
    // Restore write access so that the folder can be removed after write-protection tests.
    // A link is never followed: tests plant links, and a mode change through one would change
    // whatever it points to.
    QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().isSymLink())
            continue;
        QFile::setPermissions(it.filePath(), QFile::permissions(it.filePath()) | QFile::WriteOwner |
                                                 QFile::ExeOwner | QFile::ReadOwner);
    }
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::WriteOwner);
    ProgramFolder::setRoot(m_previousCurrent);
}

QString TempProgramFolder::path() const
{
    return m_dir.path();
}

QString TempProgramFolder::file(const QString &relativeName) const
{
    return ProgramFolder::resolve(m_dir.path(), relativeName);
}

QByteArray TempProgramFolder::readBytes(const QString &relativeName) const
{
    QFile f(file(relativeName));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void TempProgramFolder::writeBytes(const QString &relativeName, const QByteArray &bytes) const
{
    const QString target = file(relativeName);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile f(target);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

SpeechLog::SpeechLog()
{
    qputenv("ORTELIA_SPEECH_LOG", path().toLocal8Bit());
    qputenv("ORTELIA_AUDIO", "null");
}

QString SpeechLog::path() const
{
    return m_dir.filePath(QStringLiteral("speech.log"));
}

QStringList SpeechLog::lines() const
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList SpeechLog::newLines()
{
    const QStringList all = lines();
    const QStringList fresh = all.mid(m_seen);
    m_seen = all.size();
    return fresh;
}

SmallDisk::SmallDisk()
{
    if (::geteuid() != 0 || !m_dir.isValid())
        return;
    m_mounted = QProcess::execute(QStringLiteral("mount"),
                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                   QStringLiteral("size=512k"), QStringLiteral("tmpfs"), m_dir.path()}) == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
}

void SmallDisk::fill() const
{
    QFile filler(m_dir.filePath(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    // The last bytes of a block.
    while (filler.write("x", 1) == 1) {
    }
}

QString assembledProgramFolder()
{
    return QStringLiteral(ORTELIA_PROGRAM_DIR);
}

QString fixturesFolder()
{
    return QStringLiteral(ORTELIA_FIXTURES_DIR);
}

bool makeZeroDevice(const QString &path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;
}

} // namespace ortelia::test
