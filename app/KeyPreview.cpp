// SPDX-License-Identifier: Apache-2.0
#include "app/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <algorithm>
#include <cstring>
#include <vector>

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

#ifdef Q_OS_WIN
// Windows gives the letter keys the virtual key codes 'A' to 'Z' under every layout.
char physicalLetter(const QKeyEvent& event) {
  const quint32 code = event.nativeVirtualKey();
  return code >= 'A' && code <= 'Z' ? static_cast<char>(code) : 0;
}
#else
// X11 and Wayland number the keys by their place (XKB key codes), the same under every layout:
// each row of the letter block from its first key code.
struct LetterRow {
  quint32 firstCode;
  const char* letters;
};
constexpr LetterRow kLetterRows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};

char physicalLetter(const QKeyEvent& event) {
  const quint32 code = event.nativeScanCode();
  for (const LetterRow& row : kLetterRows) {
    const auto length = static_cast<quint32>(std::strlen(row.letters));
    if (code >= row.firstCode && code < row.firstCode + length) {
      return row.letters[code - row.firstCode];
    }
  }
  return 0;
}
#endif

// The one application filter through which every window sees its keys; it lives as long as
// the application.
class KeyRouter : public QObject {
 public:
  static QPointer<KeyRouter>& instance() {
    static QPointer<KeyRouter> router;
    return router;
  }
  static KeyRouter& install() {
    if (!instance()) {
      instance() = new KeyRouter(QCoreApplication::instance());
      QCoreApplication::instance()->installEventFilter(instance());
    }
    return *instance();
  }

  std::vector<KeyPreview*> previews;

  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto preview = std::find_if(previews.begin(), previews.end(),
                                      [&](KeyPreview* p) { return p->keyTarget() == receiver; });
    // The handler may open or close a window, and so change the list: it runs after the search.
    if (preview == previews.end()) return false;
    return (*preview)->preview(static_cast<const QKeyEvent&>(*event));
  }

 private:
  using QObject::QObject;
};

}  // namespace

KeyPreview::KeyPreview(QWidget& window, KeyPreviewHandler& handler)
    : window_(window), handler_(handler) {
  KeyRouter::install().previews.push_back(this);
}

KeyPreview::~KeyPreview() {
  if (KeyRouter* router = KeyRouter::instance()) {
    std::vector<KeyPreview*>& previews = router->previews;
    previews.erase(std::remove(previews.begin(), previews.end(), this), previews.end());
  }
}

QWidget* KeyPreview::keyTarget() const {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    for (QWidget* owner = popup->parentWidget(); owner; owner = owner->parentWidget()) {
      if (owner == &window_) return popup->focusWidget() ? popup->focusWidget() : popup;
    }
  }
  return window_.focusWidget() ? window_.focusWidget() : &window_;
}

bool KeyPreview::preview(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = modifiersAfter(event);
  if (event.type() == QEvent::KeyRelease) {
    // A held key repeats as release and press pairs; only the real release is a key up.
    if (!event.isAutoRepeat()) handler_.keyUp(letterOf(event), modifiers);
    return false;
  }
  handler_.keyDown(modifiers);
  if (event.text().isEmpty() || isFocusKey(event.key())) return false;
  // A letter with Alt is an access key, not a character typed into the focused control.
  if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier)) return true;
  return handler_.character();
}

char letterOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<char>('A' + (key - Qt::Key_A));
  return physicalLetter(event);
}

void closePopups() {
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

}  // namespace app
