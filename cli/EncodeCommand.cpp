// SPDX-License-Identifier: Apache-2.0
#include <ostream>

#include "cli/Assignments.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Files.h"
#include "cli/Text.h"
#include "download/mdlFlagSettings.h"

namespace cli {

int encodeCommand(const Arguments& arguments, Outside& outside) {
  std::vector<Assignment> assignments;
  for (const std::string& operand : arguments.operands) {
    assignments.push_back(parseAssignment(operand));
  }
  const WindowState state = applyAssignments(assignments);
  const platform::ByteString command = mdlFlagSettings::settingsCommand(
      mdlFlagSettings::fncGetFlagWords(state.boxes().selections()));
  if (arguments.has("--raw")) {
    refuseTerminal(outside);
    outside.out << command;
  } else {
    outside.out << platform::hexBytes(command) << '\n';
  }
  return kDone;
}

}  // namespace cli
