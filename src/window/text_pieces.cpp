// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/text_pieces.h"

#include <QLabel>
#include <QPixmap>
#include <QShowEvent>

#include "controls/control_accessibility.h"
#include "controls/program_fonts.h"
#include "pictures/picture_library.h"
#include "window/spoken_text.h"
#include "window/window_frame.h"

namespace rova {

namespace {

constexpr int kLargePixelSize = 16;
// The window face has no glyphs that tall; the scalable face draws them.
constexpr int kTallPixelSize = 24;

}  // namespace

QFont PieceFont(PieceFace face) {
  switch (face) {
    case PieceFace::Sans:
      return SansFont();
    case PieceFace::SansBold:
      return SansFont(11, true);
    case PieceFace::Mark:
      return SerifMarkFont();
    case PieceFace::Large:
      // The sans face offers only its 11-pixel strike at every size.
      return TahomaFont(kLargePixelSize, false);
    case PieceFace::Tall:
      return TallFont();
  }
  return SansFont();
}

namespace {

// A picture decoded while its window is seen: a hidden window keeps only the
// picture's name, and the pixels come back when it is shown again. A scaled
// screen gets the copy drawn for it; a 1x screen never decodes that copy.
class PictureLabel : public QLabel {
 public:
  PictureLabel(QWidget* parent, const QString& name) : QLabel(parent), name_(name) {
    setObjectName(name);
    Load();
  }

 protected:
  void showEvent(QShowEvent* event) override {
    if (pixmap().isNull()) Load();
    QLabel::showEvent(event);
  }
  void hideEvent(QHideEvent* event) override {
    QLabel::hideEvent(event);
    if (!window()->isVisible()) setPixmap(QPixmap());
  }
  void paintEvent(QPaintEvent* event) override {
    // The window may have moved to a screen of another scale.
    if (!pixmap().isNull() && loadedScale_ != devicePixelRatioF()) Load();
    QLabel::paintEvent(event);
  }

 private:
  void Load() {
    loadedScale_ = devicePixelRatioF();
    try {
      setPixmap(QPixmap::fromImage(loadedScale_ == 1.0 ? LoadPicture(name_) : LoadPictureForScale(name_, loadedScale_)));
    } catch (const PictureError&) {
      // An empty place is better than a window that cannot open.
    }
  }
  QString name_;
  qreal loadedScale_ = 1.0;
};

}  // namespace

QFont TallFont() { return TahomaFont(kTallPixelSize, false); }

PlacedPieces PlacePieces(QWidget* parent, const PieceBlock& block) {
  PlacedPieces placed;
  for (const TextPiece& piece : block.texts) {
    QLabel* label = AddLabel(parent, piece.x, piece.y, piece.text, PieceFont(piece.face));
    label->setAttribute(Qt::WA_TranslucentBackground);
    placed.labels.append(label);
  }
  for (const PicturePiece& piece : block.pictures) {
    auto* picture = new PictureLabel(parent, piece.pictureName);
    picture->move(piece.x, piece.y);
    picture->adjustSize();
    placed.pictures.append(picture);
  }
  // A screen reader reads each formula as one plain line.
  const SpokenBlock spoken = SpeakPieces(block);
  for (qsizetype i = 0; i < placed.labels.size(); ++i) {
    QLabel* label = placed.labels[i];
    if (spoken.texts[i].isEmpty())
      ReadWithAnotherLabel(label);
    else if (spoken.texts[i] != label->text())
      label->setAccessibleName(spoken.texts[i]);
  }
  for (qsizetype i = 0; i < placed.pictures.size(); ++i) {
    if (spoken.picturesReadWithText[i]) ReadWithAnotherLabel(placed.pictures[i]);
  }
  return placed;
}

QString SpokenText(const QLabel& label) {
  if (IsReadWithAnotherLabel(label)) return {};
  return label.accessibleName().isEmpty() ? label.text() : label.accessibleName();
}

}  // namespace rova
