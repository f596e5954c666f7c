// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QWidget>

class QKeyEvent;

namespace app {

// What a window does with the key events it sees before the control that has the focus.
// Modifier states hold only Shift, Ctrl and Alt.
class KeyPreviewHandler {
 public:
  virtual ~KeyPreviewHandler() = default;

  virtual void keyDown(Qt::KeyboardModifiers /*modifiers*/) {}
  // A key that types a character; true discards it, so the focused control never gets it.
  virtual bool character() { return false; }
  // The key as a capital letter 'A' to 'Z', or 0 for any other key.
  virtual void keyUp(char letter, Qt::KeyboardModifiers modifiers) = 0;
};

// Shows a window's key events to its handler before the focused control sees them, for as long
// as it lives. Only a filter on the application object comes before the focused widget, and
// every window's keys pass through one such filter, installed with the first window: Qt hands
// an event being delivered once more to the filters before a filter installed meanwhile, so a
// key up whose action opens a window would otherwise act twice.
class KeyPreview {
 public:
  KeyPreview(QWidget& window, KeyPreviewHandler& handler);
  ~KeyPreview();
  KeyPreview(const KeyPreview&) = delete;
  KeyPreview& operator=(const KeyPreview&) = delete;

  // The widget that gets the window's keys: its focused control, or the list or menu one of
  // its controls has open, which holds the keyboard while it is up. The filter sees each event
  // once per receiver on its way, so only the delivery to this widget counts.
  QWidget* keyTarget() const;
  // Returns true when the event must not reach the focused control.
  bool preview(const QKeyEvent& event);

 private:
  QWidget& window_;
  KeyPreviewHandler& handler_;
};

// The letter of a key whatever the keyboard layout: the layout's own for a Latin letter, else
// the one the same key carries on a US keyboard (the key under Ф, α or ש gives 'A'); 0 for a
// key outside the letter block.
char letterOf(const QKeyEvent& event);

// Closes any list or menu that is open, before an access key acts on a window.
void closePopups();

}  // namespace app
