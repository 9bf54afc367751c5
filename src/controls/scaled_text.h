// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPaintDevice>
#include <QPointF>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

class QFont;
class QPainter;

namespace rova {

// How the sans face's text is drawn on a screen of a given scale. The face
// is bitmaps only and Qt draws it at its 1x size whatever the scale, so on a
// scaled screen the program draws it itself.
struct TextRendition {
  enum class Kind {
    Native,    // scale 1: as Qt draws it
    Strike,    // the strike that is the 1x strike scaled, within half a pixel
    Enlarged,  // the 1x text enlarged pixel by pixel, without smoothing
  };
  Kind kind = Kind::Native;
  int strikePixels = 0;  // for Strike
};
TextRendition ChooseTextRendition(double scale);

// One word of a line drawn in a strike, in device pixels: where the 1x word
// starts, scaled, and how wide the strike draws it and with how many letters.
struct WordSpan {
  double scaledStart = 0;
  double width = 0;
  int letters = 0;
};
// Where a word is drawn, and how many of the gaps between its letters are
// drawn one pixel narrower, evenly spread.
struct PlacedWord {
  double start = 0;
  int narrowedGaps = 0;
};
// Places the words of one line, each as near as it can to where the 1x
// word starts, scaled: a strike's words can be a pixel or two wider than the
// 1x words scaled. A word that would come closer than `space` to the word
// before moves right by at most `drift`, so that it stays by what is laid
// over the line beside it (a mark, a fraction's bar); a word that would then
// still come closer than `minSpace` to the next, or run past `end` (where the
// 1x line ends, scaled), draws its letters closer, one pixel in a gap. So
// words never touch, letters keep the strike's spacing wherever the line has
// room, and nothing runs past the 1x extent to be cut off.
std::vector<PlacedWord> PlaceWords(const std::vector<WordSpan>& words, double end, double space, double minSpace,
                                   double drift);

// Device pixels to a logical pixel where `painter` draws (1 on a 1x screen,
// 2 on a doubled one, whether painting to a widget or to a scaled image).
double DeviceScale(const QPainter& painter);

// Whether `font` is the bitmap sans face that needs drawing at the scale.
bool IsSansFace(const QFont& font);

// Draws one line of `text` in `font` with its baseline starting at
// `baseline`, in the painter's pen. On a scaled screen the sans face is drawn
// in its rendition: each word starts where the 1x word starts, scaled, so
// lines keep their 1x extents and line breaks; the letters inside a word
// keep the strike's own spacing. `overstrike` draws the line again one
// logical pixel to the right, the bold of a face without a bold strike.
void DrawTextRun(QPainter& canvas, QPointF baseline, const QString& text, const QFont& font,
                 bool overstrike = false);

// A paint device whose painting goes on to `target` as it is, except the
// sans face's text, which is drawn with DrawTextRun at the target's scale.
// A painter opened on it lays text out at 1x (its metrics are those of a 1x
// device of `size`), so the text breaks and aligns as on a 1x screen.
class ScaledTextDevice : public QPaintDevice {
 public:
  ScaledTextDevice(QPainter& target, QSize size, bool overstrike = false);
  ~ScaledTextDevice() override;
  ScaledTextDevice(const ScaledTextDevice&) = delete;
  ScaledTextDevice& operator=(const ScaledTextDevice&) = delete;

  QPaintEngine* paintEngine() const override;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  std::unique_ptr<QPaintEngine> engine_;
  QSize size_;
};

}  // namespace rova
