#include "ui/platform/close_while_busy.h"

#include "ui/platform/program_exit.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#ifdef CARBONYM_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <cstdlib>
#include <cstring>
#include <memory>

namespace carbonym::ui {

namespace {

#ifdef CARBONYM_HAVE_XCB

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Qt drops a close request to a window that a modal window blocks; this
// filter sees the request before Qt does.
class CloseRequestFilter final : public QAbstractNativeEventFilter {
public:
    CloseRequestFilter(QWidget* window, xcb_connection_t* connection)
        : window_(window), protocols_(Atom(connection, "WM_PROTOCOLS")),
          deleteWindow_(Atom(connection, "WM_DELETE_WINDOW"))
    {
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || !window_)
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->format == 32 && client->type == protocols_ && client->data.data32[0] == deleteWindow_
            && client->window == window_->winId())
            EndProgram();
        return false;
    }

private:
    QPointer<QWidget> window_;
    xcb_atom_t protocols_;
    xcb_atom_t deleteWindow_;
};

#endif

} // namespace

void EndProgramOnCloseRequest(QWidget* window)
{
#ifdef CARBONYM_HAVE_XCB
    auto* const x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    static CloseRequestFilter* filter = nullptr; // one main window a run
    if (filter)
        return;
    filter = new CloseRequestFilter(window, x11->connection());
    QCoreApplication::instance()->installNativeEventFilter(filter);
#else
    (void)window;
#endif
}

} // namespace carbonym::ui
