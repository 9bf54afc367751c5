// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the controls' own pictures and writes them, with the resource list
// that carries them into the program, to the folder named on the command line.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The background of every strip; the controls leave it out when drawing.
const QColor kKey(0x80, 0x80, 0x00);  // olive: red 128, green 128, blue 0
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kDark(0x80, 0x80, 0x80);
const QColor kLight(0xD4, 0xD0, 0xC8);
const QColor kFaint(0xC0, 0xC0, 0xC0);

void Put(QImage& image, int x, int y, const QColor& c) {
  if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) image.setPixel(x, y, c.rgb());
}

// One box cell of the check-box strip: a sunken 12 x 12 square.
void DrawCheckCell(QImage& image, int left, bool checked, bool enabled, bool grayed) {
  const QColor fill = enabled && !grayed ? kWhite : kLight;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) Put(image, left + x, y, fill);
  for (int i = 0; i < 12; ++i) {
    Put(image, left + i, 0, kDark);
    Put(image, left, i, kDark);
    Put(image, left + i, 11, kWhite);
    Put(image, left + 11, i, kWhite);
  }
  for (int i = 1; i < 11; ++i) {
    Put(image, left + i, 1, kBlack);
    Put(image, left + 1, i, kBlack);
    Put(image, left + i, 10, kLight);
    Put(image, left + 10, i, kLight);
  }
  Put(image, left + 11, 0, kWhite);
  Put(image, left, 11, kWhite);
  if (!checked) return;
  // A tick three pixels thick: down from (3,5) to (5,7), up to (9,3).
  const QColor mark = enabled && !grayed ? kBlack : kDark;
  for (int t = 0; t < 3; ++t) {
    for (int i = 0; i <= 2; ++i) Put(image, left + 3 + i, 5 + i + t, mark);
    for (int i = 1; i <= 4; ++i) Put(image, left + 5 + i, 7 - i + t, mark);
  }
}

// The same box drawn at twice the size for scaled screens: two-pixel bevel
// lines and a tick drawn as a line rather than its pixels doubled.
void DrawCheckCell2x(QImage& image, int left, bool checked, bool enabled, bool grayed) {
  const QColor fill = enabled && !grayed ? kWhite : kLight;
  QPainter p(&image);
  p.fillRect(left, 0, 24, 24, fill);
  p.fillRect(left, 0, 24, 2, kDark);
  p.fillRect(left, 0, 2, 24, kDark);
  p.fillRect(left, 22, 24, 2, kWhite);
  p.fillRect(left + 22, 0, 2, 24, kWhite);
  p.fillRect(left + 2, 2, 20, 2, kBlack);
  p.fillRect(left + 2, 2, 2, 20, kBlack);
  p.fillRect(left + 2, 20, 20, 2, kLight);
  p.fillRect(left + 20, 2, 2, 20, kLight);
  p.fillRect(left + 22, 0, 2, 2, kWhite);
  p.fillRect(left, 22, 2, 2, kWhite);
  if (!checked) return;
  // The tick's centre line: (3,6) down to (5,8), up to (9,4), at 1x pixel centres.
  QPen pen(enabled && !grayed ? kBlack : kDark);
  pen.setWidthF(5.5);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  const QPointF tick[] = {QPointF(left + 7, 13), QPointF(left + 11, 17), QPointF(left + 19, 9)};
  p.drawPolyline(tick, 3);
}

// One cell of the radio strip: a 10 x 10 sunken circle on the key colour.
// g/k: dark grey and black (upper left), W/l: white and light (lower right),
// w: the well, d: the dot of a checked cell.
constexpr const char* kRadioCell[10] = {
    "...gggg...",  //
    ".ggkkkkgg.",  //
    ".gkwwwwlW.",  //
    "gkwwddwwlW",  //
    "gkwddddwlW",  //
    "gkwddddwlW",  //
    "gkwwddwwlW",  //
    ".glwwwwlW.",  //
    ".WWllllWW.",  //
    "...WWWW...",
};

void DrawRadioCell(QImage& image, int left, bool dot, bool enabled) {
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      QColor colour = kKey;
      switch (kRadioCell[y][x]) {
        case 'g': colour = kDark; break;
        case 'k': colour = kBlack; break;
        case 'W': colour = kWhite; break;
        case 'l': colour = kLight; break;
        case 'w': colour = enabled ? kWhite : kLight; break;
        case 'd': colour = dot ? (enabled ? kBlack : kDark) : (enabled ? kWhite : kLight); break;
        default: break;
      }
      Put(image, left + x, y, colour);
    }
  }
}

