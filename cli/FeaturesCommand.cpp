// SPDX-License-Identifier: Apache-2.0
#include <ostream>

#include "cli/Assignments.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Files.h"
#include "cli/Send.h"
#include "cli/Text.h"
#include "cli/WindowState.h"
#include "features/PrintFeatures.h"

namespace cli {

namespace {

void writePage(const std::string& path, const platform::ByteString& bytes, Outside& outside) {
  if (path == "-") {
    refuseTerminal(outside);
    outside.out << bytes;
    return;
  }
  replaceFile(path, bytes);
}

}  // namespace

int featuresCommand(const Arguments& arguments, Outside& outside) {
  WindowState state;
  const std::string emulation = arguments.value("--emulation").value_or("ESC/P");
  chooseValue(state, settings::Box::Emulation, emulation);
  const features::EmulationPage& page =
      features::pageForEmulation(state.boxes().selection(settings::Box::Emulation));

  if (const auto path = arguments.value("--out")) {
    for (const KnownOption& option : printOptions()) {
      if (arguments.has(option.name)) {
        throw Failure(kUsageError, std::string("--out writes the page instead of printing it; "
                                               "it takes no ") +
                                       option.name);
      }
    }
    const features::FeaturesPage bytes = page.page();
    writePage(*path, bytes.title + bytes.body, outside);
    return kDone;
  }
  return submitJob(arguments, outside, page.print);
}

}  // namespace cli
