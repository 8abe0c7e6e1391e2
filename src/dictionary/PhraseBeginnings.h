#pragma once

#include <QMap>
#include <QSet>
#include <QString>

namespace ortelia {

// The first two words, lower-cased, of every key of more than one word in a column of a dictionary
// page's data ("auf jeden" of "auf jeden fall"), its supplementary file included. A text is asked
// for phrases only where its words begin one: most words of a text begin none, and a phrase looked
// up in vain costs as much as a word.
// params: the data object's params of one of the program's own pages; pageDir: the page's folder.
QSet<QString> phraseBeginnings(const QMap<QString, QString> &params, const QString &pageDir,
                               const QString &column);

} // namespace ortelia
