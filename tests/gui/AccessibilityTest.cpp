// SPDX-License-Identifier: Apache-2.0
#include <QAccessible>

#include "WindowFixture.h"

namespace {

struct AccessibleControl {
  const char* window;
  const char* control;
  QAccessible::Role role;
  const char* name;
  // For a button: the Ctrl key, the message its press shows (null for none) and the window
  // shown afterwards.
  const char* ctrlKey = nullptr;
  const std::string* pressShows = nullptr;
  const char* shownAfter = nullptr;
};

const std::string kPrompt = messages::readinessPrompt().text;
const std::string kQuit = messages::quitPrompt().text;

// In order: Show Features leaves the configuration window, Close comes back to it.
const AccessibleControl kControls[] = {
    {"frmConfigUtility", "imgApplySettings", QAccessible::PushButton, "Apply Settings", "Ctrl+A",
     &kPrompt, "frmConfigUtility"},
    {"frmConfigUtility", "imgDefault", QAccessible::PushButton, "Restore Default", "Ctrl+D",
     &kPrompt, "frmConfigUtility"},
    {"frmConfigUtility", "imgPFeatures", QAccessible::PushButton, "Print Features", "Ctrl+P",
     &kPrompt, "frmConfigUtility"},
    {"frmConfigUtility", "imgExit", QAccessible::PushButton, "Exit", "Ctrl+X", &kQuit,
     "frmConfigUtility"},
    {"frmConfigUtility", "cmbPrintingMode", QAccessible::ComboBox, "Printing Mode"},
    {"frmConfigUtility", "cmbNLQFontType", QAccessible::ComboBox, "LQ Font Type"},
    {"frmConfigUtility", "cmbCharacterTable", QAccessible::ComboBox, "Character Table"},
    {"frmConfigUtility", "cmbAutoCR", QAccessible::ComboBox, "Auto CR Return"},
    {"frmConfigUtility", "cmbCopyMode", QAccessible::ComboBox, "Copy Mode"},
    {"frmConfigUtility", "imgWarning", QAccessible::StaticText,
     "Please wait, while printer settings being applied."},
    {"frmConfigUtility", "imgSFeatures", QAccessible::PushButton, "Show Features", "Ctrl+S",
     nullptr, "frmFeatures"},
    {"frmFeatures", "imgPrintFeatures", QAccessible::PushButton, "Print Features", "Ctrl+P",
     &kPrompt, "frmFeatures"},
    {"frmFeatures", "txtFeatures", QAccessible::EditableText, "Features"},
    {"frmFeatures", "imgClose", QAccessible::PushButton, "Close", "Ctrl+C", nullptr,
     "frmConfigUtility"},
};

// Qt on Linux gives a selection box its entry as its name and leaves the caption to its label,
// while elsewhere the name is the caption; the box's own name is the same on every platform.
QString nameOf(QAccessibleInterface& control) {
  if (control.role() != QAccessible::ComboBox) return control.text(QAccessible::Name);
  return static_cast<QWidget*>(control.object())->accessibleName();
}

class Accessibility : public WindowTest {
 protected:
  QString shownWindow() {
    if (window().isVisible()) return window().objectName();
    return window().features() && window().features()->isVisible()
               ? window().features()->objectName()
               : QString();
  }
  QAccessibleInterface& accessible(const char* windowName, const char* name) {
    QWidget* owner = &window();
    if (owner->objectName() != QLatin1String(windowName)) owner = window().features();
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(&child(*owner, name));
    if (!found) throw std::runtime_error(std::string("nothing accessible for ") + name);
    return *found;
  }
};

TEST_F(Accessibility, ControlsHaveTheirRolesNamesAndPressActions) {
  for (const AccessibleControl& c : kControls) {
    SCOPED_TRACE(c.control);
    QAccessibleInterface& control = accessible(c.window, c.control);
    EXPECT_EQ(c.role, control.role());
    EXPECT_EQ(QLatin1String(c.name), nameOf(control));
    if (!c.shownAfter) continue;

    QAccessibleActionInterface* actions = control.actionInterface();
    ASSERT_NE(nullptr, actions);
    EXPECT_EQ(QStringList{QLatin1String(c.ctrlKey)},
              actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()));
    boxes.shown.clear();
    boxes.answers = {c.pressShows == &kQuit ? platform::Answer::No : platform::Answer::Cancel};
    actions->doAction(QAccessibleActionInterface::pressAction());
    std::vector<std::string> shown;
    for (const ScriptedMessageBoxes::Shown& box : boxes.shown) shown.push_back(box.text);
    EXPECT_EQ(c.pressShows ? std::vector<std::string>{*c.pressShows} : std::vector<std::string>{},
              shown);
    EXPECT_EQ(QLatin1String(c.shownAfter), shownWindow());
  }

  // The left column's captions follow the emulation.
  window().selectionBoxes().setSelection(settings::Box::Emulation, 0);
  EXPECT_EQ(QStringLiteral("Character Set"),
            nameOf(accessible("frmConfigUtility", "cmbCharacterTable")));
}

}  // namespace
