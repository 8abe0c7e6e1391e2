#pragma once

#include <QListWidget>
#include <QStringList>

namespace ortelia {

// The lines of a list control, in order (the lists the window collects speech requests in).
inline QStringList listLines(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

} // namespace ortelia
