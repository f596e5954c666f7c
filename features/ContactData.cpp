// SPDX-License-Identifier: Apache-2.0
#include "features/ContactData.h"

namespace features::contact {

// Invented details: example.com addresses and numbers from the range kept for fiction.
const char* const kCompanyName = "Zel Printing Systems Ltd.";
const char* const kStreetAddressLine1 = "Unit 7, Example Business Park";
const char* const kStreetAddressLine2 = "12 Sample Road";
const char* const kCityAndPostalCode = "Exampleton 00000";
const char* const kPhone = "+1 555 0100";
const char* const kFax = "+1 555 0101";
const char* const kEmail = "support@example.com";
const char* const kWeb = "www.example.com";

}  // namespace features::contact
