// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

namespace rova {

// Horizontal placement of a caption, in the order the window descriptions number it.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// The text-drawing flag for a caption placement.
constexpr int HorizontalAlignmentFlag(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taLeftJustify:
      return Qt::AlignLeft;
    case TAlignment::taRightJustify:
      return Qt::AlignRight;
    case TAlignment::taCenter:
      break;
  }
  return Qt::AlignHCenter;
}

}  // namespace rova
