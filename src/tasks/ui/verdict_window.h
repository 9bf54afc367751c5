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

// Instead of a verdict, when the answer would be right with a comma for its
// decimal point: how decimal fractions are written, the pupil's number as it
// must be written, and that this check is not counted. "Grįžti" closes it.
class TDecimalCommaNotice : public MessageWindow {
  Q_OBJECT
 public:
  TDecimalCommaNotice();
  // Shows the notice modally with `number` ("2,9") in its second line.
  void ShowFor(const QString& number);
};

inline const QString kRightVerdict = QStringLiteral(" ATSAKYMAS TEISINGAS!!!");
inline const QString kWrongVerdict = QStringLiteral("ATSAKYMAS NETEISINGAS!!!");

extern TForm6* Form6;
extern TForm7* Form7;
extern TDecimalCommaNotice* DecimalCommaNotice;

}  // namespace rova
