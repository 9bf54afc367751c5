// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every picture of the program, decoded from the resources, onto one
// labelled sheet for people to check against what each must show.
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

#include "controls/program_fonts.h"
#include "pictures/picture_library.h"
#include "pictures/picture_list.h"
#include "temp_dir.h"

namespace rova {
namespace {

constexpr int kSheetWidth = 1000;
constexpr int kGap = 12;
constexpr int kCaption = 16;
constexpr int kMinCellWidth = 110;  // room for the caption

TEST(ContactSheet, showsEveryPictureWithItsNameAndSize) {
  std::vector<QImage> images;
  for (const PictureInfo& info : AllPictures()) {
    ASSERT_NO_THROW(images.push_back(LoadPicture(QLatin1String(info.name)))) << info.name;
  }

  // Left to right, wrapping into rows as tall as their tallest picture.
  std::vector<QPoint> places;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const QImage& image : images) {
    const int width = std::max(image.width(), kMinCellWidth);
    if (x + width + kGap > kSheetWidth) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    places.emplace_back(x, y);
    x += width + kGap;
    rowHeight = std::max(rowHeight, image.height() + kCaption);
  }

  QImage sheet(kSheetWidth, y + rowHeight + kGap, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter p(&sheet);
  p.setFont(SansFont(11));
  p.setPen(Qt::darkBlue);
  for (std::size_t i = 0; i < images.size(); ++i) {
    const PictureInfo& info = AllPictures()[i];
    p.drawText(places[i] + QPoint(0, 11),
               QStringLiteral("%1 %2x%3").arg(QLatin1String(info.name)).arg(info.width).arg(info.height));
    p.drawImage(places[i] + QPoint(0, kCaption), images[i]);
  }
  p.end();

  const QString dir = testing::ArtifactDir();
  ASSERT_TRUE(sheet.save(dir + QStringLiteral("/pictures_contact_sheet.png")));
  ASSERT_TRUE(sheet.scaled(sheet.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                  .save(dir + QStringLiteral("/pictures_contact_sheet_3x.png")));
}

// The splash as the window shows it: the picture at (1, 1) in a blue-edged
// panel with the two title labels drawn over it.
TEST(ContactSheet, showsTheSplashUnderItsTitles) {
  QImage window(402, 302, QImage::Format_RGB32);
  window.fill(QColor(132, 146, 181));
  QPainter p(&window);
  p.drawImage(1, 1, LoadPicture(QStringLiteral("splash")));
  p.setPen(Qt::black);
  const QFont title = TahomaFont(29, true);
  p.setFont(title);
  p.drawText(146, 91 + QFontMetrics(title).ascent(), QStringLiteral("ROVA 2004"));
  const QFont subtitle = TahomaFont(11, true);
  p.setFont(subtitle);
  p.drawText(149, 121 + QFontMetrics(subtitle).ascent(), QStringLiteral("Matematikos kurso kartojimas"));
  p.end();
  ASSERT_TRUE(window.save(testing::ArtifactDir() + QStringLiteral("/pictures_splash_with_titles.png")));
}

}  // namespace
}  // namespace rova
