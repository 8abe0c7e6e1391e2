#include "DesktopIcons.h"
#include "X11.h"

#include <QList>

#include <cstdlib>

namespace ortelia {

namespace {

// The desktop window this program hid; shown again even when it no longer looks like one.
xcb_window_t g_hiddenDesktop = XCB_NONE;

QList<xcb_window_t> topLevelWindows(xcb_connection_t *c, xcb_window_t root)
{
    QList<xcb_window_t> windows;
    if (xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr)) {
        const xcb_window_t *children = xcb_query_tree_children(tree);
        windows = QList<xcb_window_t>(children, children + xcb_query_tree_children_length(tree));
        std::free(tree);
    }
    // A window manager puts its clients into frames; it lists them on the root window.
    for (uint32_t client : x11::idList(c, root, x11::atom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW)) {
        if (!windows.contains(client))
            windows << client;
    }
    return windows;
}

QByteArray title(xcb_connection_t *c, xcb_window_t window)
{
    const QByteArray name =
        x11::property(c, window, x11::atom(c, "_NET_WM_NAME"), x11::atom(c, "UTF8_STRING"));
    return name.isEmpty() ? x11::property(c, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : name;
}

xcb_window_t findDesktop(xcb_connection_t *c)
{
    const QList<xcb_window_t> windows = topLevelWindows(c, x11::rootWindow(c));
    for (xcb_window_t window : windows) {
        if (title(c, window) == "Program Manager")
            return window;
    }
    const xcb_atom_t typeName = x11::atom(c, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t desktopType = x11::atom(c, "_NET_WM_WINDOW_TYPE_DESKTOP");
    for (xcb_window_t window : windows) {
        if (x11::idList(c, window, typeName, XCB_ATOM_ATOM).contains(desktopType))
            return window;
    }
    return XCB_NONE;
}

} // namespace

bool HideDesktop()
{
    xcb_connection_t *c = x11::connection();
    if (!c)
        return false;
    const xcb_window_t desktop = findDesktop(c);
    if (desktop == XCB_NONE || !x11::check(c, xcb_unmap_window_checked(c, desktop)))
        return false;
    g_hiddenDesktop = desktop;
    return true;
}

bool ShowDesktop()
{
    xcb_connection_t *c = x11::connection();
    if (!c)
        return false;
    const xcb_window_t desktop = g_hiddenDesktop != XCB_NONE ? g_hiddenDesktop : findDesktop(c);
    g_hiddenDesktop = XCB_NONE;
    return desktop != XCB_NONE && x11::check(c, xcb_map_window_checked(c, desktop));
}

} // namespace ortelia
