// SPDX-License-Identifier: Apache-2.0
#include "cli/Arguments.h"

#include "cli/Failure.h"
#include "cli/Text.h"

namespace cli {

std::optional<std::string> Arguments::value(const std::string& option) const {
  const auto found = options.find(option);
  if (found == options.end()) return std::nullopt;
  return found->second;
}

namespace {

// "-dQUEUE" or "-d QUEUE": the value glued to the letter or the next argument.
void parseLetter(const std::vector<std::string>& arguments, std::size_t& i,
                 const std::vector<KnownOption>& options, Arguments& parsed) {
  const std::string& argument = arguments[i];
  const KnownOption* known = nullptr;
  for (const KnownOption& option : options) {
    if (option.letter != '\0' && option.letter == argument[1]) known = &option;
  }
  if (!known) throw Failure(kUsageError, "unknown option " + quoted(argument.substr(0, 2)));
  if (parsed.has(known->name)) {
    throw Failure(kUsageError, std::string(known->name) + " is given more than once");
  }
  if (argument.size() > 2) {
    parsed.options[known->name] = argument.substr(2);
  } else if (i + 1 < arguments.size()) {
    parsed.options[known->name] = arguments[++i];
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
    if (parsed.has(name)) throw Failure(kUsageError, name + " is given more than once");
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
    parsed.options[name] = value;
  }
  return parsed;
}

}  // namespace cli
