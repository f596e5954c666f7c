#include "app/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>

namespace app {

namespace {

constexpr Qt::KeyboardModifiers kTrackedModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

Qt::KeyboardModifiers ownModifier(int key) {
  switch (key) {
    case Qt::Key_Shift:
      return Qt::ShiftModifier;
    case Qt::Key_Control:
      return Qt::ControlModifier;
    case Qt::Key_Alt:
      return Qt::AltModifier;
    default:
      return Qt::NoModifier;
  }
}

// The state after the event: a modifier key counts as held from its press and as free from
// its release, whatever the platform reports with the key itself.
Qt::KeyboardModifiers modifiersAfter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers own = ownModifier(event.key());
  const Qt::KeyboardModifiers reported = event.modifiers() & kTrackedModifiers;
  return event.type() == QEvent::KeyPress ? reported | own : reported & ~own;
}

// Tab and Backtab move the focus before the window sees them as typed characters.
bool isFocusKey(int key) {
  return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

char letterOf(int key) {
  return key >= Qt::Key_A && key <= Qt::Key_Z ? static_cast<char>('A' + (key - Qt::Key_A)) : 0;
}

}  // namespace

KeyPreview::KeyPreview(QWidget& window, KeyPreviewHandler& handler)
    : window_(window), handler_(handler) {
  QCoreApplication::instance()->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
  QCoreApplication::instance()->removeEventFilter(this);
}

// The widget that gets the window's keys: its focused control, or the list a selection box of
// the window has open, which holds the keyboard while it is up.
QWidget* KeyPreview::keyTarget() const {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    for (QWidget* owner = popup->parentWidget(); owner; owner = owner->parentWidget()) {
      if (owner == &window_) return popup->focusWidget() ? popup->focusWidget() : popup;
    }
  }
  return window_.focusWidget() ? window_.focusWidget() : &window_;
}

bool KeyPreview::eventFilter(QObject* receiver, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  if (receiver != keyTarget()) return false;

  const auto& key = static_cast<const QKeyEvent&>(*event);
  const Qt::KeyboardModifiers modifiers = modifiersAfter(key);
  if (event->type() == QEvent::KeyRelease) {
    // A held key repeats as release and press pairs; only the real release is a key up.
    if (!key.isAutoRepeat()) handler_.keyUp(letterOf(key.key()), modifiers);
    return false;
  }
  handler_.keyDown(modifiers);
  if (key.text().isEmpty() || isFocusKey(key.key())) return false;
  // A letter with Alt is an access key, not a character typed into the focused control.
  if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier)) return true;
  return handler_.character();
}

void closeSelectionLists() {
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

}  // namespace app
