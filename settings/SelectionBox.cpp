// SPDX-License-Identifier: Apache-2.0
#include "settings/SelectionBox.h"

namespace settings {

bool SelectionBox::setSelection(Selection index) {
  if (index < kNoSelection || index >= static_cast<int>(entries_.size())) return false;
  selection_ = index;
  return true;
}

void SelectionBox::clear() {
  entries_.clear();
  selection_ = kNoSelection;
}

}  // namespace settings
