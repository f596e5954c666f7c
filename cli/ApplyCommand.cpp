#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "cli/Assignments.h"
#include "cli/Commands.h"
#include "cli/Decode.h"
#include "cli/Failure.h"
#include "cli/Send.h"
#include "cli/Text.h"
#include "download/DownloadSettings.h"
#include "download/DownloadWindow.h"

namespace cli {

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure(kBadInput, "cannot read " + quoted(path) + ": " + std::strerror(errno));
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

WindowState settingsToApply(const Arguments& arguments) {
  if (const auto file = arguments.value("--from")) {
    if (!arguments.operands.empty()) {
      throw Failure(kUsageError, "give NAME=VALUE settings or --from FILE, not both");
    }
    // Checked as decode checks it; the command sent is then the very bytes of the file.
    return decodeSettings(commandFromText(readFile(*file)));
  }
  std::vector<Assignment> assignments;
  for (const std::string& operand : arguments.operands) {
    assignments.push_back(parseAssignment(operand));
  }
  return applyAssignments(assignments);
}

}  // namespace

int applyCommand(const Arguments& arguments, Outside& outside) {
  mdlFlagSettings::NoWindow window(settingsToApply(arguments).boxes());
  return submitJob(arguments, outside, [&window](platform::Platform& platform) {
    return mdlFlagSettings::DownloadSettings(
        mdlFlagSettings::fncGetFlagWords(window.selectionBoxes().selections()), platform, window);
  });
}

}  // namespace cli
