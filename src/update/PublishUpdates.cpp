#include "PublishUpdates.h"

#include "FileRead.h"
#include "ProgramFolder.h"
#include "TextFile.h"
#include "UpdateList.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <cstdio>

namespace ortelia {

namespace {

const QString kDictionaryPath = QStringLiteral("ortelia-translator/update/");

} // namespace

QString updateListText(const QString &baseAddress, const QStringList &fileNames, const QStringList &dates)
{
    QString base = baseAddress.trimmed();
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    QStringList lines{QStringLiteral("Ortelia Wörterbuch-Update#Datei#Beschreibung#Datum#Adresse")};
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        const QString bare = QFileInfo(fileNames[i]).completeBaseName();
        const QString address =
            base + kDictionaryPath + QString::fromLatin1(QUrl::toPercentEncoding(fileNames[i]));
        lines << QStringLiteral("Wörterbuch#%1#%2#%3#%4").arg(bare, fileNames[i], dates[i], address);
    }
    // No line break after the marker: the stored copy's closing quote becomes its file name.
    lines << QStringLiteral("Ende#");
    return lines.join(QLatin1String("\r\n"));
}

PublishResult publishUpdates(const QString &folder, const QString &baseAddress, const QString &date)
{
    PublishResult result;
    static const QRegularExpression eightDigits(QStringLiteral("^\\d{8}$"));
    if (!date.isEmpty() && (!eightDigits.match(date).hasMatch() ||
                            !QDate::fromString(date, QStringLiteral("yyyyMMdd")).isValid())) {
        result.error = QStringLiteral("Achtung : Kein gültiges Datum (jjjjmmtt): %1!").arg(date);
        return result;
    }
    // The list separates fields by "#" and lines by line breaks, and its stored copy ends at a
    // double quote: an address holding one would break every entry.
    static const QRegularExpression separators(QStringLiteral("[#\"\\r\\n]"));
    if (baseAddress.contains(separators)) {
        result.error =
            QStringLiteral("Achtung : Die Basis-Adresse darf weder #, \" noch Zeilenumbrüche enthalten: %1!")
                .arg(baseAddress);
        return result;
    }
    // Bytes of the command line that are no text arrive as U+FFFD: no server has that address.
    if (baseAddress.contains(QChar::ReplacementCharacter)) {
        result.error =
            QStringLiteral("Achtung : Die Basis-Adresse enthält ungültige Zeichen: %1!").arg(baseAddress);
        return result;
    }
    const QUrl base(baseAddress, QUrl::StrictMode);
    if (!base.isValid() || base.host().isEmpty() || base.hasQuery() ||
        (base.scheme() != QLatin1String("http") && base.scheme() != QLatin1String("https"))) {
        result.error =
            QStringLiteral("Achtung : Keine gültige http- oder https-Basis-Adresse: %1!").arg(baseAddress);
        return result;
    }
    const QDir out(folder);
    // The folders below FOLDER are ours to make: one that is a link would send the files elsewhere.
    QString below;
    for (const QString &part :
         (kDictionaryPath + QLatin1String("1")).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        below += (below.isEmpty() ? QString() : QStringLiteral("/")) + part;
        if (QFileInfo(out.filePath(below)).isSymLink()) {
            result.error =
                QStringLiteral("Achtung : %1 ist eine Verknüpfung, dorthin wird nicht geschrieben!")
                    .arg(out.filePath(below));
            return result;
        }
    }
    if (!out.mkpath(kDictionaryPath + QLatin1String("1"))) {
        result.error = QStringLiteral("Der Ordner kann nicht angelegt werden: %1").arg(folder);
        return result;
    }
    const QDir source(ProgramFolder::path(QStringLiteral("TranslateDeGb")));
    QStringList names;
    QStringList dates;
    for (const QFileInfo &file : source.entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        // Only names the window accepts as plain file names.
        UpdateList::Entry entry{{QString(), file.completeBaseName(), QString(), QString(), baseAddress}};
        if (!UpdateList::refusal(entry).isEmpty())
            continue;
        const QString target = out.filePath(kDictionaryPath + file.fileName());
        const std::optional<QByteArray> bytes =
            FileRead::regularFile(file.filePath(), UpdateList::kMaxDictionaryBytes);
        if (!bytes) {
            result.error = QStringLiteral("Die Datei kann nicht gelesen werden: %1").arg(file.filePath());
            return result;
        }
        if (const SaveResult saved = saveFile(target, *bytes); !saved) {
            result.error = saved.message();
            return result;
        }
        names << file.fileName();
        dates << (date.isEmpty() ? file.lastModified().date().toString(QStringLiteral("yyyyMMdd")) : date);
    }
    const QString listPath = out.filePath(QLatin1String(UpdateList::kListPath));
    if (const SaveResult saved = TextFile::write(listPath, updateListText(baseAddress, names, dates));
        !saved) {
        result.error = saved.message();
        return result;
    }
    result.dictionaries = int(names.size());
    return result;
}

int runPublishUpdatesCommand(const QStringList &args, const QDir &startDir)
{
    if (args.size() < 2 || args.size() > 3) {
        std::fputs("Aufruf: ortelia publish-updates ORDNER BASIS-ADRESSE [DATUM]\n", stderr);
        return 2;
    }
    const QString folder = startDir.absoluteFilePath(args[0]);
    const PublishResult result = publishUpdates(folder, args[1], args.value(2));
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", result.error.toUtf8().constData());
        return 1;
    }
    std::printf("%d Wörterbücher und die Update-Liste nach %s geschrieben.\n", result.dictionaries,
                folder.toUtf8().constData());
    return 0;
}

} // namespace ortelia
