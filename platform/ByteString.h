#pragma once

#include <string>

namespace platform {

// Bytes for the printer, NUL bytes included.
using ByteString = std::string;

}  // namespace platform
