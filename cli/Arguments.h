// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// An option a command takes: "--raw", or "--printer" with a value ("--printer Q" or
// "--printer=Q"). One with a value may also have a letter as lp has ("-d Q" or "-dQ"), and may
// be given more than once.
struct KnownOption {
  const char* name;
  bool takesValue;
  char letter = '\0';
  bool repeats = false;
};

// A command's arguments split into its options and its operands.
struct Arguments {
  std::vector<std::string> operands;
  // By long name, whichever way it was given; more than one value only for an option that
  // repeats, in the order given.
  std::map<std::string, std::vector<std::string>> options;

  bool has(const std::string& option) const { return options.count(option) != 0; }
  // The first value given.
  std::optional<std::string> value(const std::string& option) const;
  std::vector<std::string> values(const std::string& option) const;
};

// Throws a usage Failure for an unknown option, a missing value or an option that does not
// repeat given twice.
Arguments parseArguments(const std::vector<std::string>& arguments,
                         const std::vector<KnownOption>& options);

}  // namespace cli
