#pragma once

#include "TextRoutines.h"

#include <QDir>
#include <QStringList>

#include <optional>

namespace ortelia {

// What the commands that look words up on a dictionary page share on the command line:
// [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page FILE] [--foreign], the page, and their output.
struct PageOptions {
    QString page; // full path; the German-English page when neither option names one
    TextDirection direction = TextDirection::German;
    QStringList operands; // the other arguments in order; "--..." after the first one is an operand
};

// nullopt on a wrong call: an unknown option, a second page, an option without its value, an
// unknown pair (named on standard error). --page is taken relative to startDir.
std::optional<PageOptions> parsePageOptions(const QStringList &args, const QDir &startDir);

// False, with a German message on standard error, when the page is missing.
bool pageExists(const QString &page);

// Writes text and a line feed to standard output as UTF-8; false, after saying so on standard
// error (sayOutputFailed, CommandEnd.h), when standard output does not take them.
[[nodiscard]] bool printLine(const QString &text);

} // namespace ortelia
