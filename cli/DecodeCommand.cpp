// SPDX-License-Identifier: Apache-2.0
#include <ostream>
#include <sstream>
#include <vector>

#include "cli/BoxNames.h"
#include "cli/Commands.h"
#include "cli/Decode.h"
#include "cli/Failure.h"
#include "cli/Files.h"
#include "cli/Text.h"

namespace cli {

int decodeCommand(const Arguments& arguments, Outside& outside) {
  std::string text;
  const std::vector<std::string>& operands = arguments.operands;
  if (operands.empty() || operands == std::vector<std::string>{"-"}) {
    text = readCommandInput(outside.in);
  } else {
    // Hex in the arguments, however it is split among them.
    text = joined(arguments.operands, " ");
  }
  const WindowState state = decodeSettings(commandFromText(text));

  std::vector<std::string> lines;
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    const auto box = static_cast<settings::Box>(i);
    if (arguments.has("--json")) {
      lines.push_back(jsonString(boxName(box)) + ": " + jsonString(state.chosenText(box)));
    } else {
      lines.push_back(boxName(box) + ": " + state.chosenText(box));
    }
  }
  if (arguments.has("--json")) {
    outside.out << "{" << joined(lines, ", ") << "}\n";
  } else {
    outside.out << joined(lines, "\n") << '\n';
  }
  return kDone;
}

}  // namespace cli
