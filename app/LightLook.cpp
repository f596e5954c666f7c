// SPDX-License-Identifier: Apache-2.0
#include "app/LightLook.h"

#include <QApplication>
#include <QPalette>

namespace app {

namespace {

struct RoleColours {
  QPalette::ColorRole role;
  QRgb normal;
  QRgb disabled;
};

// Qt's light palette, the one the windows show where no desktop theme gives another. Written out
// because Qt's own follows a dark desktop theme.
constexpr RoleColours kLight[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

}  // namespace

void useLightLook() {
  QPalette light;
  for (const RoleColours& colours : kLight) {
    const QColor normal = QColor::fromRgba(colours.normal);
    light.setColor(QPalette::Active, colours.role, normal);
    light.setColor(QPalette::Inactive, colours.role, normal);
    light.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
  }
  QApplication::setPalette(light);
}

}  // namespace app
