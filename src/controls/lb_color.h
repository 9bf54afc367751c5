// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QMetaType>
#include <QPalette>
#include <QtGlobal>

class QWidget;

namespace rova {

// A colour as the window descriptions write it: red in the low byte, green in
// the next, blue in the third. 0x80000000 + n names system colour n, taken
// from the palette when painting; kClNone switches a colour's use off.
struct TColor {
  quint32 value = 0;

  constexpr TColor() = default;
  constexpr explicit TColor(quint32 v) : value(v) {}

  constexpr bool IsNone() const { return value == 0x1FFFFFFFu; }
  constexpr bool IsSystem() const { return (value & 0x80000000u) != 0; }
  constexpr int SystemIndex() const { return static_cast<int>(value & 0xFFu); }
  // Channels of a plain colour; meaningless for system colours and none.
  constexpr int Red() const { return static_cast<int>(value & 0xFFu); }
  constexpr int Green() const { return static_cast<int>((value >> 8) & 0xFFu); }
  constexpr int Blue() const { return static_cast<int>((value >> 16) & 0xFFu); }

  friend constexpr bool operator==(TColor a, TColor b) { return a.value == b.value; }
  friend constexpr bool operator!=(TColor a, TColor b) { return a.value != b.value; }
};

constexpr TColor FromRgb(int r, int g, int b) {
  return TColor(static_cast<quint32>(r & 0xFF) | (static_cast<quint32>(g & 0xFF) << 8) |
                (static_cast<quint32>(b & 0xFF) << 16));
}

inline constexpr TColor kClNone{0x1FFFFFFFu};
inline constexpr TColor kClBlack{0x000000u};
inline constexpr TColor kClWhite{0xFFFFFFu};
inline constexpr TColor kClGray{0x808080u};
inline constexpr TColor kClOlive{0x008080u};
inline constexpr TColor kClBlue{0xFF0000u};
inline constexpr TColor kClFuchsia{0xFF00FFu};  // the colour key of off-screen faces

// System colours by their index.
inline constexpr TColor kClScrollBar{0x80000000u};
inline constexpr TColor kClBackground{0x80000001u};
inline constexpr TColor kClActiveCaption{0x80000002u};
inline constexpr TColor kClInactiveCaption{0x80000003u};
inline constexpr TColor kClMenu{0x80000004u};
inline constexpr TColor kClWindow{0x80000005u};
inline constexpr TColor kClWindowFrame{0x80000006u};
inline constexpr TColor kClMenuText{0x80000007u};
inline constexpr TColor kClWindowText{0x80000008u};
inline constexpr TColor kClCaptionText{0x80000009u};
inline constexpr TColor kClActiveBorder{0x8000000Au};
inline constexpr TColor kClInactiveBorder{0x8000000Bu};
inline constexpr TColor kClAppWorkSpace{0x8000000Cu};
inline constexpr TColor kClHighlight{0x8000000Du};
inline constexpr TColor kClHighlightText{0x8000000Eu};
inline constexpr TColor kClBtnFace{0x8000000Fu};
inline constexpr TColor kClBtnShadow{0x80000010u};
inline constexpr TColor kClGrayText{0x80000011u};
inline constexpr TColor kClBtnText{0x80000012u};
inline constexpr TColor kClInactiveCaptionText{0x80000013u};
inline constexpr TColor kClBtnHighlight{0x80000014u};
inline constexpr TColor kCl3DDkShadow{0x80000015u};
inline constexpr TColor kCl3DLight{0x80000016u};
inline constexpr TColor kClInfoText{0x80000017u};
inline constexpr TColor kClInfoBk{0x80000018u};

// Plain red/green/blue for any colour; system colours come from `palette`.
// kClNone resolves to an invalid QColor.
QColor Resolve(TColor color, const QPalette& palette);
// The same through the application's palette.
QColor Resolve(TColor color);
// A plain colour value for `color` (system colours and none resolved first).
TColor ResolveToRgb(TColor color, const QPalette& palette);
TColor FromQColor(const QColor& color);

// The colour a control without one of its own shows: its parent's Color
// property when the parent has one, else the parent's window colour.
TColor InheritedColor(const QWidget* child);

}  // namespace rova

Q_DECLARE_METATYPE(rova::TColor)
