#pragma once

#include <string>
#include <vector>

#include "settings/SettingsView.h"

// Records what the selection boxes ask of their window.
class RecordingSettingsView : public settings::SettingsView {
 public:
  void loadCaptionPicture(const std::string& fileName) override { pictures.push_back(fileName); }
  void hideWaitNotice() override { ++waitNoticeHidden; }
  void boxChanged(settings::Box box) override { changed.push_back(box); }

  std::vector<std::string> pictures;
  int waitNoticeHidden = 0;
  std::vector<settings::Box> changed;
};
