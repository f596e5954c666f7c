// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "settings/Catalogue.h"
#include "settings/SettingsView.h"

namespace settings {

// The caption a row of the window shows under the emulation, with '&' before its access letter:
// the catalogue's label, or the window's own wording where it differs.
std::string shownCaption(Box box, Emulation emulation);

// The caption as text, without the access mark.
std::string withoutAccessMark(std::string caption);

}  // namespace settings
