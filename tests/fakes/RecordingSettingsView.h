// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "settings/SettingsView.h"

// Records what the selection boxes ask of their window.
class RecordingSettingsView : public settings::SettingsView {
 public:
  void showCaptionPicture(settings::Emulation emulation) override { captions.push_back(emulation); }
  void hideWaitNotice() override { ++waitNoticeHidden; }
  void boxChanged(settings::Box box) override { changed.push_back(box); }

  std::vector<settings::Emulation> captions;
  int waitNoticeHidden = 0;
  std::vector<settings::Box> changed;
};
