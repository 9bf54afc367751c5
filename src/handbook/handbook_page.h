// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <vector>

#include "handbook/formula_text.h"
#include "window/text_pieces.h"

namespace rova {

// What one group of a handbook page holds: its blocks of text with their
// formulas, and its figures, at their places in the group.
struct HandbookGroup {
  QList<FormulaText> texts;
  QList<PicturePiece> pictures;
};

// One page of the handbook. Every page has a definitions group; a page with
// a formulas group shows the two side by side.
struct HandbookPage {
  int topic = 0;
  QString indexCaption;      // "1. Skaičiai. Skaičių dalumas", its button in the index
  QString title;             // after "ROVA 2004 - Žinynas - "
  QString backButtonName;    // the component name of its "Grįžti" button
  HandbookGroup definitions;
  std::optional<HandbookGroup> formulas;
  bool opensSubPage = false;  // the quadrilaterals' classification below the definitions
};

// The 18 pages in the order of the course, one data file each.
const std::vector<const HandbookPage*>& HandbookPages();

// The labels and pictures of one group, ready to place.
PieceBlock LayOutGroup(const HandbookGroup& group);

}  // namespace rova
