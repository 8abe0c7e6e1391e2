#include "X11.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

namespace ortelia::x11 {

xcb_connection_t *connection()
{
    if (!qGuiApp)
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t *c)
{
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    return screens.rem > 0 ? screens.data->root : XCB_NONE;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

QByteArray property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    if (name == XCB_ATOM_NONE)
        return {};
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 4096), nullptr);
    QByteArray result;
    if (reply && reply->type == type) {
        result = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                            xcb_get_property_value_length(reply));
    }
    std::free(reply);
    return result;
}

QList<uint32_t> idList(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const QByteArray bytes = property(c, window, name, type);
    QList<uint32_t> ids(bytes.size() / qsizetype(sizeof(uint32_t)));
    if (!ids.isEmpty())
        std::memcpy(ids.data(), bytes.constData(), ids.size() * sizeof(uint32_t));
    return ids;
}

bool check(xcb_connection_t *c, xcb_void_cookie_t cookie)
{
    xcb_generic_error_t *error = xcb_request_check(c, cookie);
    std::free(error);
    return error == nullptr;
}

} // namespace ortelia::x11
