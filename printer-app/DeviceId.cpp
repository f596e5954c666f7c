// SPDX-License-Identifier: Apache-2.0
#include "printer-app/DeviceId.h"

#include <cctype>
#include <string>

namespace printerapp {

namespace {

// Lower case, without blanks.
std::string key(std::string_view text) {
  std::string folded;
  for (char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) {
      folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return folded;
}

// The value of the first of the keys the ID gives, e.g. MFG or MANUFACTURER.
std::string field(std::string_view deviceId, std::string_view shortName,
                  std::string_view longName) {
  while (!deviceId.empty()) {
    const std::size_t end = deviceId.find(';');
    const std::string_view pair = deviceId.substr(0, end);
    const std::size_t colon = pair.find(':');
    if (colon != std::string_view::npos) {
      const std::string name = key(pair.substr(0, colon));
      if (name == key(shortName) || name == key(longName)) return key(pair.substr(colon + 1));
    }
    if (end == std::string_view::npos) break;
    deviceId.remove_prefix(end + 1);
  }
  return "";
}

}  // namespace

bool isMrl770(std::string_view deviceId) {
  const std::string model = field(deviceId, "MDL", "MODEL");
  constexpr std::string_view kModel = "mrl770";
  // "MRL 770" and its variants ("MRL 770 II"), not another number that begins so.
  return field(deviceId, "MFG", "MANUFACTURER") == "zel" &&
         model.compare(0, kModel.size(), kModel) == 0 &&
         (model.size() == kModel.size() ||
          !std::isdigit(static_cast<unsigned char>(model[kModel.size()])));
}

}  // namespace printerapp
