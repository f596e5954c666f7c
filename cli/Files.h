// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <string>

#include "cli/Outside.h"
#include "platform/ByteString.h"

namespace cli {

// A saved command is 15 bytes, or their hex; anything longer than this is not one.
constexpr std::size_t kLongestCommandText = 4096;

// The text of a saved command, from a regular file or a pipe (which may wait for its writer);
// throws Failure(kBadInput), with the system's reason, for anything else, a file that cannot
// be read or one longer than kLongestCommandText.
std::string readCommandFile(const std::string& path);
// The same from standard input.
std::string readCommandInput(std::istream& in);

// Throws a usage Failure when standard output is a terminal: raw bytes are for a file or pipe.
void refuseTerminal(Outside& outside);

// Replaces the file at PATH with BYTES only once they are all written: they go to a
// temporary file beside it first. Throws Failure(kCannotWrite) with the system's reason, and
// leaves the old file as it was, when they cannot be written whole. A character device (the
// printer's own) or a pipe is written directly, a terminal refused.
void replaceFile(const std::string& path, const platform::ByteString& bytes);

}  // namespace cli
