#pragma once

class QWidget;

namespace ortelia {

// Confines the mouse pointer to the area's rectangle on the screen until ReleaseMouse (or until
// the system lifts it, for example when a menu opens). The area's window must be shown. Returns
// whether the pointer is confined; without X11 nothing happens.
bool ConfineMouse(const QWidget *area);
// Lifts every confinement of the pointer.
void ReleaseMouse();

} // namespace ortelia
