// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "app/HoverPictures.h"
#include "app/KeyPreview.h"
#include "app/PictureFolder.h"
#include "app/SurfacePicture.h"
#include "download/DownloadWindow.h"
#include "platform/Platform.h"
#include "settings/SelectionBoxes.h"
#include "settings/SettingsView.h"

class QComboBox;
class frmFeatures;

// The program's main window: the 21 selection boxes on a painted background and the five
// picture buttons Apply Settings, Restore Default, Show Features, Print Features and Exit.
class frmConfigUtility : public QWidget,
                         public settings::SettingsView,
                         public mdlFlagSettings::DownloadWindow,
                         private app::KeyPreviewHandler {
  Q_OBJECT

 public:
  frmConfigUtility(platform::Platform& platform, const app::PictureFolder& pictures);
  ~frmConfigUtility() override;

  // The button actions, run on a mouse-button release over their pictures with the button's
  // code, and by the Ctrl keys as a left-button release. Only the left button acts.
  void applySettings(int button);
  void restoreDefault(int button);
  void showFeatures(int button);
  void printFeatures(int button);
  void exitProgram(int button);

  std::int16_t blnButtonsNormal() const { return hover_.blnButtonsNormal; }
  std::int16_t intCtrlPending() const { return intCtrlPending_; }
  // The features window while it is loaded, shown or hidden; null before the first Show
  // Features and once the program has ended.
  frmFeatures* features() const { return features_.get(); }

  // settings::SettingsView
  void showCaptionPicture(settings::Emulation emulation) override;
  void hideWaitNotice() override;
  void boxChanged(settings::Box box) override;

  // mdlFlagSettings::DownloadWindow
  settings::SelectionBoxes& selectionBoxes() override { return boxes_; }
  void showWaitNotice() override;
  void setApplySettingsEnabled(bool enabled) override;
  void setBackgroundEnabled(bool enabled) override;
  void repaintNow() override;

 signals:
  // The user confirmed the quit prompt: both windows are gone and the program should end.
  void programEnded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void keyDown(Qt::KeyboardModifiers modifiers) override;
  bool character() override;
  void keyUp(char letter, Qt::KeyboardModifiers modifiers) override;
  // Names each box by the caption painted beside it; the left column's follow the emulation.
  void nameBoxes(artwork::Picture leftCaptions);
  void moveFocusByAltKey(char letter);
  bool userConfirmsQuit();
  void endProgram();

  platform::Platform& platform_;
  const app::PictureFolder& pictures_;
  settings::SelectionBoxes boxes_{*this};
  app::SurfacePicture* imgBackground_;
  app::SurfacePicture* imgApplySettings_ = nullptr;
  QLabel* Atribute1_;
  QLabel* imgWarning_;
  std::array<QComboBox*, settings::kBoxCount> comboBoxes_{};
  app::HoverPictures hover_;
  app::KeyPreview keyPreview_{*this, *this};
  std::int16_t intCtrlPending_ = 0;
  std::unique_ptr<frmFeatures> features_;
  bool ending_ = false;
};
