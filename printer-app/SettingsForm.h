// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/Catalogue.h"

namespace printerapp {

// One selection box as the settings page shows it.
struct ShownBox {
  std::string name;     // the form field, the box's control name
  std::string caption;  // as the window words it under the emulation chosen, without '&'
  std::vector<std::string> entries;
  settings::Selection chosen;
  bool enabled;
};

// The 21 boxes holding `selections` as the window would: the governing boxes set first, their
// rules filling and enabling the others.
std::vector<ShownBox> shownBoxes(const settings::Selections& selections);

// A posted settings form: each field's name and value.
using FormFields = std::map<std::string, std::string>;

struct FormChoice {
  std::optional<settings::Selections> selections;  // when every value is allowed
  std::string refusal;                             // why not, otherwise
};

// The selections a posted form asks for, made as a user would make them in the window: the
// governing boxes first, then the others, each value the text of an entry of its box's list at
// that moment. A disabled box takes no value (a browser posts none); a box without a value keeps
// what the window would hold; other fields are ignored.
FormChoice selectionsFromForm(const FormFields& fields);

// The rules table for the page's script, as JSON: for each governing box, the list and the
// enabled state each box it governs gets for each of its entries.
std::string rulesJson();

}  // namespace printerapp