// The radio cell drawn at twice the size: rings of two pixels round the
// centre, each ring's upper left in its shadow colour and its lower right in
// its light colour, the dot a circle. Every pixel is one of the strip's
// colours, so the key colour leaves a clean edge.
void DrawRadioCell2x(QImage& image, int left, bool dot, bool enabled) {
  constexpr double kCentre = 10.0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const double dx = x + 0.5 - kCentre;
      const double dy = y + 0.5 - kCentre;
      const double distance = std::hypot(dx, dy);
      const bool upperLeft = dx + dy < 0;
      QColor colour = kKey;
      if (distance <= 4.2 && dot) {
        colour = enabled ? kBlack : kDark;
      } else if (distance <= 6.3) {
        colour = enabled ? kWhite : kLight;
      } else if (distance <= 8.2) {
        colour = upperLeft ? kBlack : kLight;
      } else if (distance <= 10.1) {
        colour = upperLeft ? kDark : kWhite;
      }
      Put(image, left + x, y, colour);
    }
  }
}

using CellPainter = std::function<void(QPainter&)>;

// A stock glyph strip: the picture in its colours, then a greyed copy that is
// embossed like disabled text.
// `scale` 2 draws the same picture at twice the size, for scaled screens.
QImage GlyphStrip(int height, const CellPainter& paint, int scale = 1) {
  const int w = 18 * scale;
  const int h = height * scale;
  QImage cell(w, h, QImage::Format_RGB32);
  cell.fill(kKey);
  {
    QPainter p(&cell);
    p.scale(scale, scale);
    paint(p);
  }
  QImage strip(2 * w, h, QImage::Format_RGB32);
  strip.fill(kKey);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QRgb px = cell.pixel(x, y);
      strip.setPixel(x, y, px);
      if (px == kKey.rgb()) continue;
      for (int dy = 1; dy <= scale; ++dy)
        for (int dx = 1; dx <= scale; ++dx) Put(strip, w + x + dx, y + dy, kWhite);
    }
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (cell.pixel(x, y) != kKey.rgb()) strip.setPixel(w + x, y, kDark.rgb());
  // The key colour must stay in the bottom-left corner of each cell.
  strip.setPixel(0, h - 1, kKey.rgb());
  strip.setPixel(w, h - 1, kKey.rgb());
  return strip;
}

void Lines(QPainter& p, const QColor& colour, int width, std::initializer_list<QPoint> points) {
  QPen pen(colour);
  pen.setWidth(width);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  const std::vector<QPoint> v(points);
  for (size_t i = 1; i < v.size(); ++i) p.drawLine(v[i - 1], v[i]);
}

void Tick(QPainter& p, const QColor& colour, int dx) {
  Lines(p, colour, 2, {QPoint(3 + dx, 9), QPoint(6 + dx, 12), QPoint(13 + dx, 5)});
}

void Cross(QPainter& p, const QColor& colour) {
  Lines(p, colour, 2, {QPoint(4, 4), QPoint(13, 13)});
  Lines(p, colour, 2, {QPoint(13, 4), QPoint(4, 13)});
}

struct Picture {
  const char* name;
  QImage image;
};

