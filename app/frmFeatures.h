// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QWidget>
#include <cstdint>

#include "app/HoverPictures.h"
#include "app/KeyPreview.h"
#include "app/PictureFolder.h"
#include "platform/Platform.h"
#include "settings/SelectionBoxes.h"

class QPlainTextEdit;

// The feature list on screen, with Print Features and Close buttons. It stands in for the
// configuration window, which is hidden while this one is up.
class frmFeatures : public QWidget, private app::KeyPreviewHandler {
  Q_OBJECT

 public:
  // The boxes are the configuration window's: Print Features prints in the emulation chosen
  // there. Closing this window shows that window again.
  frmFeatures(platform::Platform& platform, const app::PictureFolder& pictures,
              const settings::SelectionBoxes& boxes, QWidget& configurationWindow);

  // The button actions, run on a mouse-button release over their pictures with the button's
  // code, and by the Ctrl keys as a left-button release. Only the left button acts.
  void printFeatures(int button);
  void closeFeatures(int button);

  std::int16_t blnButtonsNormal() const { return hover_.blnButtonsNormal; }
  // True once the window was closed by its frame: the next Show Features loads a new one.
  bool unloaded() const { return unloaded_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void keyUp(char letter, Qt::KeyboardModifiers modifiers) override;
  void backToConfiguration();

  platform::Platform& platform_;
  const settings::SelectionBoxes& boxes_;
  QWidget& configurationWindow_;
  app::HoverPictures hover_;
  app::KeyPreview keyPreview_{*this, *this};
  bool unloaded_ = false;
};
