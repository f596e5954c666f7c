// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ByteString.h"

namespace cli {

// Without the blanks around it.
std::string trimmed(const std::string& text);
// Equal when upper and lower case and the blanks around either are ignored.
bool sameText(std::string_view a, std::string_view b);
// In double quotes, so that a trailing blank shows.
std::string quoted(const std::string& text);
std::string jsonString(const std::string& text);
std::string joined(const std::vector<std::string>& parts, const std::string& separator);
// The words of a line split at blanks; a double quote starts a run, ended by the next one, in
// which blanks belong to the word (CharacterTable="Set 2"). The quotes are not kept. Throws
// Failure(kBadInput) for a quote that is not closed.
std::vector<std::string> splitWords(const std::string& line);

// Hex digits in pairs, blanks anywhere between pairs or none; throws Failure otherwise.
platform::ByteString parseHex(const std::string& text);

}  // namespace cli
