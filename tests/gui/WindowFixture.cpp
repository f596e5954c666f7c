#include "WindowFixture.h"

namespace {

struct ModifierKey {
  Qt::KeyboardModifier modifier;
  Qt::Key key;
};

const ModifierKey kModifierKeys[] = {
    {Qt::ShiftModifier, Qt::Key_Shift},
    {Qt::ControlModifier, Qt::Key_Control},
    {Qt::AltModifier, Qt::Key_Alt},
};

}  // namespace

void WindowTest::chord(QWidget& window, Qt::KeyboardModifiers modifiers, Qt::Key letter,
                       const QString& text) {
  Qt::KeyboardModifiers held;
  for (const ModifierKey& m : kModifierKeys) {
    if (!(modifiers & m.modifier)) continue;
    held |= m.modifier;
    press(window, m.key, QString(), held);
  }
  press(window, letter, text, held);
  releaseKey(window, letter, text, held);
  for (const ModifierKey& m : kModifierKeys) {
    if (!(modifiers & m.modifier)) continue;
    held &= ~Qt::KeyboardModifiers(m.modifier);
    releaseKey(window, m.key, QString(), held);
  }
}
