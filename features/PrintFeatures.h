// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "features/FeaturesPages.h"
#include "platform/Platform.h"
#include "printjob/RawPrintJob.h"
#include "settings/SelectionBoxes.h"

namespace features {

extern const char* const kEscPDocumentName;  // "MRL 770 FEATURS"
extern const char* const kIbmDocumentName;   // "MRL 770 FEATURES"

// Print the features page in one emulation as one spooler document, without the busy check, and
// tell what became of the job.
printjob::PrintResult fncPrintPrinterFeaturesEsc(platform::Platform& platform);
printjob::PrintResult fncPrintPrinterFeaturesIBM(platform::Platform& platform);

// The features page an emulation selection calls for: its document name, its bytes, and the
// routine that prints it.
struct EmulationPage {
  const char* documentName;
  FeaturesPage (*page)();
  printjob::PrintResult (*print)(platform::Platform& platform);
};
const EmulationPage& pageForEmulation(settings::Selection emulation);

// The print-features flow behind both windows' Print Features buttons, run on a mouse-button
// release; only the left button acts. After the readiness prompt, the emulation chosen in the
// configuration window (applied or not) decides the page.
void printFeatures(int button, platform::Platform& platform, const settings::SelectionBoxes& boxes);

}  // namespace features
