// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QCoreApplication>
#include <cstdio>
#include <fstream>
#include <string>

#include <QEvent>
#include <QObject>

namespace bench {

// Installed on the application, ends its event loop once the first paint of any widget has
// been handled, and with it the whole painting and flushing of that frame. Prints the peak
// resident memory up to then ("peak_rss_kb N"): what closing the window costs is no part of it.
class QuitAfterFirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !quitting_) {
      quitting_ = true;
      // exit() rather than quit(), which would first ask every window to close, and the
      // configuration window answers that with its quit prompt.
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [] {
            std::printf("peak_rss_kb %ld\n", peakResidentKb());
            QCoreApplication::exit(0);
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  static long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
  }

  bool quitting_ = false;
};

}  // namespace bench
