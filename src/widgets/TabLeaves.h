#pragma once

class QPlainTextEdit;

namespace ortelia {

// Tab leaves the multi-line field, as it leaves every other control, so the keyboard does not
// get stuck in it; Ctrl+Tab types a tab where one is wanted.
void LetTabLeave(QPlainTextEdit *field);

} // namespace ortelia
