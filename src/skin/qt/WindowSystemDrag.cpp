#include "skin/qt/WindowSystemDrag.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace skin::qt {

void CancelWindowSystemDrag(const QWidget& window) {
#if QT_CONFIG(xcb)
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !window.windowHandle()) return;
  xcb_connection_t* connection = x11->connection();
  static constexpr char kMoveResize[] = "_NET_WM_MOVERESIZE";
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kMoveResize - 1, kMoveResize), nullptr),
      &std::free);
  if (!atom) return;
  // The window manager's protocol: direction 11 cancels, for the left
  // button, asked by an ordinary application.
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(window.winId());
  message.type = atom->atom;
  message.data.data32[2] = 11;
  message.data.data32[3] = 1;
  message.data.data32[4] = 1;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
#else
  (void)window;
#endif
}

}  // namespace skin::qt
