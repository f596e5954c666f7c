// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace features::contact {

// The maker's contact details printed at the foot of the features page, all ASCII. The web
// address is printed twice: in the driver feature line and in the contact block.
extern const char* const kCompanyName;
extern const char* const kStreetAddressLine1;
extern const char* const kStreetAddressLine2;
extern const char* const kCityAndPostalCode;
extern const char* const kPhone;
extern const char* const kFax;
extern const char* const kEmail;
extern const char* const kWeb;

}  // namespace features::contact
