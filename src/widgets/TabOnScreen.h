#pragma once

class QWidget;

namespace ortelia {

// Tab and Shift+Tab in the program's windows go only to controls a person sees: a control
// that lies outside its window, under a panel or inside a hidden one is passed over, so the
// keyboard never lands where nobody can see it. Installed once on the application.
void keepTabOnScreen();

// Whether the control shows at least a part of itself in its window: not clipped away by the
// window's edge or a parent's, and not covered by an opaque panel stacked above it.
bool showsOnScreen(const QWidget *control);

} // namespace ortelia
