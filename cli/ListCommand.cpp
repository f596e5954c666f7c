// SPDX-License-Identifier: Apache-2.0
#include <ostream>
#include <string>
#include <vector>

#include "cli/BoxNames.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Text.h"
#include "settings/SelectionRules.h"

namespace cli {

namespace {

using settings::Box;

// A list a rule builds in place of the one the box starts with.
struct OtherList {
  std::string governingEntry;
  const std::vector<std::string>* entries;
};

// What the rule that governs BOX does to it, by the governing box's entries.
struct Governed {
  Box governing;
  std::vector<OtherList> otherLists;
  std::vector<std::string> disabledWith;  // governing entries that disable the box
};

Governed governed(Box box) {
  const settings::Consequence& consequence = *settings::consequenceFor(box);
  Governed found{settings::ruleGoverning(box)->governing, {}, {}};
  const auto& governingEntries = settings::boxDefinition(found.governing).entries;
  const auto& startingList = settings::boxDefinition(box).entries;
  for (std::size_t i = 0; i < consequence.listFor.size(); ++i) {
    if (*consequence.listFor[i] != startingList) {
      found.otherLists.push_back({governingEntries[i], consequence.listFor[i]});
    }
  }
  for (std::size_t i = 0; i < consequence.enabledFor.size(); ++i) {
    if (!consequence.enabledFor[i]) found.disabledWith.push_back(governingEntries[i]);
  }
  return found;
}

std::vector<std::string> governedNames(Box box) {
  std::vector<std::string> listed;
  if (const settings::SelectionRule* rule = settings::ruleOf(box)) {
    for (const settings::Consequence& consequence : rule->consequences) {
      listed.push_back(boxName(consequence.box));
    }
  }
  return listed;
}

std::string numbered(const std::vector<std::string>& entries) {
  std::vector<std::string> listed;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    listed.push_back("#" + std::to_string(i) + " " + quoted(entries[i]));
  }
  return joined(listed, ", ");
}

void listText(Box box, std::ostream& out) {
  const settings::BoxDefinition& definition = settings::boxDefinition(box);
  const char key = settings::accessKey(definition);
  out << boxName(box);
  if (!boxCaption(box).empty()) out << " (" << boxCaption(box) << ")";
  out << ": " << (key ? std::string("access key ") + key : "no access key");
  const std::vector<std::string> governs = governedNames(box);
  if (!governs.empty()) out << "; its rule sets " << joined(governs, ", ");
  const bool isGoverned = settings::consequenceFor(box) != nullptr;
  if (isGoverned) out << "; set by the " << boxName(governed(box).governing) << " rule";
  out << '\n';
  for (std::size_t i = 0; i < definition.entries.size(); ++i) {
    out << "  #" << i << ' ' << quoted(definition.entries[i]);
    if (static_cast<settings::Selection>(i) == definition.defaultIndex) out << " (default)";
    out << '\n';
  }
  if (!isGoverned) return;
  const Governed rule = governed(box);
  for (const OtherList& other : rule.otherLists) {
    out << "  with " << boxName(rule.governing) << ' ' << quoted(other.governingEntry) << ": "
        << numbered(*other.entries) << '\n';
  }
  for (const std::string& entry : rule.disabledWith) {
    out << "  disabled with " << boxName(rule.governing) << ' ' << quoted(entry) << '\n';
  }
}

std::string jsonList(const std::vector<std::string>& texts) {
  std::vector<std::string> items;
  for (const std::string& text : texts) items.push_back(jsonString(text));
  return "[" + joined(items, ", ") + "]";
}

std::string listJson(Box box) {
  const settings::BoxDefinition& definition = settings::boxDefinition(box);
  const char key = settings::accessKey(definition);
  std::string governedBy = "null";
  std::vector<std::string> others;
  std::vector<std::string> disabled;
  if (settings::consequenceFor(box)) {
    const Governed rule = governed(box);
    const std::string governing = jsonString(boxName(rule.governing));
    governedBy = governing;
    for (const OtherList& other : rule.otherLists) {
      others.push_back("{\"when\": {" + governing + ": " + jsonString(other.governingEntry) +
                       "}, \"entries\": " + jsonList(*other.entries) + "}");
    }
    for (const std::string& entry : rule.disabledWith) {
      disabled.push_back("{" + governing + ": " + jsonString(entry) + "}");
    }
  }
  const std::string caption = boxCaption(box);
  return "{\"name\": " + jsonString(boxName(box)) +
         ", \"caption\": " + (caption.empty() ? "null" : jsonString(caption)) +
         ", \"entries\": " + jsonList(definition.entries) +
         ", \"default\": " + std::to_string(definition.defaultIndex) +
         ", \"accessKey\": " + (key ? jsonString(std::string(1, key)) : "null") +
         ", \"governs\": " + jsonList(governedNames(box)) + ", \"governedBy\": " + governedBy +
         ", \"otherLists\": [" + joined(others, ", ") + "], \"disabledWhen\": [" +
         joined(disabled, ", ") + "]}";
}

}  // namespace

int listCommand(const Arguments& arguments, Outside& outside) {
  std::vector<std::string> boxes;
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    const auto box = static_cast<Box>(i);
    if (arguments.has("--json")) {
      boxes.push_back(listJson(box));
    } else {
      listText(box, outside.out);
    }
  }
  if (arguments.has("--json")) outside.out << "[\n" << joined(boxes, ",\n") << "\n]\n";
  return kDone;
}

}  // namespace cli
