// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

#include "figure_canvas.h"

namespace rova::figgen {

using DrawFunction = void (*)(Canvas&);

// A drawing function for one picture of the program's list, by name.
struct Drawer {
  const char* name;
  DrawFunction draw;
};

// Every drawing function, one per picture.
const std::vector<Drawer>& AllDrawers();

// Draws the named picture at its listed size times `scale` on the figures'
// ground: every drawer draws in the listed size's coordinates, and at 2 the
// lines, text and shading are drawn at twice the detail, not enlarged.
// Returns a null image for a name that is not in the list or has no drawer.
QImage DrawPicture(const char* name, int scale = 1);

// The cells of task 4-1's 10 x 10 grid that are shaded, as (column, row).
std::vector<QPoint> ShadedCells_4_1();

// Pictures by group, each file drawing its own.
const std::vector<Drawer>& DrawersTopics1To9();
const std::vector<Drawer>& DrawersTopics10To14();
const std::vector<Drawer>& DrawersTopics15To18();
const std::vector<Drawer>& DrawersSplashAndSymbols();
const std::vector<Drawer>& DrawersHandbook();

}  // namespace rova::figgen
