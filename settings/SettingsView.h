// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "settings/Catalogue.h"

namespace settings {

// The two emulations, each with its own wording of the left column's captions.
enum class Emulation { Ibm, EscP };

// The emulation an entry of the emulation box names: "IBM" is its first entry; anything else,
// nothing chosen included, is ESC/P.
constexpr Emulation emulationOf(Selection entry) {
  return entry == 0 ? Emulation::Ibm : Emulation::EscP;
}

// What the selection boxes ask of the window that shows them.
class SettingsView {
 public:
  virtual ~SettingsView() = default;

  // Show the left column's captions as they read under the emulation; the window knows where
  // that picture comes from.
  virtual void showCaptionPicture(Emulation emulation) = 0;
  virtual void hideWaitNotice() = 0;
  // The entries, the selection or the enabled state of a box changed.
  virtual void boxChanged(Box box) = 0;
};

// The view of programs without a window: nothing to draw and no caption picture to load.
class NoView : public SettingsView {
 public:
  void showCaptionPicture(Emulation) override {}
  void hideWaitNotice() override {}
  void boxChanged(Box) override {}
};

}  // namespace settings
