// SPDX-License-Identifier: Apache-2.0
#include "settings/SelectionRules.h"

namespace settings {

const std::vector<SelectionRule>& selectionRules() {
  // Entries of the governing boxes: FontType "LQ ", "Draft"; Emulation "IBM", "ESC/P";
  // Interface "Parallel", "USB", "AutoShare".
  static const std::vector<SelectionRule> rules = {
      {Box::FontType,
       {{Box::NLQFontType, {}, {true, false}}, {Box::Pitch, {&kPitchesLq, &kPitchesDraft}, {}}},
       1,
       false},
      {Box::Emulation,
       {{Box::CharacterTable, {&kCharacterTablesIbm, &kCharacterTablesEscP}, {}},
        {Box::AutoCR, {}, {true, false}}},
       1,
       true},
      {Box::Interface, {{Box::StrobeEdge, {}, {true, false, true}}}, 1, false},
  };
  return rules;
}

const SelectionRule* ruleOf(Box box) {
  for (const SelectionRule& rule : selectionRules()) {
    if (rule.governing == box) return &rule;
  }
  return nullptr;
}

const SelectionRule* ruleGoverning(Box box) {
  for (const SelectionRule& rule : selectionRules()) {
    for (const Consequence& consequence : rule.consequences) {
      if (consequence.box == box) return &rule;
    }
  }
  return nullptr;
}

const Consequence* consequenceFor(Box box) {
  for (const SelectionRule& rule : selectionRules()) {
    for (const Consequence& consequence : rule.consequences) {
      if (consequence.box == box) return &consequence;
    }
  }
  return nullptr;
}

bool setEarlier(Box a, Box b) {
  const bool aGoverns = ruleOf(a) != nullptr;
  const bool bGoverns = ruleOf(b) != nullptr;
  if (aGoverns != bGoverns) return aGoverns;
  return index(a) < index(b);
}

}  // namespace settings
