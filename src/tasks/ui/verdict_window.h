// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/message_window.h"

namespace rova {

// The verdict windows of a check, identical but for their text: 291 x 115,
// the verdict centred in large letters, "Grįžti", which closes the window.
// A screen reader is told the verdict as the window opens.

// TForm6: the answer is right.
class TForm6 : public MessageWindow {
  Q_OBJECT
 public:
  TForm6();
};

// TForm7: the answer is wrong.
class TForm7 : public MessageWindow {
  Q_OBJECT
 public:
  TForm7();
};

inline const QString kRightVerdict = QStringLiteral(" ATSAKYMAS TEISINGAS!!!");
inline const QString kWrongVerdict = QStringLiteral("ATSAKYMAS NETEISINGAS!!!");

extern TForm6* Form6;
extern TForm7* Form7;

}  // namespace rova
