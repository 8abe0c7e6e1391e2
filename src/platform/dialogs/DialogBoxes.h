#pragma once

namespace ortelia {

// Makes Dialogs show real message boxes and file dialogs (the window program; the commands
// have no widgets).
void useDialogBoxes();

} // namespace ortelia
