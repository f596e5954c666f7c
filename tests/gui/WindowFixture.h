// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "UserInput.h"
#include "app/PictureFolder.h"
#include "app/SurfacePicture.h"
#include "app/frmConfigUtility.h"
#include "app/frmFeatures.h"
#include "artwork/Artwork.h"
#include "artwork/BitmapFiles.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeSpooler.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "platform/MouseButton.h"
#include "printjob/Messages.h"

// A configuration window on fakes, reading its bitmap files from a folder of its own that
// holds every file the artwork writes.
class WindowTest : public ::testing::Test, protected UserInput {
 protected:
  WindowTest() {
    for (const artwork::BitmapFile& file : artwork::bitmapFiles()) {
      artwork::draw(file.picture).save(folder.filePath(QLatin1String(file.fileName)), "BMP");
    }
    pictures.onRead = [this](const QString& fileName) { reads << fileName; };
  }

  // Created on first use, so that a test can spoil the bitmap folder first.
  frmConfigUtility& window() {
    if (!window_) {
      window_ = std::make_unique<frmConfigUtility>(fakes, pictures);
      window_->show();
      reads.clear();
    }
    return *window_;
  }

  template <typename T = QWidget>
  T& child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return *found;
  }
  template <typename T = QWidget>
  T& control(const char* name) {
    return child<T>(window(), name);
  }
  QComboBox& combo(const char* name) { return control<QComboBox>(name); }
  app::SurfacePicture& picture(QWidget& parent, const char* name) {
    return child<app::SurfacePicture>(parent, name);
  }

  QTemporaryDir folder;
  app::PictureFolder pictures{folder.path()};
  QStringList reads;
  FakeSpooler spooler;
  ScriptedMessageBoxes boxes;
  FakeSleeper sleeper;
  platform::Platform fakes{spooler, boxes, sleeper};

 private:
  std::unique_ptr<frmConfigUtility> window_;
};
