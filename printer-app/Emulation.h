// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace printerapp {

// The command language the printer is set to; the graphics commands differ between the two.
enum class Emulation { EscP, Ibm };

}  // namespace printerapp
