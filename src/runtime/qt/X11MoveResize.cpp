#include "runtime/qt/X11MoveResize.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace quillo::qt {

namespace {

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto reply = Owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The window manager names the requests it carries out in _NET_SUPPORTED on the root window.
bool WindowManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t request) {
    const auto reply = Owned(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0,
                         4096),
        nullptr));
    if (!reply || reply->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, request) != atoms + count;
}

// The window manager's codes for the edge or corner to size by, and for a move.
std::uint32_t DirectionOf(Qt::Edges edges) {
    const bool top = edges & Qt::TopEdge;
    const bool bottom = edges & Qt::BottomEdge;
    const bool left = edges & Qt::LeftEdge;
    const bool right = edges & Qt::RightEdge;
    if (top) return left ? 0 : right ? 2 : 1;
    if (bottom) return left ? 6 : right ? 4 : 5;
    if (right) return 3;
    if (left) return 7;
    return 8;
}

// The window manager's loop takes the left button's release, which the program then never sees:
// it is told now that the button came up, or it would take the button for held once the loop
// is over, and send the pointer's moves to the pressed control instead of the one under it.
void TellButtonCameUp(xcb_connection_t* connection, xcb_window_t window, xcb_window_t root,
                      QPointF global, QPointF local) {
    xcb_button_release_event_t release{};
    release.response_type = XCB_BUTTON_RELEASE;
    release.detail = XCB_BUTTON_INDEX_1;
    release.time = XCB_CURRENT_TIME;
    release.root = root;
    release.event = window;
    release.child = XCB_NONE;
    release.root_x = static_cast<std::int16_t>(qRound(global.x()));
    release.root_y = static_cast<std::int16_t>(qRound(global.y()));
    release.event_x = static_cast<std::int16_t>(qRound(local.x()));
    release.event_y = static_cast<std::int16_t>(qRound(local.y()));
    release.state = XCB_BUTTON_MASK_1;
    release.same_screen = 1;
    // No event mask: it goes to the program that made the window, this one.
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&release));
}

}  // namespace

bool StartX11MoveResize(QWindow& window, Qt::Edges edges, QPointF pointer) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return false;
    const auto xWindow = static_cast<xcb_window_t>(window.winId());
    const auto tree =
        Owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, xWindow), nullptr));
    if (!tree) return false;
    const xcb_atom_t moveResize = Atom(connection, "_NET_WM_MOVERESIZE");
    if (!WindowManagerSupports(connection, tree->root, moveResize)) return false;

    const QPointF native = pointer * window.devicePixelRatio();
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xWindow;
    request.type = moveResize;
    request.data.data32[0] = static_cast<std::uint32_t>(qRound(native.x()));
    request.data.data32[1] = static_cast<std::uint32_t>(qRound(native.y()));
    request.data.data32[2] = DirectionOf(edges);
    request.data.data32[3] = XCB_BUTTON_INDEX_1;
    request.data.data32[4] = 1;  // asked by a program
    // The press's grab of the pointer is let go, so that the window manager can take it.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_send_event(connection, 0, tree->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    TellButtonCameUp(connection, xWindow, tree->root, native,
                     QPointF(window.mapFromGlobal(pointer)) * window.devicePixelRatio());
    xcb_flush(connection);
    return true;
}

}  // namespace quillo::qt
