#pragma once

#include <string>
#include <vector>

// One run of the real mrl770-settings in the test's environment.
struct ProgramRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the program with the arguments and INPUT on its stdin; throws when it cannot be run.
ProgramRun runProgram(const std::vector<std::string>& arguments, const std::string& input = "");
