// SPDX-License-Identifier: Apache-2.0
#include "UserInput.h"

// QTest presses the modifier keys before the letter and releases them after it.
void UserInput::chord(QWidget& window, Qt::KeyboardModifiers modifiers, Qt::Key letter,
                      const QString& text) {
  press(window, letter, text, modifiers);
  releaseKey(window, letter, text, modifiers);
}
