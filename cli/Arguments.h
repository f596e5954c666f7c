#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// An option a command takes: "--raw", or "--printer" with a value ("--printer Q" or
// "--printer=Q").
struct KnownOption {
  const char* name;
  bool takesValue;
};

// A command's arguments split into its options and its operands.
struct Arguments {
  std::vector<std::string> operands;
  std::map<std::string, std::string> options;

  bool has(const std::string& option) const { return options.count(option) != 0; }
  std::optional<std::string> value(const std::string& option) const;
};

// Throws a usage Failure for an unknown option, a missing value or an option given twice.
Arguments parseArguments(const std::vector<std::string>& arguments,
                         const std::vector<KnownOption>& options);

}  // namespace cli
