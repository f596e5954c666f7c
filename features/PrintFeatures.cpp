#include "features/PrintFeatures.h"

#include "download/RawPrintJob.h"
#include "download/ReadinessPrompt.h"
#include "features/FeaturesPages.h"
#include "platform/MouseButton.h"

namespace features {

const char* const kEscPDocumentName = "MRL 770 FEATURS";
const char* const kIbmDocumentName = "MRL 770 FEATURES";

namespace {

constexpr settings::Selection kIbmEmulation = 0;

void printPage(platform::Platform& platform, const char* documentName, const FeaturesPage& page) {
  // A busy printer queues the page like any other job. The outcome is not passed on:
  // RawPrintJob has shown any message itself.
  mdlFlagSettings::RawPrintJob(platform, documentName, {page.title, page.body},
                               mdlFlagSettings::BusyCheck::Skip);
}

}  // namespace

void fncPrintPrinterFeaturesEsc(platform::Platform& platform) {
  printPage(platform, kEscPDocumentName, escPFeaturesPage());
}

void fncPrintPrinterFeaturesIBM(platform::Platform& platform) {
  printPage(platform, kIbmDocumentName, ibmFeaturesPage());
}

void printFeatures(int button, platform::Platform& platform,
                   const settings::SelectionBoxes& boxes) {
  if (button != platform::kLeftButton) return;
  if (!mdlFlagSettings::readinessPrompt(platform.messageBoxes)) return;

  // Read once the prompt is answered: the page follows the box as it stands then.
  if (boxes.selection(settings::Box::Emulation) == kIbmEmulation) {
    fncPrintPrinterFeaturesIBM(platform);
  } else {
    fncPrintPrinterFeaturesEsc(platform);
  }
}

}  // namespace features
