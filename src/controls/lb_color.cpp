// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/lb_color.h"

#include <QGuiApplication>
#include <QVariant>
#include <QWidget>

namespace rova {
namespace {

QColor SystemColor(int index, const QPalette& p) {
  switch (index) {
    case 0:  // scroll bar
      return p.color(QPalette::Active, QPalette::Midlight);
    case 1:  // desktop
    case 12:  // application workspace
      return p.color(QPalette::Active, QPalette::Dark);
    case 2:  // active caption
    case 13:  // highlight
      return p.color(QPalette::Active, QPalette::Highlight);
    case 3:  // inactive caption
      return p.color(QPalette::Inactive, QPalette::Highlight);
    case 4:  // menu
    case 15:  // button face
    case 10:  // active border
    case 11:  // inactive border
      return p.color(QPalette::Active, QPalette::Button);
    case 5:  // window
      return p.color(QPalette::Active, QPalette::Base);
    case 6:  // window frame
      return p.color(QPalette::Active, QPalette::Shadow);
    case 7:  // menu text
    case 8:  // window text
      return p.color(QPalette::Active, QPalette::WindowText);
    case 9:  // caption text
    case 14:  // highlight text
      return p.color(QPalette::Active, QPalette::HighlightedText);
    case 16:  // button shadow
      return p.color(QPalette::Active, QPalette::Dark);
    case 17:  // grey text
      return p.color(QPalette::Disabled, QPalette::Text);
    case 18:  // button text
      return p.color(QPalette::Active, QPalette::ButtonText);
    case 19:  // inactive caption text
      return p.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20:  // button highlight
      return p.color(QPalette::Active, QPalette::Light);
    case 21:  // dark 3-D shadow
      return p.color(QPalette::Active, QPalette::Shadow);
    case 22:  // 3-D light
      return p.color(QPalette::Active, QPalette::Midlight);
    case 23:  // tooltip text
      return p.color(QPalette::Active, QPalette::ToolTipText);
    case 24:  // tooltip background
      return p.color(QPalette::Active, QPalette::ToolTipBase);
    default:
      return Qt::black;
  }
}

}  // namespace

QColor Resolve(TColor color, const QPalette& palette) {
  if (color.IsNone()) return {};
  if (color.IsSystem()) {
    QColor c = SystemColor(color.SystemIndex(), palette);
    c.setAlpha(255);
    return c;
  }
  return QColor(color.Red(), color.Green(), color.Blue());
}

QColor Resolve(TColor color) { return Resolve(color, QGuiApplication::palette()); }

TColor FromQColor(const QColor& color) {
  return color.isValid() ? FromRgb(color.red(), color.green(), color.blue()) : kClNone;
}

TColor ResolveToRgb(TColor color, const QPalette& palette) {
  if (!color.IsSystem()) return color;
  return FromQColor(Resolve(color, palette));
}

TColor InheritedColor(const QWidget* child) {
  const QWidget* parent = child ? child->parentWidget() : nullptr;
  if (parent == nullptr) return kClBtnFace;
  const QVariant value = parent->property("Color");
  if (value.isValid() && value.metaType() == QMetaType::fromType<TColor>()) return value.value<TColor>();
  return FromQColor(parent->palette().color(QPalette::Window));
}

}  // namespace rova
