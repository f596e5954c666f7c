// SPDX-License-Identifier: Apache-2.0
#include "printer-app/SettingsForm.h"

#include <algorithm>
#include <array>

#include "settings/SelectionBoxes.h"
#include "settings/SelectionRules.h"
#include "settings/ShownCaptions.h"

namespace printerapp {

namespace {

// Remembers which emulation's captions the boxes ask for.
class CaptionView : public settings::NoView {
 public:
  void showCaptionPicture(settings::Emulation emulation) override { emulation_ = emulation; }
  settings::Emulation emulation() const { return emulation_; }

 private:
  settings::Emulation emulation_ = settings::Emulation::EscP;
};

std::array<settings::Box, settings::kBoxCount> settingOrder() {
  std::array<settings::Box, settings::kBoxCount> order{};
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<settings::Box>(i);
  std::stable_sort(order.begin(), order.end(), settings::setEarlier);
  return order;
}

std::string plainCaption(settings::Box box, settings::Emulation emulation) {
  return settings::withoutAccessMark(settings::shownCaption(box, emulation));
}

std::string jsonString(const std::string& text) {
  std::string json = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') json += '\\';
    json += c;
  }
  return json + '"';
}

}  // namespace

std::vector<ShownBox> shownBoxes(const settings::Selections& selections) {
  CaptionView view;
  settings::SelectionBoxes boxes(view);
  boxes.IntializeSelectionBoxes();
  for (settings::Box box : settingOrder()) boxes.setSelection(box, selections[index(box)]);

  std::vector<ShownBox> shown;
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    const auto box = static_cast<settings::Box>(i);
    const settings::SelectionBox& held = boxes.box(box);
    shown.push_back({settings::boxDefinition(box).name, plainCaption(box, view.emulation()),
                     held.entries(), held.selection(), held.enabled()});
  }
  return shown;
}

FormChoice selectionsFromForm(const FormFields& fields) {
  CaptionView view;
  settings::SelectionBoxes boxes(view);
  boxes.IntializeSelectionBoxes();
  for (settings::Box box : settingOrder()) {
    const auto field = fields.find(settings::boxDefinition(box).name);
    const std::string caption = plainCaption(box, view.emulation());
    if (!boxes.box(box).enabled()) {
      if (field != fields.end())
        return {std::nullopt, caption + " cannot be set together with these settings."};
      continue;
    }
    // A browser without scripts posts no value for a box that the rules only just enabled.
    if (field == fields.end()) continue;
    const auto& entries = boxes.box(box).entries();
    const auto entry = std::find(entries.begin(), entries.end(), field->second);
    if (entry == entries.end()) {
      return {std::nullopt,
              "\"" + field->second + "\" is not allowed for " + caption + " with these settings."};
    }
    boxes.setSelection(box, static_cast<settings::Selection>(entry - entries.begin()));
  }
  return {boxes.selections(), ""};
}

std::string rulesJson() {
  std::string json = "[";
  for (const settings::SelectionRule& rule : settings::selectionRules()) {
    if (json.size() > 1) json += ',';
    json += "{\"box\":" + jsonString(settings::boxDefinition(rule.governing).name) +
            ",\"consequences\":[";
    for (const settings::Consequence& consequence : rule.consequences) {
      if (json.back() == '}') json += ',';
      json +=
          "{\"box\":" + jsonString(settings::boxDefinition(consequence.box).name) + ",\"lists\":[";
      for (std::size_t i = 0; i < consequence.listFor.size(); ++i) {
        json += i ? ",[" : "[";
        const std::vector<std::string>& list = *consequence.listFor[i];
        for (std::size_t j = 0; j < list.size(); ++j) json += (j ? "," : "") + jsonString(list[j]);
        json += ']';
      }
      json += "],\"enabled\":[";
      for (std::size_t i = 0; i < consequence.enabledFor.size(); ++i) {
        json += std::string(i ? "," : "") + (consequence.enabledFor[i] ? "true" : "false");
      }
      json += "]}";
    }
    json += "]}";
  }
  return json + "]";
}

}  // namespace printerapp
