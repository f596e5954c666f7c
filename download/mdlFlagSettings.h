// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstdint>

#include "platform/ByteString.h"
#include "settings/Catalogue.h"

namespace mdlFlagSettings {

// The twelve flag words the printer stores as its permanent settings; each lies in 0..255.
using FlagWords = std::array<std::int16_t, 12>;

// Encodes the selections of the 21 boxes. A box with nothing chosen (-1) adds nothing; the
// enabled state of a box plays no part.
FlagWords fncGetFlagWords(const settings::Selections& selections);

// ESC 19 01 followed by the twelve words, one byte each: 15 bytes.
platform::ByteString settingsCommand(const FlagWords& words);

// Whether BYTES are one whole settings command, whatever its words: the header and twelve bytes.
bool isSettingsCommand(const platform::ByteString& bytes);

}  // namespace mdlFlagSettings
