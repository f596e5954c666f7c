#pragma once

#include <string>

namespace app {

// The feature list of the features window, lines ended by CR LF, the last one included.
const std::string& featureList();

}  // namespace app
