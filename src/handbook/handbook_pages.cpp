// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_page.h"

namespace rova {

extern const HandbookPage kHandbookPage1, kHandbookPage2, kHandbookPage3, kHandbookPage4, kHandbookPage5,
    kHandbookPage6, kHandbookPage7, kHandbookPage8, kHandbookPage9, kHandbookPage10, kHandbookPage11,
    kHandbookPage12, kHandbookPage13, kHandbookPage14, kHandbookPage15, kHandbookPage16, kHandbookPage17,
    kHandbookPage18;

const std::vector<const HandbookPage*>& HandbookPages() {
  static const std::vector<const HandbookPage*> pages = {
      &kHandbookPage1,  &kHandbookPage2,  &kHandbookPage3,  &kHandbookPage4,  &kHandbookPage5,  &kHandbookPage6,
      &kHandbookPage7,  &kHandbookPage8,  &kHandbookPage9,  &kHandbookPage10, &kHandbookPage11, &kHandbookPage12,
      &kHandbookPage13, &kHandbookPage14, &kHandbookPage15, &kHandbookPage16, &kHandbookPage17, &kHandbookPage18,
  };
  return pages;
}

PieceBlock LayOutGroup(const HandbookGroup& group) {
  PieceBlock block;
  for (const FormulaText& text : group.texts) LayOutFormulaText(text, block);
  block.pictures = group.pictures;
  return block;
}

}  // namespace rova
