// SPDX-License-Identifier: Apache-2.0
#pragma once

class QApplication;

namespace app {

// The program as its user runs it: the configuration window on the system's spooler, shown
// until the user quits through its quit prompt. Returns the event loop's exit code.
int runConfigUtility(QApplication& application);

}  // namespace app
