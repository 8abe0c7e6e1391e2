#pragma once

// The X server behind the application, for the few things Qt has no API for. Only this folder
// uses it.

#include <xcb/xcb.h>

#include <QByteArray>
#include <QList>

namespace ortelia::x11 {

// The application's connection to the X server; nullptr when the program runs without X11
// (offscreen, Wayland).
xcb_connection_t *connection();
xcb_window_t rootWindow(xcb_connection_t *c);
xcb_atom_t atom(xcb_connection_t *c, const char *name);

// A window property as raw bytes (empty when the window or the property does not exist).
QByteArray property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type);
// A property holding a list of atoms or windows.
QList<uint32_t> idList(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type);

// Sends a request made with a *_checked call and waits for it; an error (a window that has gone)
// is dropped quietly instead of reaching the application's error log.
bool check(xcb_connection_t *c, xcb_void_cookie_t cookie);

} // namespace ortelia::x11
