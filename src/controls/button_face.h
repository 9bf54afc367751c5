// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <optional>

#include "controls/alignment.h"
#include "controls/lb_color.h"

class QPainter;

namespace rova {

enum class TLbColorStyle {
  lcsCustom,
  lcsGold,
  lcsChrome,
  lcsBlue,
  lcsRed,
  lcsUltraFlat1,
  lcsUltraFlat2,
  lcsUltraFlatXP,
  lcsAqua,
  lcsDefault,
  lcsQuicken
};

enum class TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
using TLbSpeedButtonStyle = TLbButtonStyle;

enum class TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
using TLbSpeedButtonLayout = TLbButtonLayout;

enum class TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// Fade steps run from kFadeSteps (full hot colour) down to 0 (plain colour).
inline constexpr int kFadeSteps = 8;

// Everything the face painter needs for one paint; the buttons fill it from
// their properties and state.
struct TLbButtonFace {
  int width = 0;
  int height = 0;
  TAlignment alignment = TAlignment::taCenter;
  QString caption;
  TLbButtonLayout layout = TLbButtonLayout::blGlyphLeft;
  QFont font;
  TColor fontColor = kClWindowText;
  TColor shadowColor = kClBlack;
  TColor lightColor = kClWhite;
  TColor hotTrackColor = kClNone;
  TColor colorWhenDown = kClNone;
  TColor color = kClBtnFace;
  TLbButtonStyle style = TLbButtonStyle::bsNormal;
  bool hasPopupMenu = false;
  bool wordWrap = false;
  bool flat = false;
  bool enabled = true;
  bool transparent = false;
  bool hot = false;
  bool down = false;
  QImage glyph;
  int numGlyphs = 0;
  int fadeStep = 0;
};

// Draws a whole button face onto `canvas` (an off-screen image of the
// button's size). System colours are resolved through `palette`.
void PaintButtonFace(QPainter& canvas, const TLbButtonFace& face, const QPalette& palette);
void PaintButtonFace(QPainter& canvas, const TLbButtonFace& face);

// `color` with `hotTrackColor` mixed in by fadeStep eighths; channels truncated.
TColor BlendFadeColor(TColor color, TColor hotTrackColor, int fadeStep, const QPalette& palette);
TColor BlendFadeColor(TColor color, TColor hotTrackColor, int fadeStep);

// 32 horizontal bands from `from` at row top to `to` near row bottom, over
// columns left..right-1.
void FillVerticalGradient(QPainter& canvas, TColor from, TColor to, int left, int top, int right, int bottom,
                          const QPalette& palette);
void FillVerticalGradient(QPainter& canvas, TColor from, TColor to, int left, int top, int right, int bottom);

struct TLbColorPreset {
  TColor color;
  TColor fontColor;
  TColor lightColor;
  TColor shadowColor;
  TColor hotTrackColor;
  TColor colorWhenDown;
  bool flat = false;
  TLbButtonStyle style = TLbButtonStyle::bsNormal;
};

// The colours of a preset; lcsCustom has none.
std::optional<TLbColorPreset> ApplyColorStyle(TLbColorStyle preset);

// A frame of every other pixel round `rect` (both ends inside), starting
// with a dot in the top-left corner: the focus frame and the placeholder.
void DrawDottedFrame(QPainter& canvas, const QRect& rect, const QColor& colour);

// The caption with "&" markers resolved: the accelerator letter (lower case),
// or a null QChar when there is none. "&&" is a literal ampersand.
QChar AcceleratorOf(const QString& caption);

}  // namespace rova
