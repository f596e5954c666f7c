// SPDX-License-Identifier: Apache-2.0
#include "app/LightLook.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>

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

QPalette lightPalette() {
  QPalette light;
  for (const RoleColours& colours : kLight) {
    const QColor normal = QColor::fromRgba(colours.normal);
    light.setColor(QPalette::Active, colours.role, normal);
    light.setColor(QPalette::Inactive, colours.role, normal);
    light.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
  }
  // Taken as the palette Qt made itself, not as one the program set: every widget then shares
  // it, where a palette set by the program would be copied into each widget, and the style's
  // cache of drawn boxes, kept per palette, would draw each of the 21 boxes anew.
  light.setResolveMask(0);
  return light;
}

// The platform's own style, with the light palette in place of the theme's.
class LightStyle : public QProxyStyle {
 public:
  using QProxyStyle::polish;
  using QProxyStyle::QProxyStyle;
  void polish(QPalette& palette) override { palette = lightPalette(); }
  QPalette standardPalette() const override { return lightPalette(); }
};

}  // namespace

void useLightLook() {
  QApplication::setStyle(new LightStyle(QApplication::style()->name()));
}

}  // namespace app
