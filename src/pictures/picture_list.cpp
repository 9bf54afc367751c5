// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_list.h"

#include <cstring>

namespace rova {

const std::vector<PictureInfo>& AllPictures() {
  static const std::vector<PictureInfo> pictures = {
      {"splash", 400, 300,
       "light grey ground with a frame, a square logo mark top left, a band of thin lines top "
       "right and a dark rule below the middle; plain where the title labels go"},
      {"fig_1_1", 109, 107, "circle cut by four diameters into 8 equal sectors, two opposite shaded"},
      {"fig_2_4", 137, 81,
       "plan of a playground: shaded rectangle with a circle in the middle and a half circle at "
       "each short side; \"32 mm\" at the right side, \"56 mm\" under the lower side"},
      {"fig_4_1", 141, 141,
       "10 x 10 grid; top row, bottom row and a two-cell diagonal band from top right to bottom "
       "left shaded, 36 cells"},
      {"fig_9_1", 108, 123,
       "axes x, y, marks 0 and 1; curve y = f(x) falling steeply from the upper left, through 1 "
       "on the y axis, flattening to the right"},
      {"fig_9_2", 108, 106,
       "axes x, y, marks 0, 1, 4; curve y = g(x) from a filled end at x = -2 below the x axis, "
       "through the origin, to a filled end at x = 4 above the level 1"},
      {"fig_9_3a", 74, 64, "A: axes; V-shaped broken line with its vertex on the y axis above 0"},
      {"fig_9_3b", 73, 64, "B: axes; horizontal line above the x axis"},
      {"fig_9_3c", 73, 64, "C: axes; level, rising through the origin, level again"},
      {"fig_9_3d", 73, 64,
       "D: axes; two rays from one point on the positive x axis, up right and down right"},
      {"fig_9_4", 153, 93,
       "axes; marks -2, -1, 1, 2 on x and 1, -1 on y; broken line y = f(x) from a filled "
       "(-2; -1) up to (0; 1) and down to a filled (2; -1)"},
      {"fig_10_1", 81, 111, "axes; line through the origin and (1; 2); marks 1 on x, 2 on y"},
      {"fig_10_4", 143, 169,
       "parabola with vertex at the origin through (+-1; 1), (+-3; 9); marks -3, -1, 1, 3 on x "
       "and 1, 4, 9 on y"},
      {"fig_10_5", 113, 145,
       "downward parabola, vertex (-2; 2), cutting the y axis at -6; marks -3, -2, -1, 1 on x "
       "and 1, 2, -6 on y"},
      {"fig_13_1", 90, 67, "two rays from one point; reflex angle 320 degrees, the angle x between them"},
      {"fig_13_2", 76, 140,
       "plank leaning on a wall; 68 degrees between plank and floor on the wall's side, x on the "
       "other side"},
      {"fig_13_3", 145, 105, "lines a and b cut by a transversal; 72 and 108 degrees at the crossings"},
      {"fig_13_4", 145, 74, "parallel lines a and b and a transversal; 104 degrees at b, y at a"},
      {"fig_13_5", 151, 89,
       "parallel lines a and b joined by a broken line; 45 and 30 degrees, x between them"},
      {"fig_14_1", 143, 63,
       "triangle on a base line; exterior angle 130 degrees at the left, 80 at the top, x at "
       "the right"},
      {"fig_14_2", 111, 79,
       "supports AE and A1E meeting at E; slats AA1, BB1, CC1, DD1 equally spaced from E"},
      {"fig_14_3", 67, 34,
       "isosceles triangle on its apex, equal sides marked, 32 degrees at a top vertex, x at "
       "the apex"},
      {"fig_14_4", 92, 65, "triangle with sides 2 cm and 3 cm enclosing 64 degrees; third side x"},
      {"fig_14_5", 126, 65,
       "house on the left, 55 m along the ground, angle of elevation 20 degrees at the viewer"},
      {"fig_15_1", 142, 49, "parallelogram with base 8 cm and the height 3 cm drawn"},
      {"fig_15_3", 75, 49,
       "two equal squares, the second turned 45 degrees with a vertex at the first one's "
       "centre; overlap shaded"},
      {"fig_15_4", 299, 87,
       "20 cm x 20 cm square cut along a diagonal; flowered 20 cm x 40 cm rectangle with the "
       "halves sewn on at opposite corners"},
      {"fig_15_5", 127, 56,
       "parallelogram ABCD; shaded triangle on AD with its third vertex on BC"},
      {"fig_16_1", 128, 68,
       "track of two straight parts and two half circles; radius 63 m drawn; straight part "
       "marked ?"},
      {"fig_16_2", 137, 82, "circular sector; both radii 3 cm, arc pi cm, angle x"},
      {"fig_16_3", 86, 90, "circle; central angle 120 degrees and inscribed angle x on the same arc"},
      {"fig_16_4", 141, 93,
       "triangle in a circle, its longest side through the centre; the other sides 6 cm and "
       "8 cm"},
      {"fig_16_5", 121, 113,
       "circle with centre O; tangents from K touching at L and M, 80 degrees at K; chord LM; "
       "x = angle OML"},
      {"fig_17_1", 96, 152,
       "fir tree of three equal triangles stacked on one vertical line that halves them; "
       "equal-part and right-angle marks"},
      {"fig_17_2", 125, 113,
       "triangle ABC with AB = 2x; triangle A1B1C1 with x + 6, 3x - 1 and 4x - 5 (A1C1)"},
      {"fig_17_3", 192, 136,
       "angle BAC with bisector AD; DB and DC perpendicular to the sides"},
      {"fig_17_4", 108, 70, "quadrilateral ABCD; AB, AD, BD, BC each 4 cm; 63 degrees at C"},
      {"fig_17_5", 85, 101, "regular hexagon ABCDEF with the triangle BDF"},
      {"fig_18_1", 133, 84,
       "triangle ABC, E on AC, D on BC, ED parallel to AB; AE = 8, EC = 4, AB = 9, ED = x"},
      {"fig_18_4", 101, 66, "right triangle ABC, right angle at C, perpendicular CD to AB"},
      {"fig_18_5", 181, 71,
       "triangle ADE, B on AD, C on AE, BC parallel to DE; AB and BD marked equal; ABC shaded"},
      {"sym_element_of", 6, 7, "the element-of sign"},
      {"sym_brace", 7, 30, "a left curly brace over two lines"},
      {"sym_pi", 6, 6, "the letter pi"},
      {"sym_triangle", 7, 9, "a triangle sign"},
      {"sym_similar", 8, 4, "the similarity sign, a tilde"},
      {"hb_3_1", 190, 130, "a power a to the n with its base and exponent named; 2 to the 5th written out"},
      {"hb_3_2", 190, 130, "a square root sign over a with the sign and the radicand named; root of 49 is 7"},
      {"hb_10_1", 228, 276, "four small graphs: y = kx + b, y = x squared, y = k/x, y = root of x"},
      {"hb_13_1", 240, 100, "acute, right, obtuse and straight angles, named"},
      {"hb_13_2", 120, 100, "adjacent angles alpha and beta on a line, alpha + beta = 180 degrees"},
      {"hb_13_3", 108, 100, "two crossing lines, the vertical angles alpha marked"},
      {"hb_13_4", 136, 110, "parallel lines a and b cut by c; angles 1 to 4 at a, 5 to 8 at b"},
      {"hb_14_1", 280, 200,
       "triangle ABC with altitude h, median m and bisector ℓ; a right triangle with legs a, b, hypotenuse c and "
       "the angle A opposite a"},
      {"hb_15_1", 300, 56, "a convex quadrilateral with its diagonals and a non-convex one, named"},
      {"hb_15_2", 78, 280, "square, rectangle, parallelogram with h, rhombus with d1 and d2, trapezium with a, b, h"},
      {"hb_16_1", 190, 150, "circle with centre O, radius r, diameter d and a chord"},
      {"hb_16_2", 200, 60, "circle and a line farther from O than r"},
      {"hb_16_3", 200, 60, "circle and a tangent at the distance r"},
      {"hb_16_4", 200, 60, "circle and a secant nearer than r, two common points"},
      {"hb_17_1", 170, 80, "congruent triangles ABC and A1B1C1, equal sides marked alike"},
      {"hb_17_2", 400, 92, "the three tests of congruence: two sides and the angle, a side and two angles, three sides"},
      {"hb_18_1", 150, 80, "similar triangles ABC and A1B1C1 with equal angles marked"},
      {"hb_18_2", 200, 92, "squares of sides a and 2a: the area four times larger"},
      {"hb_18_3", 200, 92, "cubes of edges a and 2a: the volume eight times larger"},
      {"hb_quadrilaterals", 439, 317,
       "quadrilaterals, then trapezia and parallelograms, then rectangles and rhombi, then squares, "
       "each kind framed with a drawing and what sets it apart; the kinds of trapezia"},
  };
  return pictures;
}

const PictureInfo* FindPicture(const char* name) {
  for (const PictureInfo& p : AllPictures()) {
    if (std::strcmp(p.name, name) == 0) return &p;
  }
  return nullptr;
}

}  // namespace rova
