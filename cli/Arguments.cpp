// SPDX-License-Identifier: Apache-2.0
#include "cli/Arguments.h"

#include "cli/Failure.h"
#include "cli/Text.h"

namespace cli {

std::optional<std::string> Arguments::value(const std::string& option) const {
  const auto found = options.find(option);
  if (found == options.end()) return std::nullopt;
  return found->second.front();
}

std::vector<std::string> Arguments::values(const std::string& option) const {
  const auto found = options.find(option);
  return found == options.end() ? std::vector<std::string>{} : found->second;
}

namespace {

void addOption(const KnownOption& option, const std::string& value, Arguments& parsed) {
  if (parsed.has(option.name) && !option.repeats) {
    throw Failure(kUsageError, std::string(option.name) + " is given more than once");
  }
  parsed.options[option.name].push_back(value);
}

// "-dQUEUE" or "-d QUEUE": the value glued to the letter or the next argument.
void parseLetter(const std::vector<std::string>& arguments, std::size_t& i,
                 const std::vector<KnownOption>& options, Arguments& parsed) {
  const std::string& argument = arguments[i];
  const KnownOption* known = nullptr;
  for (const KnownOption& option : options) {
    if (option.letter != '\0' && option.letter == argument[1]) known = &option;
  }
  if (!known) throw Failure(kUsageError, "unknown option " + quoted(argument.substr(0, 2)));
  if (argument.size() > 2) {
    addOption(*known, argument.substr(2), parsed);
  } else if (i + 1 < arguments.size()) {
    addOption(*known, arguments[++i], parsed);
  } else {
    throw Failure(kUsageError, argument + " needs a value");
  }
}

}  // namespace

Arguments parseArguments(const std::vector<std::string>& arguments,
                         const std::vector<KnownOption>& options) {
  Arguments parsed;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    // "-" alone is an operand: standard input.
    if (argument.size() > 1 && argument[0] == '-' && argument[1] != '-') {
      parseLetter(arguments, i, options, parsed);
      continue;
    }
    if (argument.rfind("--", 0) != 0) {
      parsed.operands.push_back(argument);
      continue;
    }
    const auto equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const KnownOption* known = nullptr;
    for (const KnownOption& option : options) {
      if (name == option.name) known = &option;
    }
    if (!known) throw Failure(kUsageError, "unknown option " + quoted(name));
    std::string value;
    if (!known->takesValue) {
      if (equals != std::string::npos) throw Failure(kUsageError, name + " takes no value");
    } else if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      throw Failure(kUsageError, name + " needs a value");
    }
    addOption(*known, value, parsed);
  }
  return parsed;
}

}  // namespace cli
