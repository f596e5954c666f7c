// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// An option a command takes: "--raw", or "--printer" with a value ("--printer Q" or
// "--printer=Q"). One with a value may also have a letter as lp has ("-d Q" or "-dQ").
struct KnownOption {
  const char* name;
  bool takesValue;
  char letter = '\0';
};

// A command's arguments split into its options and its operands.
struct Arguments {
  std::vector<std::string> operands;
  std::map<std::string, std::string> options;  // by long name, whichever way it was given

  bool has(const std::string& option) const { return options.count(option) != 0; }
  std::optional<std::string> value(const std::string& option) const;
};

// Throws a usage Failure for an unknown option, a missing value or an option given twice.
Arguments parseArguments(const std::vector<std::string>& arguments,
                         const std::vector<KnownOption>& options);

}  // namespace cli
