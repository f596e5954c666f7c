// SPDX-License-Identifier: Apache-2.0
#include "ProgramRun.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::string shellQuoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

ProgramRun runProgram(const std::vector<std::string>& arguments, const std::string& input,
                      const Shell& shell) {
  char folder[] = "/tmp/mrl770-settings-run-XXXXXX";
  if (!mkdtemp(folder)) throw std::runtime_error("cannot make a temporary folder");
  const std::string dir = folder;
  std::ofstream(dir + "/in", std::ios::binary) << input;

  std::string command = shell.before + shellQuoted(MRL770_SETTINGS);
  for (const std::string& argument : arguments) command += " " + shellQuoted(argument);
  command += " " + (shell.stdinFrom.empty() ? "<" + dir + "/in" : shell.stdinFrom);
  command += " " + (shell.stdoutTo.empty() ? ">" + dir + "/out" : shell.stdoutTo);
  command += " 2>" + dir + "/err";
  const int status = std::system(command.c_str());

  ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, contents(dir + "/out"),
                 contents(dir + "/err")};
  std::filesystem::remove_all(dir);
  if (!WIFEXITED(status)) throw std::runtime_error("did not end normally: " + command);
  return run;
}
