// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Walks a block of printer bytes against the commands it may contain, so that a stray control
// byte, an unknown command or a command cut short shows up wherever it sits.
namespace command_stream {

struct Command {
  std::string introducer;  // the command's own bytes, e.g. ESC k
  std::size_t parameters;  // raw bytes that follow it, NUL included
};
using CommandTable = std::vector<Command>;

enum class Fault { None, UnknownCommand, MissingParameter, ControlByte };

struct Result {
  Fault fault;
  std::size_t offset;  // where the faulty command or byte begins
};

inline const CommandTable& lineControls() {
  static const CommandTable table = {{"\r", 0}, {"\n", 0}, {"\t", 0}};
  return table;
}

inline CommandTable withLineControls(CommandTable table) {
  table.insert(table.end(), lineControls().begin(), lineControls().end());
  return table;
}

inline const CommandTable& escPCommands() {
  static const CommandTable table = withLineControls({
      {"\x1B@", 0},
      {"\x1Bx", 1},
      {"\x1B"
       "E",
       0},
      {"\x1Bk", 1},
      {"\x1BP", 0},
      {"\x1Bw", 1},
      {"\x1BW", 1},
      {"\x1B"
       "a",
       1},
  });
  return table;
}

inline const CommandTable& ibmCommands() {
  static const CommandTable table = withLineControls({
      {"\x1BG", 0},
      {"\x1BI", 1},
      {"\x12", 0},
      {"\x1BW", 1},
  });
  return table;
}

inline bool isText(unsigned char byte) {
  return byte >= 0x20 && byte < 0x7F;
}

inline Result check(const std::string& block, const CommandTable& table) {
  std::size_t i = 0;
  while (i < block.size()) {
    const auto byte = static_cast<unsigned char>(block[i]);
    if (isText(byte)) {
      ++i;
      continue;
    }
    const Command* command = nullptr;
    for (const Command& candidate : table) {
      if (block.compare(i, candidate.introducer.size(), candidate.introducer) == 0) {
        command = &candidate;
      }
    }
    if (!command) return {byte == 0x1B ? Fault::UnknownCommand : Fault::ControlByte, i};
    const std::size_t end = i + command->introducer.size() + command->parameters;
    if (end > block.size()) return {Fault::MissingParameter, i};
    i = end;
  }
  return {Fault::None, block.size()};
}

}  // namespace command_stream
