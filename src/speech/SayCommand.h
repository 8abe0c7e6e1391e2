#pragma once

#include <QDir>
#include <QStringList>

#include <optional>

namespace ortelia {

class SpeechEngine;

// "ortelia say [--wav FILE] LINE...": speaks the lines as one request through the speech engine,
// or writes the speech to a WAV file instead of playing it: in place of a regular file or of
// nothing, or of the regular file a link leads to. 0 when done, 1 when the file cannot be
// written, 2 on a wrong call or when FILE names anything else (a device, a FIFO, a folder).
int runSay(const QStringList &args, const QDir &startDir);
// True when the call is to be heard (no --wav): that needs the window program's sound card.
bool sayNeedsSoundCard(const QStringList &args);

// The file that "--wav path" writes to (path, or the regular file a link leads to); nullopt, after
// the message on standard error, when path names anything but a regular file or nothing.
std::optional<QString> wavTarget(const QString &path);
// Speaks the request on engine and waits until it is heard; with a target, writes its speech to
// that WAV file instead. 0 when done, 1 after the message when the file cannot be written (named
// by path, as the user gave it).
int sayRequest(SpeechEngine &engine, const QString &request, const std::optional<QString> &target,
               const QString &path);

} // namespace ortelia
