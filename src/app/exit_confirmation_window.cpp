// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exit_confirmation_window.h"

#include "app/main_window.h"

namespace rova {

TForm4* Form4 = nullptr;

TForm4::TForm4()
    : MessageWindow({275,
                     107,
                     {{QStringLiteral("Ar norite uždaryti programą, ar grįžti į ankstesnį langą?"), 10, 24}},
                     {{1, QStringLiteral("Grįžti į ankstesnį langą"), QRect(14, 56, 119, 25)},
                      {2, QStringLiteral("Išeiti iš programos"), QRect(138, 56, 119, 25)}}}) {}

void TForm4::LbSpeedButton2Click() {
  Close();
  Form2->Close();
}

}  // namespace rova
