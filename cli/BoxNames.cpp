#include "cli/BoxNames.h"

#include <cstring>
#include <vector>

#include "cli/Text.h"

namespace cli {

namespace {

constexpr const char* kControlPrefix = "cmb";

}  // namespace

std::string boxName(settings::Box box) {
  return settings::boxDefinition(box).name + std::strlen(kControlPrefix);
}

std::optional<settings::Box> boxNamed(const std::string& name) {
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    const auto box = static_cast<settings::Box>(i);
    if (sameText(settings::boxDefinition(box).name + std::strlen(kControlPrefix), name)) return box;
  }
  return std::nullopt;
}

std::string allBoxNames() {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    names.push_back(boxName(static_cast<settings::Box>(i)));
  }
  return joined(names, ", ");
}

}  // namespace cli
