// SPDX-License-Identifier: Apache-2.0
#include "cli/BoxNames.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "cli/Text.h"
#include "settings/SelectionRules.h"
#include "settings/ShownCaptions.h"

namespace cli {

namespace {

constexpr const char* kControlPrefix = "cmb";

// Lower case, without blanks or dashes.
std::string nameKey(const std::string& name) {
  std::string key;
  for (char c : name) {
    if (c != '-' && !std::isspace(static_cast<unsigned char>(c))) {
      key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return key;
}

}  // namespace

std::string boxName(settings::Box box) {
  return settings::boxDefinition(box).name + std::strlen(kControlPrefix);
}

std::string boxCaption(settings::Box box) {
  return settings::withoutAccessMark(settings::boxDefinition(box).caption);
}

std::optional<settings::Box> boxNamed(const std::string& name) {
  const std::string key = nameKey(name);
  if (key.empty()) return std::nullopt;
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    const auto box = static_cast<settings::Box>(i);
    if (key == nameKey(boxName(box)) || key == nameKey(boxCaption(box))) return box;
  }
  return std::nullopt;
}

std::vector<std::string> everyEntry(settings::Box box) {
  std::vector<std::string> entries = settings::boxDefinition(box).entries;
  if (const settings::Consequence* consequence = settings::consequenceFor(box)) {
    for (const std::vector<std::string>* list : consequence->listFor) {
      for (const std::string& entry : *list) {
        if (std::find(entries.begin(), entries.end(), entry) == entries.end()) {
          entries.push_back(entry);
        }
      }
    }
  }
  return entries;
}

std::string allBoxNames() {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    names.push_back(boxName(static_cast<settings::Box>(i)));
  }
  return joined(names, ", ");
}

}  // namespace cli