// Every picture at `scale` 1, or drawn anew at 2 for scaled screens.
std::vector<Picture> AllPictures(int scale) {
  std::vector<Picture> out;

  const auto checkCell = scale == 1 ? DrawCheckCell : DrawCheckCell2x;
  QImage check(48 * scale, 12 * scale, QImage::Format_RGB32);
  check.fill(kKey);
  checkCell(check, 0, false, true, false);
  checkCell(check, 12 * scale, true, true, false);
  checkCell(check, 24 * scale, false, false, false);
  checkCell(check, 36 * scale, true, true, true);
  out.push_back({"DEFCHK", check});

  const auto radioCell = scale == 1 ? DrawRadioCell : DrawRadioCell2x;
  QImage radio(40 * scale, 10 * scale, QImage::Format_RGB32);
  radio.fill(kKey);
  radioCell(radio, 0, false, true);
  radioCell(radio, 10 * scale, true, true);
  radioCell(radio, 20 * scale, false, false);
  radioCell(radio, 30 * scale, true, false);
  out.push_back({"AMRADIO", radio});

  const QColor green(0, 128, 0);
  const QColor red(192, 0, 0);
  const QColor blue(0, 0, 160);
  out.push_back({"LBOK", GlyphStrip(18, [&](QPainter& p) { Tick(p, green, 0); }, scale)});
  out.push_back({"LBCANCEL", GlyphStrip(18, [&](QPainter& p) { Cross(p, red); }, scale)});
  out.push_back({"LBHELP", GlyphStrip(18, [&](QPainter& p) {
                   Lines(p, blue, 2, {QPoint(5, 5), QPoint(7, 3), QPoint(11, 3), QPoint(12, 5), QPoint(12, 7),
                                      QPoint(9, 9), QPoint(9, 11)});
                   p.fillRect(8, 13, 2, 2, blue);
                 }, scale)});
  out.push_back({"LBYES", GlyphStrip(18, [&](QPainter& p) { Tick(p, blue, 0); }, scale)});
  out.push_back({"LBNO", GlyphStrip(18, [&](QPainter& p) {
                   Lines(p, red, 2, {QPoint(5, 3), QPoint(12, 3), QPoint(14, 5), QPoint(14, 12), QPoint(12, 14),
                                     QPoint(5, 14), QPoint(3, 12), QPoint(3, 5), QPoint(5, 3)});
                   Lines(p, red, 2, {QPoint(5, 12), QPoint(12, 5)});
                 }, scale)});
  out.push_back({"LBCLOSE", GlyphStrip(18, [&](QPainter& p) {
                   p.fillRect(4, 2, 9, 14, QColor(128, 64, 0));
                   p.fillRect(6, 4, 5, 10, QColor(255, 255, 160));
                   p.fillRect(9, 8, 2, 2, kBlack);
                 }, scale)});
  out.push_back({"LBABORT", GlyphStrip(18, [&](QPainter& p) {
                   p.fillRect(3, 3, 12, 12, red);
                   Lines(p, kWhite, 2, {QPoint(6, 9), QPoint(11, 9)});
                 }, scale)});
  out.push_back({"LBRETRY", GlyphStrip(18, [&](QPainter& p) {
                   Lines(p, green, 2, {QPoint(13, 6), QPoint(11, 4), QPoint(6, 4), QPoint(4, 6), QPoint(4, 11),
                                       QPoint(6, 13), QPoint(11, 13), QPoint(13, 11)});
                   Lines(p, green, 2, {QPoint(13, 2), QPoint(13, 6), QPoint(9, 6)});
                 }, scale)});
  out.push_back({"LBIGNORE", GlyphStrip(18, [&](QPainter& p) {
                   Lines(p, blue, 2, {QPoint(3, 9), QPoint(13, 9)});
                   Lines(p, blue, 2, {QPoint(10, 6), QPoint(13, 9), QPoint(10, 12)});
                 }, scale)});
  out.push_back({"LBALL", GlyphStrip(19, [&](QPainter& p) {
                   Tick(p, green, -1);
                   Lines(p, green, 2, {QPoint(2, 13), QPoint(5, 16), QPoint(14, 7)});
                 }, scale)});

  QImage arrow(5 * scale, 3 * scale, QImage::Format_RGB32);
  arrow.fill(kKey);
  // A triangle pointing down, one row narrower on each side per row.
  for (int y = 0; 2 * y < arrow.width(); ++y)
    for (int x = y; x < arrow.width() - y; ++x) arrow.setPixel(x, y, kBlack.rgb());
  out.push_back({"LBARROW", arrow});
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  // NAME@2x.png beside NAME.png, the usual Qt way: loaded with a ratio of 2.
  // Their resource list is a second one, compiled apart, so that a 1x
  // screen never maps a page of them.
  for (const int scale : {1, 2}) {
    QFile qrc(QDir(folder).filePath(scale == 1 ? QStringLiteral("control_bitmaps.qrc")
                                               : QStringLiteral("control_bitmaps_2x.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      std::fprintf(stderr, "cannot write the resource list\n");
      return 1;
    }
    QTextStream list(&qrc);
    list << "<RCC>\n  <qresource prefix=\"/controls\">\n";
    for (const Picture& picture : AllPictures(scale)) {
      const QString file =
          QString::fromLatin1(picture.name) + (scale == 1 ? QString() : QStringLiteral("@2x")) + QStringLiteral(".png");
      if (!picture.image.save(QDir(folder).filePath(file), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
      }
      list << "    <file>" << file << "</file>\n";
    }
    list << "  </qresource>\n</RCC>\n";
    list.flush();
    if (list.status() != QTextStream::Ok) return 1;
  }
  return 0;
}
