// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "printer-app/SettingsForm.h"
#include "settings/SelectionBoxes.h"

namespace {

using printerapp::FormFields;

settings::Selections defaults() {
  settings::NoView view;
  settings::SelectionBoxes boxes(view);
  boxes.IntializeSelectionBoxes();
  return boxes.selections();
}

// What a browser posts for the page: the chosen entry of every enabled box.
FormFields postedFor(const settings::Selections& selections) {
  FormFields fields{{"session", "token"}};
  for (const printerapp::ShownBox& box : printerapp::shownBoxes(selections)) {
    if (box.enabled) fields[box.name] = box.entries[static_cast<std::size_t>(box.chosen)];
  }
  return fields;
}

TEST(SettingsFormTest, APostedFormGivesTheSelectionsOrWhyNot) {
  struct Row {
    FormFields changes;
    std::string removed;
    std::string refusal;
    std::string kept = "";  // what the removed box holds then
  };
  for (const Row& row : {
           Row{{}, "", ""},
           Row{{{"cmbEmulation", "IBM"}, {"cmbCharacterTable", "Set 2"}, {"cmbAutoCR", "Enabled"}},
               "",
               ""},
           Row{{{"cmbFontType", "LQ "}, {"cmbPitch", "17 CPI"}, {"cmbNLQFontType", "Script"}},
               "",
               "\"17 CPI\" is not allowed for Pitch with these settings."},
           Row{{{"cmbNLQFontType", "Script"}},
               "",
               "LQ Font Type cannot be set together with these settings."},
           Row{{{"cmbEmulation", "ESC/P"}, {"cmbCharacterTable", "Set 1"}},
               "",
               "\"Set 1\" is not allowed for Character Table with these settings."},
           Row{{{"cmbEmulation", "IBM"}, {"cmbCharacterTable", "Set 1"}},
               "cmbAutoCR",
               "",
               "Disabled"},
       }) {
    FormFields fields = postedFor(defaults());
    for (const auto& [name, value] : row.changes) fields[name] = value;
    fields.erase(row.removed);
    const printerapp::FormChoice choice = printerapp::selectionsFromForm(fields);
    if (!row.removed.empty()) fields[row.removed] = row.kept;
    EXPECT_EQ(choice.refusal, row.refusal);
    if (row.refusal.empty()) {
      ASSERT_TRUE(choice.selections);
      // What was chosen shows again as posted.
      EXPECT_EQ(postedFor(*choice.selections), fields);
    } else {
      EXPECT_FALSE(choice.selections);
    }
  }
}

TEST(SettingsFormTest, TheCaptionsAndListsFollowTheEmulation) {
  settings::Selections ibm = defaults();
  ibm[index(settings::Box::Emulation)] = 0;
  const printerapp::ShownBox table =
      printerapp::shownBoxes(ibm)[index(settings::Box::CharacterTable)];
  EXPECT_EQ(table.caption, "Character Set");
  EXPECT_EQ(table.entries, settings::kCharacterTablesIbm);
  EXPECT_EQ(printerapp::shownBoxes(defaults())[index(settings::Box::CharacterTable)].caption,
            "Character Table");
}

}  // namespace
