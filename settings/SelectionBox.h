// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/Catalogue.h"

namespace settings {

// A drop-down list of fixed entries from which exactly one can be picked, held as plain data.
class SelectionBox {
 public:
  explicit SelectionBox(std::vector<std::string> entries = {}) : entries_(std::move(entries)) {}

  Selection selection() const { return selection_; }
  // Accepts -1 (nothing chosen) or the index of an entry; anything else is refused.
  bool setSelection(Selection index);

  const std::vector<std::string>& entries() const { return entries_; }
  // Empties the list; nothing is chosen afterwards.
  void clear();
  void append(std::string entry) { entries_.push_back(std::move(entry)); }

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }

 private:
  std::vector<std::string> entries_;
  Selection selection_ = kNoSelection;
  bool enabled_ = true;
};

}  // namespace settings
