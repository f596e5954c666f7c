// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QFont>

namespace app {

// A font of the windows by its family name. Where the system lacks the family and a stand-in is
// given, the stand-in is used, for a text that must fit its box or label; without one, Qt
// substitutes as the system's font configuration says.
QFont formFont(const char* family, qreal pointSize, bool bold = false,
               const char* standIn = nullptr);

}  // namespace app
