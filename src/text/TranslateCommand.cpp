#include "TranslateCommand.h"

#include "PageCommandLine.h"
#include "ProgramFolder.h"
#include "TextFile.h"
#include "TextWalk.h"
#include "CommandEnd.h"
#include "HeadlessPage.h"
#include "LookUpOnPage.h"

#include <QFile>

#include <cstdio>
#include <optional>

namespace ortelia {

namespace {

int usage()
{
    std::fputs(
        "Aufruf: ortelia translate [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] [DATEI]\n",
        stderr);
    return 2;
}

std::optional<QByteArray> readInput(const QString &path)
{
    QFile file(path);
    const bool open = path.isEmpty() ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!open)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// The text box of the window holds line breaks as line feeds; a carriage return would stay glued
// to its word. The line break that ends the input ends its last line and is no part of the text.
QString inputText(const QByteArray &bytes)
{
    return TextFile::splitLines(TextFile::decodeUserText(bytes)).join(QLatin1Char('\n'));
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
    const std::optional<QByteArray> bytes = readInput(path);
    if (!bytes) {
        if (path.isEmpty())
            std::fputs("Die Standardeingabe kann nicht gelesen werden.\n", stderr);
        else
            std::fprintf(stderr, "Die Datei %s kann nicht gelesen werden.\n",
                         qPrintable(options->operands[0]));
        return 1;
    }
    HeadlessPage browser;
    if (!openDictionaryPage(browser, options->page))
        return 1;
    const QStringList words = TextWalk::words(inputText(*bytes), options->direction);
    for (const TextWalk::Pair &pair : TextWalk::lookUpAll(browser, words, options->direction))
        printLine(field(pair.word) + u'\t' + field(pair.answer.translation) + u'\t' +
                  field(pair.answer.german));
    endCommandProcess(0);
}

} // namespace ortelia
