#include "ListWalk.h"

#include <QListWidget>

namespace ortelia {

bool selectNextRow(QListWidget *list)
{
    const int next = list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() + 1 : 0;
    if (next >= list->count())
        return false;
    list->setCurrentRow(next);
    return true;
}

} // namespace ortelia
