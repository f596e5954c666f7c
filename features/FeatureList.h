// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

namespace features {

// The feature list of the features window, lines ended by CR LF, the last one included.
//
// It says what the printed page says (PageContent.cpp) but is not built from it: the window's
// list is spaced for reading on screen, two blanks after each number and five-blank indents,
// while the page packs each number against its text and breaks the last feature to fit the
// printer's 80 columns. Each text is kept as the design gives it.
const std::string& featureList();

}  // namespace features
