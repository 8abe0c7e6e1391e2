#pragma once

#include <QString>
#include <QStringList>

namespace ortelia {

// What happens to the caller's list once a request is written: the help window and the main
// window empty theirs, the voice settings window keeps its list.
enum class AfterWriting { EmptyList, KeepList };

// Writing a request: the file is opened for output (created or truncated), each line is written
// followed by CR LF, first line first, and the file is closed; then the caller's list is emptied
// or kept. False when the file could not be written completely.
bool writeRequest(const QString &path, QStringList &lines, AfterWriting after);

} // namespace ortelia
