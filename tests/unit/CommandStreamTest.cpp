// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>

#include "CommandStream.h"

using command_stream::Fault;

namespace {

const std::string kEsc = "\x1B";

}  // namespace

// The checker the page tests rely on must itself reject what a page must not hold.
TEST(CommandStream, RejectsWhatThePagesMustNotHold) {
  const struct {
    const char* name;
    std::string block;
    const command_stream::CommandTable& commands;
    Fault fault;
    std::size_t offset;
  } cases[] = {
      {"text, line ends and commands with NUL parameters",
       kEsc + "@" + kEsc + "k" + std::string(1, '\0') + "Roman\t\r\n" + kEsc + "a\x01",
       command_stream::escPCommands(), Fault::None, 16},
      {"form feed", "page\r\n\x0C", command_stream::escPCommands(), Fault::ControlByte, 6},
      {"NUL outside a command", std::string("ab\0c", 4), command_stream::escPCommands(),
       Fault::ControlByte, 2},
      {"DEL in the text", "ab\x7F", command_stream::escPCommands(), Fault::ControlByte, 2},
      {"byte above 7F in the text", "ab\x80", command_stream::ibmCommands(), Fault::ControlByte, 2},
      {"DC2 is not an ESC/P command", "\x12", command_stream::escPCommands(), Fault::ControlByte,
       0},
      {"double-strike off", "\t" + kEsc + "H", command_stream::ibmCommands(), Fault::UnknownCommand,
       1},
      {"initialise in IBM", kEsc + "@", command_stream::ibmCommands(), Fault::UnknownCommand, 0},
      {"lone ESC at the end", "x" + kEsc, command_stream::escPCommands(), Fault::UnknownCommand, 1},
      {"ESC k without its typeface", "Roman" + kEsc + "k", command_stream::escPCommands(),
       Fault::MissingParameter, 5},
      {"ESC I without its parameter", kEsc + "I", command_stream::ibmCommands(),
       Fault::MissingParameter, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const command_stream::Result result = command_stream::check(c.block, c.commands);
    EXPECT_EQ(c.fault, result.fault);
    EXPECT_EQ(c.offset, result.offset);
  }
}
