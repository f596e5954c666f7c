#pragma once

#include "settings/SelectionBoxes.h"

namespace mdlFlagSettings {

// What the settings download asks of the configuration window.
class DownloadWindow {
 public:
  virtual ~DownloadWindow() = default;

  virtual settings::SelectionBoxes& selectionBoxes() = 0;
  virtual void showWaitNotice() = 0;
  virtual void hideWaitNotice() = 0;
  virtual void setApplySettingsEnabled(bool enabled) = 0;
  virtual void setBackgroundEnabled(bool enabled) = 0;
  // Paints what changed at once, since the work that follows blocks the window.
  virtual void repaintNow() = 0;
};

}  // namespace mdlFlagSettings
