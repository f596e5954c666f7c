// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <initializer_list>
#include <string>

namespace platform {

// Message-box styles, valued as the Windows flags are.
enum MessageStyle : int {
  kOkCancelInformation = 65,  // OK and Cancel, information icon, OK the default
  kYesNoQuestion = 36,        // Yes and No, question icon
  kOkStop = 16,               // OK, stop icon
};

// Buttons a message box can be closed with, valued as the Windows results are.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // Shows a modal message box and returns the button the user chose. Lines of the text are
  // separated by CR LF.
  virtual Answer show(const std::string& text, const std::string& title, int style) = 0;
};

// Joins lines with CR LF, with no line break before the first or after the last.
std::string joinLines(std::initializer_list<const char*> lines);

}  // namespace platform
