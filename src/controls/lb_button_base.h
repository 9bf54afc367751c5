// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "controls/alignment.h"
#include "controls/button_face.h"
#include "controls/lb_color.h"

namespace rova {

class TLbButtonThread;

// What the two hot-tracking buttons share: their published colours, caption
// and glyph, hot tracking and the fade. The subclasses decide how a setter
// shows its change (Refresh) and add pressing and clicking.
class TLbButtonBase : public QWidget {
  Q_OBJECT
  Q_PROPERTY(rova::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(rova::TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
  Q_PROPERTY(rova::TColor ColorWhenDown READ ColorWhenDown WRITE SetColorWhenDown)
  Q_PROPERTY(rova::TLbColorStyle ColorStyle READ ColorStyle WRITE SetColorStyle)
  Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
  Q_PROPERTY(rova::TColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
  Q_PROPERTY(rova::TColor HotTrackColor READ HotTrackColor WRITE SetHotTrackColor)
  Q_PROPERTY(QFont HotTrackFont READ HotTrackFont WRITE SetHotTrackFont)
  Q_PROPERTY(rova::TColor HotTrackFontColor READ HotTrackFontColor WRITE SetHotTrackFontColor)
  Q_PROPERTY(rova::TLbButtonLayout Layout READ Layout WRITE SetLayout)
  Q_PROPERTY(rova::TColor LightColor READ LightColor WRITE SetLightColor)
  Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
  Q_PROPERTY(rova::TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
  Q_PROPERTY(bool SlowDecease READ SlowDecease WRITE SetSlowDecease)
  Q_PROPERTY(rova::TLbButtonStyle Style READ Style WRITE SetStyle)
  Q_PROPERTY(bool UseHotTrackFont READ UseHotTrackFont WRITE SetUseHotTrackFont)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)

 public:
  ~TLbButtonBase() override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& value);
  // The face colour; follows the parent's colour until set.
  TColor Color() const;
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TColor ColorWhenDown() const { return colorWhenDown_; }
  void SetColorWhenDown(TColor value);
  // Always reads lcsCustom: a preset is written into the other properties once.
  TLbColorStyle ColorStyle() const { return TLbColorStyle::lcsCustom; }
  void SetColorStyle(TLbColorStyle value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor value);
  QImage Glyph() const { return glyph_; }
  virtual void SetGlyph(const QImage& value);
  TColor HotTrackColor() const { return hotTrackColor_; }
  void SetHotTrackColor(TColor value);
  QFont HotTrackFont() const { return hotTrackFont_; }
  void SetHotTrackFont(const QFont& value);
  TColor HotTrackFontColor() const { return hotTrackFontColor_; }
  void SetHotTrackFontColor(TColor value);
  TLbButtonLayout Layout() const { return layout_; }
  void SetLayout(TLbButtonLayout value);
  TColor LightColor() const { return lightColor_; }
  void SetLightColor(TColor value);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor value);
  bool SlowDecease() const { return slowDecease_; }
  void SetSlowDecease(bool value);
  TLbButtonStyle Style() const { return style_; }
  virtual void SetStyle(TLbButtonStyle value);
  bool UseHotTrackFont() const { return useHotTrackFont_; }
  void SetUseHotTrackFont(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  QMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(QMenu* menu);

  // Run-time state.
  bool Hot() const { return hot_; }
  int FadeStep() const { return fadeStep_; }
  TLbButtonThread* FadeWorker() const { return fadeWorker_.get(); }

  // The face exactly as the next paint would draw it (without a focus mark).
  QImage RenderFace() const;

 signals:
  void OnClick();
  void OnMouseEnter();
  void OnMouseExit();

 protected:
  // Where the two buttons start differently.
  struct Defaults {
    TAlignment alignment;
    bool parentColor;
    TColor shadowColor;
    // Whether a new ColorWhenDown repaints at once or shows with the next press.
    bool repaintOnColorWhenDown;
  };
  TLbButtonBase(QWidget* parent, const Defaults& defaults);

  // Shows a property change: repaint now, or let the parent paint first.
  virtual void Refresh() = 0;
  // Invalidate: paint with the next round of events.
  void Invalidate() { update(); }
  virtual TLbButtonFace Face() const = 0;
  TLbButtonFace BaseFace() const;
  // Draws `face` off-screen, keyed where the style needs it, then onto the widget.
  void PaintFace(const TLbButtonFace& face);
  // The face drawn off-screen at `scale` device pixels to a logical one.
  QImage FaceImage(const TLbButtonFace& face, double scale = 1.0) const;
  void PopUpMenu();
  bool CanTrack() const;
  // A stock glyph strip of two cells, set without showing it: the caller does.
  void SetStockGlyph(const QImage& strip);

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

  // Stops painting and frees the fade worker; a subclass calls it first thing
  // in its destructor so that no tick or paint reaches a half-destroyed button.
  void BeginDestruction();
  bool Destroying() const { return destroying_; }

 private:
  void FadeTick(TLbButtonThread* sender);
  void ReleaseFadeWorker();
  void UpdateAcceleratorShortcut();

  TAlignment alignment_ = TAlignment::taLeftJustify;
  QString caption_;
  TColor color_ = kClBtnFace;
  bool parentColor_ = false;
  TColor colorWhenDown_ = kClNone;
  bool flat_ = false;
  TColor fontColor_ = kClWindowText;
  QImage glyph_;
  TColor hotTrackColor_ = kClNone;
  QFont hotTrackFont_;
  TColor hotTrackFontColor_ = kClWindowText;
  TLbButtonLayout layout_ = TLbButtonLayout::blGlyphLeft;
  TColor lightColor_ = kClWhite;
  int numGlyphs_ = 0;
  TColor shadowColor_ = kClBlack;
  bool slowDecease_ = false;
  TLbButtonStyle style_ = TLbButtonStyle::bsNormal;
  bool useHotTrackFont_ = false;
  bool wordWrap_ = false;
  QPointer<QMenu> popupMenu_;
  int acceleratorShortcut_ = 0;
  bool destroying_ = false;
  bool repaintOnColorWhenDown_ = true;

  bool hot_ = false;
  int fadeStep_ = 0;
  std::unique_ptr<TLbButtonThread> fadeWorker_;
};

}  // namespace rova
