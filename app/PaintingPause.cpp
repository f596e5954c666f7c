// SPDX-License-Identifier: Apache-2.0
#include "app/PaintingPause.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace app {

namespace {

// The window system's close requests are not user input to Qt, so they would reach the windows
// during the pause; they are held back and carried out when it ends, as keys and clicks are.
class HeldCloseRequests : public QObject {
 public:
  HeldCloseRequests() { QCoreApplication::instance()->installEventFilter(this); }
  ~HeldCloseRequests() override { QCoreApplication::instance()->removeEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Close || !event->spontaneous()) return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !window->isWindow()) return false;
    event->ignore();
    held_.emplace_back(window);
    return true;
  }

  // Queued, so that they come once the action that paused has finished, as the held input does.
  void carryOut() {
    for (const QPointer<QWidget>& window : held_) {
      if (window) QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
    }
  }

 private:
  std::vector<QPointer<QWidget>> held_;
};

}  // namespace

void PaintingPause::sleepMs(int milliseconds) {
  const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
  HeldCloseRequests closeRequests;
  QEventLoop loop;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  // A timer may fire a little early; the pause is never shorter than asked.
  while (!deadline.hasExpired()) {
    timer.start(static_cast<int>(deadline.remainingTime()));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  closeRequests.carryOut();
}

}  // namespace app
