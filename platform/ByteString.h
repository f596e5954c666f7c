// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

namespace platform {

// Bytes for the printer, NUL bytes included.
using ByteString = std::string;

// Upper-case hex pairs separated by single blanks, as the printer's manual writes bytes.
std::string hexBytes(const ByteString& bytes);

}  // namespace platform
