// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace rova {

// One picture of the program: its resource name, its natural size and, for
// the people who redraw it, what it has to show.
struct PictureInfo {
  const char* name;
  int width;
  int height;
  const char* shows;
};

// Every picture the program carries, in the order of the course.
const std::vector<PictureInfo>& AllPictures();

// The entry for `name`, or nullptr when the program has no such picture.
const PictureInfo* FindPicture(const char* name);

}  // namespace rova
