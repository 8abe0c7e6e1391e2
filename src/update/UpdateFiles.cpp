#include "UpdateFiles.h"

#include "FileRead.h"
#include "ProgramFolder.h"
#include "SettingsFormat.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace ortelia {

namespace {

const QString kStoredList = QStringLiteral("TranslateDeGb/update.chk");
const QString kWholeText = QStringLiteral("update.chk");

QString failureOf(const SaveResult &result)
{
    return result ? QString() : result.message();
}

} // namespace

QString UpdateFiles::dictionaryFolder()
{
    return ProgramFolder::path(QStringLiteral("TranslateDeGb"));
}

qsizetype UpdateFiles::dictionaryCount()
{
    return QDir(dictionaryFolder())
        .entryList({QStringLiteral("*.txt"), QStringLiteral("*.chk")}, QDir::Files)
        .filter(QRegularExpression(QStringLiteral("^(?!update\\.chk$)"),
                                   QRegularExpression::CaseInsensitiveOption))
        .size();
}

QString UpdateFiles::downloadPath(const UpdateList::Entry &entry)
{
    return QDir(dictionaryFolder()).filePath(entry.fileName() + QLatin1String(".chk"));
}

SaveResult UpdateFiles::installDownload(const UpdateList::Entry &entry)
{
    static const QRegularExpression extension(QStringLiteral("(\\.txt)?(\\.chk)?$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString name = QString(entry.fileName()).remove(extension);
    static const QRegularExpression eightDigits(QStringLiteral("^\\d{8}$"));
    QStringList candidates{name + QLatin1String(".txt")};
    if (eightDigits.match(entry.date()).hasMatch())
        candidates << name + QLatin1Char('-') + entry.date() + QLatin1String(".txt");
    for (const QString &candidate : std::as_const(candidates)) {
        if (!UpdateList::storeNameRefusal(candidate).isEmpty())
            continue;
        const QString target = ProgramFolder::path(QStringLiteral("TranslateDeGb/") + candidate);
        if (QFileInfo::exists(target))
            continue;
        // Written as a file of its own: a dangling link in the name's place is replaced, not followed.
        const std::optional<QByteArray> bytes =
            FileRead::regularFile(downloadPath(entry), UpdateList::kMaxDictionaryBytes);
        if (!bytes)
            return {SaveResult::Failure::NotWritable, target};
        const SaveResult saved = saveFile(target, *bytes);
        return saved ? SaveResult(SaveResult::Failure::None, target) : saved;
    }
    return {};
}

std::optional<QStringList> UpdateFiles::storedLines()
{
    return TextFile::readLines(ProgramFolder::path(kStoredList));
}

QString UpdateFiles::storeList(const QString &address) const
{
    if (const QString refused = UpdateList::listRefusal(m_text); !refused.isEmpty())
        return QStringLiteral("Achtung : Die Update-Liste %1 [%2]! Die gespeicherte Liste bleibt.")
            .arg(refused, address);
    return failureOf(
        TextFile::writeLines(ProgramFolder::path(kStoredList), {UpdateList::storedCopy(m_text)}));
}

QString UpdateFiles::storeByName(const QString &name) const
{
    QString refused = UpdateList::storeNameRefusal(name);
    if (refused.isEmpty())
        refused = UpdateList::dictionaryRefusal(TextFile::encode(m_text));
    if (!refused.isEmpty())
        return QStringLiteral("Achtung : Nicht gespeichert [%1]: %2!").arg(name, refused);
    return failureOf(TextFile::write(QDir(dictionaryFolder()).filePath(name), m_text));
}

QString UpdateFiles::storeWholeText() const
{
    return failureOf(
        TextFile::writeLines(ProgramFolder::path(kWholeText), {SettingsFormat::printText(m_text)}));
}

} // namespace ortelia
