// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

#include "controls/alignment.h"
#include "controls/lb_color.h"

namespace rova {

enum class TAlignmentVert { tavTop, tavCenter, tavBottom };
enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
// Corner indices of SetEdge.
enum class TPanelCorner { TopLeft, TopRight, BottomLeft, BottomRight };

// A panel that paints its own colour, 3-D frames, an aligned one-line caption
// and optional corner images. Child controls without a colour of their own
// take Color() from it.
class TArtPanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(rova::TAlignment AlignmentHorz READ AlignmentHorz WRITE SetAlignmentHorz)
  Q_PROPERTY(rova::TAlignmentVert AlignmentVert READ AlignmentVert WRITE SetAlignmentVert)
  Q_PROPERTY(rova::TColor ColorHighlight READ ColorHighlight WRITE SetColorHighlight)
  Q_PROPERTY(rova::TColor ColorShadow READ ColorShadow WRITE SetColorShadow)
  Q_PROPERTY(QImage EdgeTopLeft READ EdgeTopLeft WRITE SetEdgeTopLeft)
  Q_PROPERTY(QImage EdgeTopRight READ EdgeTopRight WRITE SetEdgeTopRight)
  Q_PROPERTY(QImage EdgeBottomLeft READ EdgeBottomLeft WRITE SetEdgeBottomLeft)
  Q_PROPERTY(QImage EdgeBottomRight READ EdgeBottomRight WRITE SetEdgeBottomRight)
  Q_PROPERTY(bool EdgesTransparent READ EdgesTransparent WRITE SetEdgesTransparent)
  Q_PROPERTY(rova::TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(rova::TColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(rova::TPanelBevel BevelOuter READ BevelOuter WRITE SetBevelOuter)
  Q_PROPERTY(rova::TPanelBevel BevelInner READ BevelInner WRITE SetBevelInner)
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

 public:
  explicit TArtPanel(QWidget* parent = nullptr);
  ~TArtPanel() override;

  TAlignment AlignmentHorz() const { return alignmentHorz_; }
  virtual void SetAlignmentHorz(TAlignment value);
  TAlignmentVert AlignmentVert() const { return alignmentVert_; }
  virtual void SetAlignmentVert(TAlignmentVert value);
  // Copies `image` into the corner's own image; always repaints.
  virtual void SetEdge(TPanelCorner corner, const QImage& image);
  QImage Edge(TPanelCorner corner) const { return edges_[static_cast<int>(corner)]; }
  virtual void SetEdgesTransparent(bool value);
  bool EdgesTransparent() const { return edgesTransparent_; }
  virtual void SetColorHighlight(TColor value);
  TColor ColorHighlight() const { return colorHighlight_; }
  virtual void SetColorShadow(TColor value);
  TColor ColorShadow() const { return colorShadow_; }

  QImage EdgeTopLeft() const { return Edge(TPanelCorner::TopLeft); }
  void SetEdgeTopLeft(const QImage& image) { SetEdge(TPanelCorner::TopLeft, image); }
  QImage EdgeTopRight() const { return Edge(TPanelCorner::TopRight); }
  void SetEdgeTopRight(const QImage& image) { SetEdge(TPanelCorner::TopRight, image); }
  QImage EdgeBottomLeft() const { return Edge(TPanelCorner::BottomLeft); }
  void SetEdgeBottomLeft(const QImage& image) { SetEdge(TPanelCorner::BottomLeft, image); }
  QImage EdgeBottomRight() const { return Edge(TPanelCorner::BottomRight); }
  void SetEdgeBottomRight(const QImage& image) { SetEdge(TPanelCorner::BottomRight, image); }

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor value);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel value);
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& value);

 signals:
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TAlignment alignmentHorz_ = TAlignment::taCenter;
  TAlignmentVert alignmentVert_ = TAlignmentVert::tavCenter;
  TColor colorHighlight_ = kClBtnHighlight;
  TColor colorShadow_ = kClBtnShadow;
  std::array<QImage, 4> edges_;
  bool edgesTransparent_ = true;
  TColor color_ = kClBtnFace;
  TColor fontColor_ = kClWindowText;
  TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
  TPanelBevel bevelInner_ = TPanelBevel::bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  QString caption_;
};

// Draws a 3-D frame `width` rings deep just inside `rect` and returns the
// rectangle inside the last ring.
QRect DrawFrame3D(QPainter& canvas, QRect rect, const QColor& topColor, const QColor& bottomColor, int width);

}  // namespace rova
