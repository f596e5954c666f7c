#include "cli/ConsoleMessageBoxes.h"

#include <ostream>

#include "cli/Text.h"
#include "printjob/Messages.h"

namespace cli {

platform::Answer ConsoleMessageBoxes::show(const std::string& text, const std::string&, int) {
  err_ << terminalLines(text) << '\n';
  // Every other message the program shows while sending says that nothing was sent.
  status_ = text == messages::printerBusy().text ? kBusy : kNotSent;
  return platform::Answer::Ok;
}

}  // namespace cli
