// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include <cstring>

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

QImage DrawPicture(const char* name) {
  const PictureInfo* info = FindPicture(name);
  if (info == nullptr) return {};
  for (const Drawer& d : AllDrawers()) {
    if (std::strcmp(d.name, name) != 0) continue;
    QImage image(info->width, info->height, QImage::Format_RGB32);
    image.fill(QColor(kGround));
    QPainter painter(&image);
    Canvas canvas(painter);
    d.draw(canvas);
    painter.end();
    return image;
  }
  return {};
}

}  // namespace rova::figgen
