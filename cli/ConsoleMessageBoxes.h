#pragma once

#include <iosfwd>

#include "cli/Failure.h"
#include "platform/MessageBoxes.h"

namespace cli {

// The program's failure messages as text on stderr, one terminal line for each line of the
// box. Remembers the exit status the message stands for: busy, or not sent.
class ConsoleMessageBoxes : public platform::MessageBoxes {
 public:
  explicit ConsoleMessageBoxes(std::ostream& err) : err_(err) {}

  platform::Answer show(const std::string& text, const std::string& title, int style) override;

  bool shown() const { return status_ != kDone; }
  ExitStatus status() const { return status_; }

 private:
  std::ostream& err_;
  ExitStatus status_ = kDone;
};

}  // namespace cli
