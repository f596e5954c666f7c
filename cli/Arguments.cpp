#include "cli/Arguments.h"

#include "cli/Failure.h"
#include "cli/Text.h"

namespace cli {

std::optional<std::string> Arguments::value(const std::string& option) const {
  const auto found = options.find(option);
  if (found == options.end()) return std::nullopt;
  return found->second;
}

Arguments parseArguments(const std::vector<std::string>& arguments,
                         const std::vector<KnownOption>& options) {
  Arguments parsed;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
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
