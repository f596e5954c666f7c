// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/Arguments.h"
#include "cli/Outside.h"

namespace cli {

// The commands of mrl770-settings. Each returns its exit status or throws Failure.
int encodeCommand(const Arguments& arguments, Outside& outside);
int decodeCommand(const Arguments& arguments, Outside& outside);
int applyCommand(const Arguments& arguments, Outside& outside);
int featuresCommand(const Arguments& arguments, Outside& outside);
int listCommand(const Arguments& arguments, Outside& outside);

}  // namespace cli
