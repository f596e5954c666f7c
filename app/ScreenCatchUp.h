// SPDX-License-Identifier: Apache-2.0
#pragma once

class QWidget;

namespace app {

// Returns once what the window has painted is on the screen: the window system has handled
// every request made so far (a closed message box's unmapping among them) and the window has
// repainted whatever that uncovered. The user's keys and clicks wait meanwhile.
void catchUpWithScreen(QWidget& window);

}  // namespace app
