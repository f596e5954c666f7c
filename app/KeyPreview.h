#pragma once

#include <QObject>
#include <QWidget>

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

// Shows a window's key events to its handler before the focused control sees them. Only a
// filter on the application object comes before the focused widget; it sees each event once
// per receiver on its way (the native window, the focused widget, each parent it propagates
// to), so only the delivery to the focused widget, or to the open list of one of the window's
// selection boxes, counts.
class KeyPreview : public QObject {
 public:
  KeyPreview(QWidget& window, KeyPreviewHandler& handler);
  ~KeyPreview() override;

  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  QWidget* keyTarget() const;

  QWidget& window_;
  KeyPreviewHandler& handler_;
};

// Closes the list a selection box has open, before an access key acts on the window.
void closeSelectionLists();

}  // namespace app
