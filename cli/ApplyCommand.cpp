// SPDX-License-Identifier: Apache-2.0
#include "cli/Assignments.h"
#include "cli/Commands.h"
#include "cli/Decode.h"
#include "cli/Failure.h"
#include "cli/Files.h"
#include "cli/Send.h"
#include "cli/Text.h"
#include "download/DownloadSettings.h"
#include "download/DownloadWindow.h"

namespace cli {

namespace {

WindowState settingsToApply(const Arguments& arguments, Outside& outside) {
  if (const auto file = arguments.value("--from")) {
    if (!arguments.operands.empty()) {
      throw Failure(kUsageError, "give NAME=VALUE settings or --from FILE, not both");
    }
    // Checked as decode checks it; the command sent is then the very bytes of the file.
    return decodeSettings(
        commandFromText(*file == "-" ? readCommandInput(outside.in) : readCommandFile(*file)));
  }
  std::vector<Assignment> assignments;
  for (const std::string& operand : arguments.operands) {
    assignments.push_back(parseAssignment(operand));
  }
  return applyAssignments(assignments);
}

}  // namespace

int applyCommand(const Arguments& arguments, Outside& outside) {
  const settings::SelectionBoxes boxes = settingsToApply(arguments, outside).boxes();
  // A window of its own for each queue's job, which may run beside the others.
  return submitJob(arguments, outside, [&boxes](platform::Platform& platform) {
    mdlFlagSettings::NoWindow window(boxes);
    return mdlFlagSettings::DownloadSettings(
        mdlFlagSettings::fncGetFlagWords(window.selectionBoxes().selections()), platform, window);
  });
}

}  // namespace cli
