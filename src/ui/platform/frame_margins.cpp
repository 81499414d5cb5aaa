#include "ui/platform/frame_margins.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef CARBONYM_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace carbonym::ui {

QMargins FrameMargins(const QWidget& window)
{
#ifdef CARBONYM_HAVE_XCB
    auto* const x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection() && window.windowHandle()) {
        xcb_connection_t* const connection = x11->connection();
        const char name[] = "_NET_FRAME_EXTENTS";
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(name), name), nullptr),
            &std::free);
        if (!atom || atom->atom == XCB_ATOM_NONE)
            return {};
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.winId()),
                                                    atom->atom, XCB_ATOM_CARDINAL, 0, 4),
                                   nullptr),
            &std::free);
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
            return {};
        const auto* extents = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        // left, right, top, bottom
        return QMargins(static_cast<int>(extents[0]), static_cast<int>(extents[2]), static_cast<int>(extents[1]),
                        static_cast<int>(extents[3]));
    }
#endif
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

} // namespace carbonym::ui
