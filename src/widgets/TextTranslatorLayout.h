#pragma once

class QWidget;

namespace ortelia {

// Shows the text translator in the top left corner of the screen in its narrow layout (results
// beside the input, the widen button shown) at the given height; the windows that hand text to
// it arrange it so. Returns the text translator, nullptr when the program has none.
QWidget *ArrangeTextTranslatorNarrow(int height);

} // namespace ortelia
