// SPDX-License-Identifier: Apache-2.0
// The entry of the CUPS spooler module, which the program loads on its first print.
#include "platform/SpoolerModule.h"

#include <type_traits>

#include "platform/SystemSpooler.h"

extern "C" platform::Spooler* mrl770_make_spooler() {
  return platform::makeSystemSpooler().release();
}

extern "C" const char* mrl770_spooler_build() {
  return MRL770_BUILD_IDENTITY;
}

static_assert(std::is_same_v<decltype(&mrl770_make_spooler), platform::SpoolerModuleEntry>);
static_assert(std::is_same_v<decltype(&mrl770_spooler_build), platform::SpoolerModuleBuild>);
