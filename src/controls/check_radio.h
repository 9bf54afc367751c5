// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFlags>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "controls/alignment.h"
#include "controls/lb_color.h"

class QFont;

namespace rova {

class TAMCbRbHost;

enum class TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
using TFontStyles = QFlags<TFontStyle>;

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// Caption colour and style for one state of the host's controls.
class TFontPA : public QObject {
  Q_OBJECT
  Q_PROPERTY(rova::TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(rova::TFontStyles Style READ Style WRITE SetStyle)

 public:
  TFontPA(TAMCbRbHost* host, TColor color);

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  TAMCbRbHost* Host() const;

  // `font` with this style applied.
  QFont Apply(const QFont& font) const;

 private:
  TColor color_;
  TFontStyles style_;
};

// The box pictures and caption colours shared by radio buttons and check
// boxes, possibly on several windows. Owned by one window; it must outlive
// the controls of other windows that name it (those that do not outlive it
// fall back to the hostless look).
class TAMCbRbHost : public QObject {
  Q_OBJECT
  Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
  Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
  Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
  Q_PROPERTY(rova::TColor TransparentColor READ TransparentColor WRITE SetTransparentColor)

 public:
  explicit TAMCbRbHost(QObject* owner = nullptr);

  QImage Glyph() const { return glyph_; }
  // An empty image brings back the "DEFCHK" strip.
  void SetGlyph(const QImage& value);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor value);
  TFontPA* FontActive() const { return fontActive_; }
  TFontPA* FontInactive() const { return fontInactive_; }

  // Cell `index` of the strip (w = strip width div NumGlyphs), in logical
  // pixels; on a screen of `scale` above 1 a stock strip's cell comes from
  // its copy drawn at twice the size.
  QSize CellSize() const;
  QImage Cell(int index, double scale = 1.0) const;

  // Repaints the controls of the owning window that use this host.
  void RepaintClients();

 private:
  QImage glyph_;
  int numGlyphs_ = 4;
  int margin_ = 7;
  TColor transparentColor_ = kClOlive;
  TFontPA* fontActive_;
  TFontPA* fontInactive_;
};

// Painting and input shared by the radio button and the check box.
class TAMCbRbBase : public QWidget {
  Q_OBJECT
  Q_PROPERTY(rova::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(rova::TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(rova::TColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(int Tab READ Tab WRITE SetTab)

 public:
  ~TAMCbRbBase() override;

  // taLeftJustify: box on the left; taRightJustify: box on the right.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& value);
  TColor Color() const;
  void SetColor(TColor value);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor value);
  int Tab() const { return tab_; }
  void SetTab(int value);
  TAMCbRbHost* Host() const { return host_; }
  virtual void SetHost(TAMCbRbHost* host) = 0;
  bool Checked() const { return checked_; }

  bool Hot() const { return hot_; }
  // The cell of the host's strip the box shows now.
  virtual int CellIndex() const = 0;
  // What the next paint draws.
  // `scale`: device pixels to a logical pixel of the screen it is for.
  QImage Render(double scale = 1.0) const;

  // Clicks the control as its own input does.
  virtual void Click() = 0;

  // The labels beside the control that say what it chooses; its focus mark
  // goes round them rather than round the box.
  void SetCaptionLabels(const QList<QWidget*>& labels);

 signals:
  void OnClick();
  void OnDblClick();
  void OnMouseEnter();
  void OnMouseLeave();

 protected:
  explicit TAMCbRbBase(QWidget* parent);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

  void StoreHost(TAMCbRbHost* host) { host_ = host; }
  bool checked_ = false;

 private:
  void UpdateAcceleratorShortcut();

  TAlignment alignment_ = TAlignment::taLeftJustify;
  QString caption_;
  TColor color_ = kClBtnFace;
  bool parentColor_ = true;
  TColor fontColor_ = kClWindowText;
  int tab_ = 2;
  QPointer<TAMCbRbHost> host_;
  QPointer<QWidget> captionFocusFrame_;
  bool hot_ = false;
  bool leftPressed_ = false;
  int acceleratorShortcut_ = 0;
};

// A radio button whose group is its parent: checking one unchecks the other
// radio buttons placed on the same parent.
//
// The group is one stop for Tab, as on every desktop: the checked button, or
// the first in reading order while none is; the arrow keys move through the
// group and check the button they reach.
class TAMRadioButton : public TAMCbRbBase {
  Q_OBJECT
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)

 public:
  explicit TAMRadioButton(QWidget* parent = nullptr);

  void SetChecked(bool value);
  void SetHost(TAMCbRbHost* host) override;
  int CellIndex() const override;
  void Click() override;

  // The radio buttons of this one's group, in reading order (top to bottom,
  // left to right).
  QList<TAMRadioButton*> Group() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Makes the group's one Tab stop the checked button, or the first.
  void UpdateGroupTabStop();
};

// A check box, optionally three-state (AllowGrayed).
class TAMCheckBox : public TAMCbRbBase {
  Q_OBJECT
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
  Q_PROPERTY(rova::TCheckBoxState State READ State WRITE SetState)
  Q_PROPERTY(bool AllowGrayed READ AllowGrayed WRITE SetAllowGrayed)

 public:
  explicit TAMCheckBox(QWidget* parent = nullptr);

  void SetChecked(bool value);
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value);
  void SetHost(TAMCbRbHost* host) override;
  int CellIndex() const override;
  void Click() override;

 private:
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
  bool allowGrayed_ = false;
};

}  // namespace rova

Q_DECLARE_OPERATORS_FOR_FLAGS(rova::TFontStyles)
