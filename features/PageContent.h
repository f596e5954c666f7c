// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

#include "features/FeaturesPages.h"
#include "platform/ByteString.h"

namespace features {

// The command bytes one emulation puts into the features page; the text around them is the
// same in every emulation.
struct EmulationCommands {
  platform::ByteString beforeTitle;
  platform::ByteString bodyStart;
  // The font sample line: each typeface's command before its name, the command that ends the
  // sample, and the blanks between two names.
  std::array<platform::ByteString, 3> typefaces;
  platform::ByteString afterSample;
  platform::ByteString betweenSamples;
  // Sent on its own line before the contact block, which prints in that emphasis.
  platform::ByteString emphasis;
  platform::ByteString bodyEnd;
};

// The title block and the body block of the page with an emulation's commands.
FeaturesPage composePage(const EmulationCommands& commands);

}  // namespace features
