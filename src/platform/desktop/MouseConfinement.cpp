#include "MouseConfinement.h"
#include "X11.h"

#include <QWidget>
#include <QWindow>

#include <cstdlib>

namespace ortelia {

namespace {

// An input-only child window over the area: X11 confines a pointer grab to a window, not to a
// rectangle. It selects no events, so clicks pass through it to the program's window.
xcb_window_t g_confineWindow = XCB_NONE;

} // namespace

bool ConfineMouse(const QWidget *area)
{
    xcb_connection_t *c = x11::connection();
    if (!c || !area || !area->isVisible())
        return false;
    const QWidget *top = area->window();
    const QWindow *handle = top->windowHandle();
    if (!handle)
        return false;
    ReleaseMouse();

    const qreal ratio = handle->devicePixelRatio();
    const QRect rect(area->mapTo(top, QPoint(0, 0)), area->size());
    const QRect native(qRound(rect.x() * ratio), qRound(rect.y() * ratio), qRound(rect.width() * ratio),
                       qRound(rect.height() * ratio));
    if (native.isEmpty())
        return false;
    const auto topWindow = static_cast<xcb_window_t>(top->winId());
    g_confineWindow = xcb_generate_id(c);
    xcb_create_window(c, 0, g_confineWindow, topWindow, static_cast<int16_t>(native.x()),
                      static_cast<int16_t>(native.y()), static_cast<uint16_t>(native.width()),
                      static_cast<uint16_t>(native.height()), 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(c, g_confineWindow);
    const uint16_t events =
        XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION;
    xcb_grab_pointer_reply_t *reply = xcb_grab_pointer_reply(
        c,
        xcb_grab_pointer(c, 1, topWindow, events, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, g_confineWindow,
                         XCB_NONE, XCB_CURRENT_TIME),
        nullptr);
    const bool grabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    if (!grabbed)
        ReleaseMouse();
    return grabbed;
}

void ReleaseMouse()
{
    xcb_connection_t *c = x11::connection();
    if (!c)
        return;
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    if (g_confineWindow != XCB_NONE)
        x11::check(c, xcb_destroy_window_checked(c, g_confineWindow));
    g_confineWindow = XCB_NONE;
    xcb_flush(c);
}

} // namespace ortelia
