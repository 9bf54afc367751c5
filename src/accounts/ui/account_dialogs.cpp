// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/ui/account_dialogs.h"

#include <QLabel>

#include "window/window_frame.h"
#include "controls/art_panel.h"
#include "controls/lb_speed_button.h"

namespace rova {

TForm121* Form121 = nullptr;
TForm122* Form122 = nullptr;
TForm123* Form123 = nullptr;
TForm124* Form124 = nullptr;
TForm125* Form125 = nullptr;
TRefusedNameDialog* RefusedNameDialog = nullptr;

namespace {

constexpr int kWidth = 275;
constexpr int kTwoLineHeight = 107;
constexpr int kOneLineHeight = 91;
constexpr int kGeraiX = 90;
constexpr int kTwoLineGeraiY = 64;
constexpr int kOneLineGeraiY = 48;

}  // namespace

AccountMessageDialog::AccountMessageDialog(int clientHeight, const std::vector<DialogLine>& lines, int geraiY)
    : ProgramWindow(Kind::Message), clientHeight_(clientHeight), lines_(lines), geraiY_(geraiY) {
  SetClientSize(kWidth, clientHeight);
}

void AccountMessageDialog::BuildContents() {
  ArtPanel1 = BuildSmallWindowFrame(this, kWidth, clientHeight_);
  for (const DialogLine& line : lines_) Labels.push_back(AddLabel(ArtPanel1, line.x, line.y, line.text));
  LbSpeedButton2 = AddSpeedButton(ArtPanel1, QRect(kGeraiX, geraiY_, 95, 25), QStringLiteral("Gerai"));
  connect(LbSpeedButton2, &TLbSpeedButton::OnClick, this, &AccountMessageDialog::LbSpeedButton2Click);
  SetAnswerButton(LbSpeedButton2);
}

void AccountMessageDialog::LbSpeedButton2Click() { Close(); }

TForm121::TForm121()
    : AccountMessageDialog(kTwoLineHeight,
                           {{QStringLiteral("Tokio vartotojo nėra, arba Jūs neteisingai jį įvedėte."), 12, 20},
                            {QStringLiteral("Bandykite dar kartą, arba užsiregistruokite iš naujo."), 14, 36}},
                           kTwoLineGeraiY) {}

TForm122::TForm122()
    : AccountMessageDialog(kTwoLineHeight,
                           {{QStringLiteral("Neteisingai įvestas vartotojo slaptažodis."), 44, 20},
                            {QStringLiteral("Bandykite dar kartą."), 92, 36}},
                           kTwoLineGeraiY) {}

TForm123::TForm123()
    : AccountMessageDialog(kOneLineHeight, {{QStringLiteral("Registracija baigta sėkmingai!!!"), 60, 20}},
                           kOneLineGeraiY) {}

TForm124::TForm124()
    : AccountMessageDialog(kOneLineHeight, {{QStringLiteral("Užpildykite visus formos laukelius!"), 60, 20}},
                           kOneLineGeraiY) {}

TForm125::TForm125()
    : AccountMessageDialog(kOneLineHeight, {{QStringLiteral(" Toks vartotojas jau egzistuoja!"), 60, 20}},
                           kOneLineGeraiY) {}

TRefusedNameDialog::TRefusedNameDialog()
    : AccountMessageDialog(kTwoLineHeight,
                           {{QStringLiteral("Vartotojo varde yra netinkamų simbolių."), 40, 20},
                            {QStringLiteral("Pasirinkite kitą vartotojo vardą."), 54, 36}},
                           kTwoLineGeraiY) {}

}  // namespace rova
