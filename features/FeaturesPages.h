// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/ByteString.h"

namespace features {

// A features page as the two byte blocks it is sent in.
struct FeaturesPage {
  platform::ByteString title;
  platform::ByteString body;
};

FeaturesPage escPFeaturesPage();
FeaturesPage ibmFeaturesPage();

}  // namespace features
