#pragma once

#include "FormList.h"
#include "Glossary.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia::FormTableFile {

// The first line of a written form table.
inline const QString kHeader = QStringLiteral("# sorted: form;base, in byte order of UTF-8, best base first");

// Our hand-kept table ("form;base" lines, "#" comments) as forms of kind Hand; nullopt with error
// naming the file and line when it cannot be read or a line is damaged.
std::optional<FormList> readHand(const QString &path, QString &error);

// The file's bytes: UTF-8 with a byte-order mark and LF line ends, the header, then the lines
// sorted by the UTF-8 bytes of their form, a form's lines in the order given. The grammar table
// is sorted the same way under its own header.
QByteArray text(const QStringList &lines, const QString &header = kHeader);

// The program's form tables from our hand-kept ones and the forms the German-English glossary's
// source lists: Grundformen.tab from handTablePath, Grundformen-en_US.tab from the English table
// beside it, both written into programDir. Returns an error, or "".
QString writeAll(const Glossary &glossary, const QString &handTablePath, const QString &programDir);

} // namespace ortelia::FormTableFile
