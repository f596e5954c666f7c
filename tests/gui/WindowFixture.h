#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/PictureFolder.h"
#include "app/SurfacePicture.h"
#include "app/artwork/Artwork.h"
#include "app/frmConfigUtility.h"
#include "app/frmFeatures.h"
#include "download/Messages.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeSpooler.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "platform/MouseButton.h"

// A configuration window on fakes, reading its bitmap files from a folder of its own that
// holds every file the artwork writes.
class WindowTest : public ::testing::Test {
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

  // A mouse move with no button pressed, delivered as the window system would.
  static void moveOver(QWidget& target) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), target.mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
  }
  static void release(QWidget& target, Qt::MouseButton button) {
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(3, 3), target.mapToGlobal(QPointF(3, 3)),
                   button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &up);
  }

  // Key events go to the focused control of the window, through the application, with the
  // text the keyboard gives them.
  static QWidget& focusOf(QWidget& window) {
    return window.focusWidget() ? *window.focusWidget() : window;
  }
  static void press(QWidget& window, Qt::Key key, const QString& text,
                    Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Press, &focusOf(window), key, text, modifiers);
  }
  static void releaseKey(QWidget& window, Qt::Key key, const QString& text,
                         Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Release, &focusOf(window), key, text, modifiers);
  }
  // A letter typed with modifiers held.
  static void chord(QWidget& window, Qt::KeyboardModifiers modifiers, Qt::Key letter,
                    const QString& text);

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
