#include "TranslateCommand.h"

#include "PageCommandLine.h"
#include "ProgramFolder.h"
#include "TextFile.h"
#include "TextWalk.h"
#include "CommandEnd.h"
#include "HeadlessPage.h"
#include "FileRead.h"
#include "Dictionary.h"

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace ortelia {

namespace {

int usage()
{
    std::fputs(
        "Aufruf: ortelia translate [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] [DATEI]\n",
        stderr);
    return 2;
}

// The text of FILE, else of standard input; nullopt after saying on standard error why not. A
// FILE must be a regular file, so that a FIFO or a device neither blocks nor pours in without end.
std::optional<QByteArray> readInput(const QString &path, const QString &named)
{
    FileRead::Failure failure = FileRead::Failure::None;
    const std::optional<QByteArray> bytes =
        path.isEmpty() ? FileRead::descriptor(STDIN_FILENO, kMaxTranslateInput, &failure)
                       : FileRead::regularFile(path, kMaxTranslateInput, &failure);
    if (bytes)
        return bytes;
    const QString source =
        path.isEmpty() ? QStringLiteral("Die Standardeingabe") : QStringLiteral("Die Datei %1").arg(named);
    switch (failure) {
    case FileRead::Failure::TooLarge:
        std::fprintf(stderr, "Achtung : %s ist größer als %d MB und wird nicht übersetzt!\n",
                     qPrintable(source), int(kMaxTranslateInput >> 20));
        break;
    case FileRead::Failure::NotRegular:
        std::fprintf(stderr, "Achtung : %s ist keine gewöhnliche Datei und wird nicht gelesen!\n",
                     qPrintable(source));
        break;
    default:
        std::fprintf(stderr, "%s kann nicht gelesen werden.\n", qPrintable(source));
    }
    return std::nullopt;
}

// The text box of the window holds line breaks as line feeds; a carriage return would stay glued
// to its word. The line break that ends the input ends its last line and is no part of the text.
// Changed in place: a text of 16 MB is not copied line by line.
QString inputText(const QByteArray &bytes)
{
    QString text = TextFile::decodeUserText(bytes);
    QChar *out = text.data();
    const QChar *in = out;
    const QChar *const end = in + text.size();
    for (; in != end; ++in) {
        if (*in == u'\r') {
            *out++ = u'\n';
            if (in + 1 != end && in[1] == u'\n')
                ++in;
        } else {
            *out++ = *in;
        }
    }
    text.truncate(out - text.constData());
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

// One line per word: a tab or line break inside a field would break the line into wrong columns.
QString field(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

} // namespace

int runTranslateCommand(const QStringList &args, const QDir &startDir)
{
    const std::optional<PageOptions> options = parsePageOptions(args, startDir);
    if (!options || options->operands.size() > 1)
        return usage();
    const QString path = options->operands.isEmpty()
                             ? QString()
                             : ProgramFolder::resolve(startDir.absolutePath(), options->operands[0]);
    std::optional<QByteArray> bytes = readInput(path, path.isEmpty() ? QString() : options->operands[0]);
    if (!bytes)
        return 1;
    if (!pageExists(options->page))
        return 1;
    const QString text = inputText(*bytes);
    bytes.reset();
    HeadlessPage browser;
    browser.navigate(options->page);
    Dictionary dictionary(browser);
    const bool printed = TextWalk::translate(dictionary, text, options->direction,
                                             [](const TextWalk::Pair &pair) {
                                                 return printLine(field(pair.word) + u'\t' +
                                                                  field(pair.answer.translation) + u'\t' +
                                                                  field(pair.answer.german));
                                             });
    if (!printed)
        return kOutputFailedStatus;
    return 0;
}

} // namespace ortelia
