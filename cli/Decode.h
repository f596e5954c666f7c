// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "cli/WindowState.h"
#include "platform/ByteString.h"

namespace cli {

// The window state a settings command was made from. Throws Failure, naming the byte and what
// is wrong with it, for anything the window could not have sent: a wrong length or header, bits
// that no box uses, a code outside its table, or an entry the other choices do not offer.
WindowState decodeSettings(const platform::ByteString& command);

// A command as it is given: the raw 15 bytes, or hex text (blanks between bytes optional).
platform::ByteString commandFromText(const std::string& text);

}  // namespace cli
