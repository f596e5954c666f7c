#pragma once

#include <string>

#include "settings/Catalogue.h"

namespace settings {

// What the selection boxes ask of the window that shows them.
class SettingsView {
 public:
  virtual ~SettingsView() = default;

  // Replace the left caption picture with the named bitmap from the program's folder.
  virtual void loadCaptionPicture(const std::string& fileName) = 0;
  virtual void hideWaitNotice() = 0;
  // The entries, the selection or the enabled state of a box changed.
  virtual void boxChanged(Box box) = 0;
};

}  // namespace settings
