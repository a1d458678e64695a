#include "gif/qt/WindowCoverage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace gif::qt {

WindowCoverage& WindowCoverage::Of(QWidget& window) {
  if (auto* found = window.findChild<WindowCoverage*>(QString(), Qt::FindDirectChildrenOnly)) return *found;
  return *new WindowCoverage(window);
}

WindowCoverage::WindowCoverage(QWidget& window) : QObject(&window), window_(window) {
  QCoreApplication::instance()->installNativeEventFilter(this);
  // A native window made anew (WinIdChange) does not have the request yet.
  window_.installEventFilter(this);
  AskForReports();
}

WindowCoverage::~WindowCoverage() { QCoreApplication::instance()->removeNativeEventFilter(this); }

bool WindowCoverage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::WinIdChange) {
    AskForReports();
    if (covered_) {
      covered_ = false;
      emit CoveredChanged();
    }
  }
  return false;
}

void WindowCoverage::AskForReports() {
#if QT_CONFIG(xcb)
  // The offscreen platform may answer as X11 too, without a connection.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  const auto id = static_cast<xcb_window_t>(window_.internalWinId());
  if (!connection || !id) return;
  // Qt chose the window's other reports; they stay as they are.
  const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr), &std::free);
  if (!attributes) return;
  const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
  xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);
#endif
}

bool WindowCoverage::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#if QT_CONFIG(xcb)
  if (eventType != "xcb_generic_event_t") return false;
  // The top bit marks events sent by another client.
  if ((static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7F) != XCB_VISIBILITY_NOTIFY) return false;
  const auto* report = static_cast<const xcb_visibility_notify_event_t*>(message);
  if (report->window != window_.internalWinId()) return false;
  const bool covered = report->state == XCB_VISIBILITY_FULLY_OBSCURED;
  if (covered != covered_) {
    covered_ = covered;
    emit CoveredChanged();
  }
#else
  (void)eventType;
  (void)message;
#endif
  // Qt sees the report too.
  return false;
}

}  // namespace gif::qt
