// SPDX-License-Identifier: Apache-2.0
#include "printer-app/AppliedSettings.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

namespace printerapp {

namespace {

// One line a printer: its ID, then the 21 selections in catalogue order.
std::optional<std::pair<int, settings::Selections>> parseLine(const std::string& line) {
  std::istringstream in(line);
  int printerId = 0;
  settings::Selections selections{};
  if (!(in >> printerId)) return std::nullopt;
  for (std::size_t box = 0; box < settings::kBoxCount; ++box) {
    int value = 0;
    if (!(in >> value)) return std::nullopt;
    const auto& entries = settings::catalogue()[box].entries;
    if (value < settings::kNoSelection || value >= static_cast<int>(entries.size())) {
      return std::nullopt;
    }
    selections[box] = static_cast<settings::Selection>(value);
  }
  std::string rest;
  if (in >> rest) return std::nullopt;
  return std::make_pair(printerId, selections);
}

}  // namespace

AppliedSettings::AppliedSettings(std::string file) : file_(std::move(file)) {
  std::ifstream in(file_);
  std::string line;
  while (std::getline(in, line)) {
    if (const auto entry = parseLine(line)) applied_[entry->first] = entry->second;
  }
}

std::optional<settings::Selections> AppliedSettings::applied(int printerId) const {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = applied_.find(printerId);
  if (found == applied_.end()) return std::nullopt;
  return found->second;
}

settings::Selection AppliedSettings::appliedEmulation(int printerId) const {
  const auto selections = applied(printerId);
  const std::size_t emulation = settings::index(settings::Box::Emulation);
  if (!selections || (*selections)[emulation] == settings::kNoSelection) {
    return settings::boxDefinition(settings::Box::Emulation).defaultIndex;
  }
  return (*selections)[emulation];
}

bool AppliedSettings::record(int printerId, const settings::Selections& selections) {
  const std::lock_guard<std::mutex> lock(mutex_);
  applied_[printerId] = selections;
  return save();
}

// Written beside the file and renamed over it, so that a crash leaves the old file or the new.
bool AppliedSettings::save() const {
  const std::string temporary = file_ + ".new";
  {
    std::ofstream out(temporary, std::ios::trunc);
    for (const auto& [printerId, selections] : applied_) {
      out << printerId;
      for (settings::Selection selection : selections) out << ' ' << selection;
      out << '\n';
    }
    out.flush();
    if (!out) return false;
  }
  return std::rename(temporary.c_str(), file_.c_str()) == 0;
}

}  // namespace printerapp
