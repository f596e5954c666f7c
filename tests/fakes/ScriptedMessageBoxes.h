// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

// Records every message box shown and answers from a queue; with the queue empty it answers
// OK, or Yes for a Yes/No box.
class ScriptedMessageBoxes : public platform::MessageBoxes {
 public:
  struct Shown {
    std::string text;
    std::string title;
    int style;
  };

  std::deque<platform::Answer> answers;
  std::vector<Shown> shown;
  // Runs while a box is up, to look at the window as the user sees it then.
  std::function<void(const Shown&)> whileShown;

  platform::Answer show(const std::string& text, const std::string& title, int style) override {
    shown.push_back({text, title, style});
    if (whileShown) whileShown(shown.back());
    if (answers.empty()) {
      return style == platform::kYesNoQuestion ? platform::Answer::Yes : platform::Answer::Ok;
    }
    const platform::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};
