// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

namespace rova::help {

// One section of the guide: a title for the list of contents, the anchor it
// is reached by, and its body in simple HTML.
struct GuideSection {
  QString anchor;
  QString title;
  QString body;
};

// The sections in the order a pupil meets the program.
const std::vector<GuideSection>& GuideSections();

// The whole guide as one HTML page, every section headed by its anchor.
QString GuideDocument();

}  // namespace rova::help
