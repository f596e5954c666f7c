// SPDX-License-Identifier: Apache-2.0
#include <algorithm>
#include <istream>
#include <limits>
#include <ostream>

#include "cli/Assignments.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Files.h"
#include "cli/Text.h"
#include "download/mdlFlagSettings.h"

namespace cli {

namespace {

// A longer line of --batch is no settings set: 21 boxes with their longest names and values
// fit many times over.
constexpr std::size_t kLongestLine = 4096;

platform::ByteString encoded(const std::vector<std::string>& words) {
  std::vector<Assignment> assignments;
  for (const std::string& word : words) assignments.push_back(parseAssignment(word));
  const WindowState state = applyAssignments(assignments);
  return mdlFlagSettings::settingsCommand(
      mdlFlagSettings::fncGetFlagWords(state.boxes().selections()));
}

void write(const platform::ByteString& command, bool raw, Outside& outside) {
  if (raw) {
    outside.out << command;
  } else {
    outside.out << platform::hexBytes(command) << '\n';
  }
}

// The next line of standard input without its end; false at the end of the input. Throws
// Failure(kBadInput) for a line longer than kLongestLine, which is skipped.
bool readLine(std::istream& in, std::string& line) {
  char buffer[kLongestLine + 1];
  in.getline(buffer, sizeof buffer);
  if (in.bad()) throw Failure(kBadInput, "cannot read standard input: the stream failed");
  const auto read = static_cast<std::size_t>(in.gcount());
  if (read == 0 && in.eof()) return false;
  if (in.fail() && !in.eof()) {
    in.clear();
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    throw Failure(kBadInput, "longer than " + std::to_string(kLongestLine) + " bytes");
  }
  // The end of the line was read too, unless the input ended first.
  line.assign(buffer, in.eof() ? read : read - 1);
  return true;
}

// One settings set a line, one command a line (or the raw bytes of each); a bad line is
// reported by its number and the rest still encode. In hex, a bad line gives an empty line, so
// that each line of the output answers the line of the input in its place.
int encodeBatch(bool raw, Outside& outside) {
  int worst = kDone;
  std::string line;
  for (long number = 1;; ++number) {
    try {
      if (!readLine(outside.in, line)) break;
      write(encoded(splitWords(line)), raw, outside);
    } catch (const Failure& failure) {
      outside.err << kProgram << ": line " << number << ": " << failure.what() << '\n';
      worst = std::max(worst, static_cast<int>(failure.status()));
      if (!raw) outside.out << '\n';
      if (outside.in.bad()) break;
    }
  }
  return worst;
}

}  // namespace

int encodeCommand(const Arguments& arguments, Outside& outside) {
  const bool raw = arguments.has("--raw");
  if (raw) refuseTerminal(outside);
  if (arguments.has("--batch")) {
    if (!arguments.operands.empty()) {
      throw Failure(kUsageError, "--batch reads the settings from standard input, not " +
                                     quoted(arguments.operands.front()));
    }
    return encodeBatch(raw, outside);
  }
  write(encoded(arguments.operands), raw, outside);
  return kDone;
}

}  // namespace cli
