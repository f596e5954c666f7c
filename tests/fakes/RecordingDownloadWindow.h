// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

#include "download/DownloadWindow.h"
#include "settings/SelectionBoxes.h"
#include "settings/SettingsView.h"

// The configuration window as the settings download sees it: it records every call in order
// ("showWaitNotice", "hideWaitNotice", "enableApplySettings", "disableApplySettings",
// "enableBackground", "disableBackground", "repaint") and keeps the state they leave. It is
// also the selection boxes' view, as the real window is, so the wait notice that
// IntializeSelectionBoxes hides is the same one. Starts as loaded: all boxes at their defaults.
class RecordingDownloadWindow : public mdlFlagSettings::DownloadWindow,
                                public settings::SettingsView {
 public:
  RecordingDownloadWindow() {
    boxes.IntializeSelectionBoxes();
    calls.clear();
  }

  settings::SelectionBoxes& selectionBoxes() override { return boxes; }
  void showWaitNotice() override {
    waitNoticeShown = true;
    calls.push_back("showWaitNotice");
  }
  void hideWaitNotice() override {
    waitNoticeShown = false;
    calls.push_back("hideWaitNotice");
  }
  void setApplySettingsEnabled(bool enabled) override {
    applySettingsEnabled = enabled;
    calls.push_back(enabled ? "enableApplySettings" : "disableApplySettings");
  }
  void setBackgroundEnabled(bool enabled) override {
    backgroundEnabled = enabled;
    calls.push_back(enabled ? "enableBackground" : "disableBackground");
  }
  void repaintNow() override { calls.push_back("repaint"); }
  void showCaptionPicture(settings::Emulation) override {}
  void boxChanged(settings::Box) override {}

  bool waitNoticeShown = false;
  bool applySettingsEnabled = true;
  bool backgroundEnabled = true;
  std::vector<std::string> calls;
  settings::SelectionBoxes boxes{*this};
};
