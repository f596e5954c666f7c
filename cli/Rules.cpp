#include "cli/Rules.h"

#include <algorithm>
#include <set>

#include "settings/SelectionBoxes.h"
#include "settings/SettingsView.h"

namespace cli {

namespace {

class ChangeRecorder : public settings::SettingsView {
 public:
  void showCaptionPicture(settings::Emulation) override {}
  void hideWaitNotice() override {}
  void boxChanged(settings::Box box) override { changed.insert(box); }

  std::set<settings::Box> changed;
};

std::vector<Rule> learnRules() {
  std::vector<Rule> learned;
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    const auto box = static_cast<settings::Box>(i);
    ChangeRecorder recorder;
    settings::SelectionBoxes boxes(recorder);
    boxes.IntializeSelectionBoxes();
    recorder.changed.clear();
    boxes.setSelection(box, settings::boxDefinition(box).defaultIndex);
    recorder.changed.erase(box);
    if (!recorder.changed.empty()) {
      learned.push_back({box, {recorder.changed.begin(), recorder.changed.end()}});
    }
  }
  return learned;
}

}  // namespace

const std::vector<Rule>& rules() {
  static const std::vector<Rule> learned = learnRules();
  return learned;
}

const Rule* ruleOf(settings::Box box) {
  for (const Rule& rule : rules()) {
    if (rule.governing == box) return &rule;
  }
  return nullptr;
}

const Rule* ruleGoverning(settings::Box box) {
  for (const Rule& rule : rules()) {
    if (std::find(rule.governed.begin(), rule.governed.end(), box) != rule.governed.end()) {
      return &rule;
    }
  }
  return nullptr;
}

}  // namespace cli
