// SPDX-License-Identifier: Apache-2.0
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "WindowFixture.h"
#include "app/QtMessageBoxes.h"

namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Shows a message through the Qt boxes; once the box is up, notes what it shows and answers
// with the given key.
platform::Answer showAndAnswer(const messages::Message& message, Qt::Key key, SeenBox& seen) {
  QTimer::singleShot(0, [&seen, key] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen = {
        box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
        box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton};
    QTest::keyClick(box, key);
  });
  app::QtMessageBoxes boxes;
  return messages::show(boxes, message);
}

TEST(QtMessageBoxes, ShowTheStylesWithTheirIconsButtonsAndTitles) {
  SeenBox seen;
  EXPECT_EQ(platform::Answer::Cancel,
            showAndAnswer(messages::readinessPrompt(), Qt::Key_Escape, seen));
  EXPECT_EQ(QStringLiteral("Printer Configuration Utility"), seen.title);
  EXPECT_EQ(QMessageBox::Information, seen.icon);
  EXPECT_EQ(QMessageBox::Ok | QMessageBox::Cancel, seen.buttons);
  EXPECT_EQ(QMessageBox::Ok, seen.defaultButton);
  EXPECT_EQ(
      QStringLiteral("Please check whether the printer is :\n* Switched ON\n* In online mode\n"
                     "* In Parallel or Autoshare interface\n\n"
                     "To continue press OK else press Cancel to quit."),
      seen.text);

  EXPECT_EQ(platform::Answer::Ok, showAndAnswer(messages::readinessPrompt(), Qt::Key_Return, seen));

  EXPECT_EQ(platform::Answer::No, showAndAnswer(messages::quitPrompt(), Qt::Key_Escape, seen));
  EXPECT_EQ(QMessageBox::Question, seen.icon);
  EXPECT_EQ(QMessageBox::Yes | QMessageBox::No, seen.buttons);
  EXPECT_EQ(platform::Answer::Yes, showAndAnswer(messages::quitPrompt(), Qt::Key_Return, seen));

  EXPECT_EQ(platform::Answer::Ok, showAndAnswer(messages::noPrinter(), Qt::Key_Return, seen));
  EXPECT_EQ(QStringLiteral("Zel MRL 770"), seen.title);
  EXPECT_EQ(QMessageBox::Critical, seen.icon);
  EXPECT_EQ(QMessageBox::StandardButtons(QMessageBox::Ok), seen.buttons);
}

}  // namespace
