// SPDX-License-Identifier: Apache-2.0
#include "app/QtMessageBoxes.h"

#include <QMessageBox>

namespace app {

namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0xF0;

struct ButtonSet {
  int style;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;  // the first button, as the styles have it
  QMessageBox::StandardButton escapeButton;
};

const ButtonSet kButtonSets[] = {
    {0, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok},
    {1, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel},
    {4, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No},
};

struct IconStyle {
  int style;
  QMessageBox::Icon icon;
};

const IconStyle kIcons[] = {
    {16, QMessageBox::Critical},
    {32, QMessageBox::Question},
    {48, QMessageBox::Warning},
    {64, QMessageBox::Information},
};

struct AnswerOf {
  QMessageBox::StandardButton button;
  platform::Answer answer;
};

const AnswerOf kAnswers[] = {
    {QMessageBox::Ok, platform::Answer::Ok},
    {QMessageBox::Cancel, platform::Answer::Cancel},
    {QMessageBox::Yes, platform::Answer::Yes},
    {QMessageBox::No, platform::Answer::No},
};

platform::Answer answerOf(QMessageBox::StandardButton button) {
  for (const AnswerOf& answer : kAnswers) {
    if (answer.button == button) return answer.answer;
  }
  return platform::Answer::Ok;
}

const ButtonSet& buttonSetOf(int style) {
  for (const ButtonSet& set : kButtonSets) {
    if (set.style == (style & kButtonsMask)) return set;
  }
  return kButtonSets[0];
}

QMessageBox::Icon iconOf(int style) {
  for (const IconStyle& icon : kIcons) {
    if (icon.style == (style & kIconMask)) return icon.icon;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

platform::Answer QtMessageBoxes::show(const std::string& text, const std::string& title,
                                      int style) {
  const ButtonSet& set = buttonSetOf(style);
  QMessageBox box(iconOf(style), QString::fromStdString(title),
                  QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                  set.buttons);
  box.setDefaultButton(set.defaultButton);
  box.setEscapeButton(set.escapeButton);
  box.exec();
  // Closing the box by its frame counts as its escape button.
  QAbstractButton* chosen = box.clickedButton();
  return answerOf(chosen ? box.standardButton(chosen) : set.escapeButton);
}

}  // namespace app
