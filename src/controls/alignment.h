#pragma once

namespace rova {

// Horizontal placement of a caption, in the order the window descriptions number it.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

}  // namespace rova
