// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace bench {

// Installed on the application, ends its event loop once the first paint of any widget has
// been handled, and with it the whole painting and flushing of that frame.
class QuitAfterFirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !quitting_) {
      quitting_ = true;
      // exit() rather than quit(), which would first ask every window to close, and the
      // configuration window answers that with its quit prompt.
      QMetaObject::invokeMethod(
          QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool quitting_ = false;
};

}  // namespace bench
