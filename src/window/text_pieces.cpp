#include "window/text_pieces.h"

#include <QLabel>
#include <QPixmap>

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

}  // namespace

PlacedPieces PlacePieces(QWidget* parent, const PieceBlock& block) {
  PlacedPieces placed;
  for (const TextPiece& piece : block.texts) {
    QLabel* label = AddLabel(parent, piece.x, piece.y, piece.text, FontOf(piece.face));
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
