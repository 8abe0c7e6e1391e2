#pragma once

class QListWidget;

namespace ortelia {

// The step of a word walk: the next row of a list becomes selected (row 0 when none is), which
// is what a Down key gives a list that has the focus. False at the last row or in an empty list,
// where nothing changes and so no selection event follows.
bool selectNextRow(QListWidget *list);

} // namespace ortelia
