// SPDX-License-Identifier: Apache-2.0
#include "features/PrintFeatures.h"

#include "features/FeaturesPages.h"
#include "platform/MouseButton.h"
#include "printjob/Messages.h"
#include "printjob/RawPrintJob.h"
#include "printjob/ReadinessPrompt.h"

namespace features {

// Spelled so on purpose: the ESC/P page has always been queued under this name.
const char* const kEscPDocumentName = "MRL 770 FEATURS";
const char* const kIbmDocumentName = "MRL 770 FEATURES";

namespace {

printjob::PrintResult printPage(platform::Platform& platform, const char* documentName,
                                const FeaturesPage& page) {
  // A busy printer queues the page like any other job. RawPrintJob has shown the no-printer
  // and open-failed messages itself.
  const printjob::PrintResult result = printjob::RawPrintJob(
      platform, documentName, {page.title, page.body}, printjob::BusyCheck::Skip);
  if (result.outcome == printjob::PrintOutcome::NotAccepted) {
    messages::show(platform.messageBoxes, messages::pageNotAccepted(result.reason));
  }
  return result;
}

}  // namespace

printjob::PrintResult fncPrintPrinterFeaturesEsc(platform::Platform& platform) {
  return printPage(platform, kEscPDocumentName, escPFeaturesPage());
}

printjob::PrintResult fncPrintPrinterFeaturesIBM(platform::Platform& platform) {
  return printPage(platform, kIbmDocumentName, ibmFeaturesPage());
}

const EmulationPage& pageForEmulation(settings::Selection emulation) {
  static const EmulationPage ibm{kIbmDocumentName, ibmFeaturesPage, fncPrintPrinterFeaturesIBM};
  static const EmulationPage escP{kEscPDocumentName, escPFeaturesPage, fncPrintPrinterFeaturesEsc};
  return settings::emulationOf(emulation) == settings::Emulation::Ibm ? ibm : escP;
}

void printFeatures(int button, platform::Platform& platform,
                   const settings::SelectionBoxes& boxes) {
  if (button != platform::kLeftButton) return;
  if (!printjob::readinessPrompt(platform.messageBoxes)) return;

  // Read once the prompt is answered: the page follows the box as it stands then.
  pageForEmulation(boxes.selection(settings::Box::Emulation)).print(platform);
}

}  // namespace features
