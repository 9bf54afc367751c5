// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include <cstring>

#include "controls/scaled_text.h"
#include "pictures/picture_list.h"

namespace rova::figgen {

const std::vector<Drawer>& AllDrawers() {
  static const std::vector<Drawer> all = [] {
    std::vector<Drawer> v;
    for (const auto* group : {&DrawersSplashAndSymbols(), &DrawersTopics1To9(),
                              &DrawersTopics10To14(), &DrawersTopics15To18(),
                              &DrawersHandbook()}) {
      v.insert(v.end(), group->begin(), group->end());
    }
    return v;
  }();
  return all;
}

QImage DrawPicture(const char* name, int scale) {
  const PictureInfo* info = FindPicture(name);
  if (info == nullptr || scale < 1) return {};
  for (const Drawer& d : AllDrawers()) {
    if (std::strcmp(d.name, name) != 0) continue;
    QImage image(info->width * scale, info->height * scale, QImage::Format_RGB32);
    image.fill(QColor(kGround));
    QPainter painter(&image);
    if (scale == 1) {
      Canvas canvas(painter);
      d.draw(canvas);
      painter.end();
      return image;
    }
    // The drawer paints in 1x coordinates on a device that passes it on at
    // the scale, drawing the window face's text as the windows draw it there.
    painter.scale(scale, scale);
    ScaledTextDevice device(painter, QSize(info->width, info->height));
    QPainter logical(&device);
    Canvas canvas(logical);
    d.draw(canvas);
    logical.end();
    painter.end();
    return image;
  }
  return {};
}

}  // namespace rova::figgen
