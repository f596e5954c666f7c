// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

// One run of the real mrl770-settings in the test's environment.
struct ProgramRun {
  int status;
  std::string out;
  std::string err;
};

// How the shell starts the program: shell commands put before it ("prlimit ...", with the
// separator), and where its stdin and stdout are, as redirections ("</dev/zero", ">&-");
// empty for the input text and a file the run reads back.
struct Shell {
  std::string before;
  std::string stdinFrom;
  std::string stdoutTo;
};

// Runs the program with the arguments and INPUT on its stdin; throws when it cannot be run.
ProgramRun runProgram(const std::vector<std::string>& arguments, const std::string& input = "",
                      const Shell& shell = {});
