#include "window/text_pieces.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "controls/control_text.h"

#include "controls/program_fonts.h"
#include "pictures/picture_library.h"
#include "window/window_frame.h"

namespace rova {

namespace {

constexpr int kLargePixelSize = 16;

QFont FontOf(PieceFace face) {
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
  }
  return SansFont();
}

// A label whose bold text keeps its weight in a face without a bold strike.
class BoldLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter canvas(this);
    canvas.setFont(font());
    canvas.setPen(palette().color(QPalette::WindowText));
    DrawCaption(canvas, rect(), Qt::AlignLeft | Qt::AlignTop, text());
  }
};

QLabel* MakeLabel(QWidget* parent, const TextPiece& piece) {
  if (piece.face != PieceFace::SansBold) return AddLabel(parent, piece.x, piece.y, piece.text, FontOf(piece.face));
  QLabel* label = PlaceLabel(new BoldLabel(piece.text, parent), piece.x, piece.y, FontOf(piece.face));
  label->resize(QFontMetrics(DrawnFont(label->font())).horizontalAdvance(piece.text) + 1, label->height());
  return label;
}

}  // namespace

PlacedPieces PlacePieces(QWidget* parent, const PieceBlock& block) {
  PlacedPieces placed;
  for (const TextPiece& piece : block.texts) {
    QLabel* label = MakeLabel(parent, piece);
    label->setAttribute(Qt::WA_TranslucentBackground);
    placed.labels.append(label);
  }
  for (const PicturePiece& piece : block.pictures) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(piece.pictureName);
    try {
      picture->setPixmap(QPixmap::fromImage(LoadPicture(piece.pictureName)));
    } catch (const PictureError&) {
      // An empty place is better than a window that cannot open.
    }
    picture->move(piece.x, piece.y);
    picture->adjustSize();
    placed.pictures.append(picture);
  }
  return placed;
}

}  // namespace rova
