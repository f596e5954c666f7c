// SPDX-License-Identifier: Apache-2.0
#include "app/ScreenCatchUp.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace app {

namespace {

constexpr auto kWindowEvents = QEventLoop::ExcludeUserInputEvents;

#if QT_CONFIG(xcb)
// Without a compositor an X server keeps no picture of a covered window: when a message box
// closes, the server asks the window beneath to paint the uncovered area again. That request
// arrives some time after the box is gone, so the window sends itself a marker behind it and
// handles window events until the marker is back; the server answers in order.
constexpr int kMarkerWaitMs = 1000;

class ReturnedMarker : public QAbstractNativeEventFilter {
 public:
  ReturnedMarker(xcb_atom_t type, QEventLoop& loop) : type_(type), loop_(loop) {}

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) return false;
    if (reinterpret_cast<const xcb_client_message_event_t*>(event)->type != type_) return false;
    loop_.quit();
    return true;
  }

 private:
  xcb_atom_t type_;
  QEventLoop& loop_;
};

xcb_atom_t markerType(xcb_connection_t* connection) {
  static const char kName[] = "_MRL770_SCREEN_CAUGHT_UP";
  static xcb_atom_t type = XCB_ATOM_NONE;
  if (type == XCB_ATOM_NONE) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    if (reply) type = reply->atom;
    std::free(reply);
  }
  return type;
}

void waitForServer(QWidget& window, xcb_connection_t* connection) {
  const xcb_atom_t type = markerType(connection);
  if (type == XCB_ATOM_NONE) return;
  xcb_client_message_event_t marker{};
  marker.response_type = XCB_CLIENT_MESSAGE;
  marker.format = 32;
  marker.window = static_cast<xcb_window_t>(window.winId());
  marker.type = type;
  // With no event mask the server delivers the marker to the window's own client.
  xcb_send_event(connection, 0, marker.window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&marker));
  xcb_flush(connection);

  QEventLoop loop;
  ReturnedMarker filter(type, loop);
  QCoreApplication::instance()->installNativeEventFilter(&filter);
  // A server that never answers must not hold the window for ever.
  QTimer::singleShot(kMarkerWaitMs, &loop, &QEventLoop::quit);
  loop.exec(kWindowEvents);
  QCoreApplication::instance()->removeNativeEventFilter(&filter);
  // What the repaint drew goes out now, not when the window next waits for events.
  xcb_flush(connection);
}
#endif

}  // namespace

void catchUpWithScreen(QWidget& window) {
  QCoreApplication::processEvents(kWindowEvents);
#if QT_CONFIG(xcb)
  // Qt's offscreen platform offers the interface without a connection.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 && x11->connection()) waitForServer(window, x11->connection());
#else
  Q_UNUSED(window)
#endif
}

}  // namespace app
