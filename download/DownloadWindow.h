// SPDX-License-Identifier: Apache-2.0
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

// The download's view of a window that is not there, for programs without one: the selections
// to send, and nothing to show, disable or repaint.
class NoWindow : public DownloadWindow {
 public:
  explicit NoWindow(const settings::SelectionBoxes& boxes) : boxes_(boxes) {}

  settings::SelectionBoxes& selectionBoxes() override { return boxes_; }
  void showWaitNotice() override {}
  void hideWaitNotice() override {}
  void setApplySettingsEnabled(bool) override {}
  void setBackgroundEnabled(bool) override {}
  void repaintNow() override {}

 private:
  settings::SelectionBoxes boxes_;
};

}  // namespace mdlFlagSettings
