#include <ostream>
#include <string>
#include <vector>

#include "cli/BoxNames.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Rules.h"
#include "cli/Text.h"
#include "cli/WindowState.h"

namespace cli {

namespace {

using settings::Box;

// A list a rule builds in place of the one the box starts with.
struct OtherList {
  Box governing;
  std::string governingEntry;
  std::vector<std::string> entries;
};

std::vector<OtherList> otherLists(Box box) {
  std::vector<OtherList> found;
  const Rule* rule = ruleGoverning(box);
  if (!rule) return found;
  const WindowState startUp;
  const auto& governingEntries = startUp.boxes().box(rule->governing).entries();
  for (std::size_t i = 0; i < governingEntries.size(); ++i) {
    WindowState state;
    state.choose(rule->governing, static_cast<settings::Selection>(i));
    const auto& entries = state.boxes().box(box).entries();
    if (entries != startUp.boxes().box(box).entries()) {
      found.push_back({rule->governing, governingEntries[i], entries});
    }
  }
  return found;
}

std::vector<std::string> names(const std::vector<Box>& boxes) {
  std::vector<std::string> listed;
  for (Box box : boxes) listed.push_back(boxName(box));
  return listed;
}

std::string numbered(const std::vector<std::string>& entries) {
  std::vector<std::string> listed;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    listed.push_back(std::to_string(i) + " " + quoted(entries[i]));
  }
  return joined(listed, ", ");
}

void listText(Box box, std::ostream& out) {
  const settings::BoxDefinition& definition = settings::boxDefinition(box);
  const char key = settings::accessKey(definition);
  out << boxName(box) << ": " << (key ? std::string("access key ") + key : "no access key");
  if (const Rule* rule = ruleOf(box))
    out << "; its rule sets " << joined(names(rule->governed), ", ");
  if (const Rule* rule = ruleGoverning(box))
    out << "; set by the " << boxName(rule->governing) << " rule";
  out << '\n';
  for (std::size_t i = 0; i < definition.entries.size(); ++i) {
    out << "  " << i << ' ' << quoted(definition.entries[i]);
    if (static_cast<settings::Selection>(i) == definition.defaultIndex) out << " (default)";
    out << '\n';
  }
  for (const OtherList& other : otherLists(box)) {
    out << "  with " << boxName(other.governing) << ' ' << quoted(other.governingEntry) << ": "
        << numbered(other.entries) << '\n';
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
  const Rule* own = ruleOf(box);
  const Rule* governing = ruleGoverning(box);
  std::vector<std::string> others;
  for (const OtherList& other : otherLists(box)) {
    others.push_back("{\"when\": {" + jsonString(boxName(other.governing)) + ": " +
                     jsonString(other.governingEntry) +
                     "}, \"entries\": " + jsonList(other.entries) + "}");
  }
  return "{\"name\": " + jsonString(boxName(box)) +
         ", \"entries\": " + jsonList(definition.entries) +
         ", \"default\": " + std::to_string(definition.defaultIndex) +
         ", \"accessKey\": " + (key ? jsonString(std::string(1, key)) : "null") +
         ", \"governs\": " + jsonList(own ? names(own->governed) : std::vector<std::string>{}) +
         ", \"governedBy\": " + (governing ? jsonString(boxName(governing->governing)) : "null") +
         ", \"otherLists\": [" + joined(others, ", ") + "]}";
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
