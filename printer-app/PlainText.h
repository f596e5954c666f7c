// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string_view>

#include "platform/ByteString.h"

namespace printerapp {

// A UTF-8 text file as the printer's own fonts print it. Each line ends in CR LF, whichever
// ending the file used; a form feed starts a new page; tabs stop every eight columns and are
// sent as blanks; other control characters, escape sequences included, are left out so that a
// text cannot change the printer's settings. Characters outside ASCII are sent in code page 437,
// the printer's default character table, or as "?" where it has none. A text that is not empty
// ends with a form feed. Identical for both emulations.
platform::ByteString plainText(std::string_view utf8);

}  // namespace printerapp
