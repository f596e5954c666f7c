// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QLabel>

namespace app {

// The wait notice of a settings download: its picture on a panel of the picture's grey, so that
// nothing beneath shows where the panel is wider than the picture. Assistive technology reads it
// as a status text, named by what it says, while it is shown. The picture is drawn when the
// notice is first shown: most runs never show it.
class WaitNotice : public QLabel {
  Q_OBJECT

 public:
  WaitNotice(const QRect& geometry, QWidget* parent);

  void setVisible(bool visible) override;
};

}  // namespace app
