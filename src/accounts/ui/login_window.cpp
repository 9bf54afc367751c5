// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/ui/login_window.h"

#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "accounts/ui/account_dialogs.h"
#include "accounts/user_store.h"
#include "window/error_box.h"
#include "window/window_frame.h"
#include "window/window_look.h"
#include "window/window_names.h"
#include "window/window_registry.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "textio/program_error.h"

namespace rova {

TForm120* Form120 = nullptr;

namespace {

constexpr int kWidth = 524;
constexpr int kEditPanelWidth = 155;
constexpr int kEditPanelHeight = 21;

QRect EditPanel(int x, int y) { return QRect(x, y, kEditPanelWidth, kEditPanelHeight); }

}  // namespace

// The controls are made when the window first appears, not at start-up.
TForm120::TForm120() = default;

void TForm120::BuildContents() {
  // The caption task bars show; the older release's "ROVA2003" was left in it.
  setWindowTitle(QStringLiteral("ROVA 2004 - Identifikacija"));
  SetClientSize(kWidth, kLoginHeight);
  SetWindowColor(this, kPanelColor);
  const TitleBar bar = AddTitleBar(this, kWidth, QStringLiteral("ROVA 2004 - Identifikacija"));
  ArtPanel1 = bar.panel;
  LbButton1 = bar.closeButton;

  ArtPanel2 = AddPanel(this, QRect(2, 26, 519, 155), kPanelColor);
  ColoredGroupBox1 = AddGroupBox(ArtPanel2, QRect(8, 8, 233, 137), QStringLiteral(" Identifikacija "));
  AddLabel(ColoredGroupBox1, 8, 21, QStringLiteral("Įveskite savo vartotojo vardą ir slaptažodį:"));
  const QLabel* userLabel = AddLabel(ColoredGroupBox1, 8, 46, QStringLiteral("Vartotojas:"));
  Edit1 = NamedByLabel(AddEdit(ColoredGroupBox1, EditPanel(66, 44)), userLabel->text());
  const QLabel* passwordLabel = AddLabel(ColoredGroupBox1, 8, 71, QStringLiteral("Slaptažodis:"));
  Edit2 = NamedByLabel(AddEdit(ColoredGroupBox1, EditPanel(66, 68), true), passwordLabel->text());
  LbSpeedButton1 = AddSpeedButton(ColoredGroupBox1, QRect(10, 96, 103, 25), QStringLiteral("Prisijungti"));
  LbSpeedButton2 = AddSpeedButton(ColoredGroupBox1, QRect(118, 96, 103, 25), QStringLiteral("Išvalyti"));

  ColoredGroupBox2 = AddGroupBox(ArtPanel2, QRect(256, 8, 249, 137), QStringLiteral(" Registracija "));
  const QString invitation[] = {
      QStringLiteral("Norėdami naudotis visomis programos ROVA 2004"),
      QStringLiteral("teikiamomis galimybėmis, Jūs turite užsiregistruoti."),
      QStringLiteral("Registracija yra visiškai nemokama ir neužimanti"),
      QStringLiteral("daug laiko."),
  };
  int y = 21;
  for (const QString& line : invitation) {
    AddLabel(ColoredGroupBox2, 8, y, line);
    y += 16;
  }
  LbSpeedButton4 = AddSpeedButton(ColoredGroupBox2, QRect(66, 96, 109, 25), QStringLiteral("Registruotis"));

  // Below the login part's height: seen only once the window grows.
  ArtPanel5 = AddPanel(this, QRect(2, 186, 519, 159), kPanelColor);
  ColoredGroupBox3 = AddGroupBox(ArtPanel5, QRect(8, 8, 497, 145), QStringLiteral(" Registracija "));
  // The third row's labels sit one pixel lower than the other rows' do.
  const auto labelled = [this](int x, int labelY, int editY, const QString& label, bool password) {
    AddLabel(ColoredGroupBox3, x, labelY, label);
    return NamedByLabel(AddEdit(ColoredGroupBox3, EditPanel(x + 58, editY), password), label);
  };
  Edit3 = labelled(8, 22, 20, QStringLiteral("Vartotojas:"), false);
  Edit4 = labelled(8, 46, 44, QStringLiteral("Slaptažodis:"), true);
  Edit8 = labelled(8, 71, 68, QStringLiteral("El. paštas:"), false);
  Edit5 = labelled(256, 22, 20, QStringLiteral("Vardas:"), false);
  Edit6 = labelled(256, 46, 44, QStringLiteral("Pavardė:"), false);
  Edit7 = labelled(256, 71, 68, QStringLiteral("Klasė:"), false);
  LbSpeedButton3 = AddSpeedButton(ColoredGroupBox3, QRect(138, 104, 103, 25), QStringLiteral("Registruotis"));
  LbSpeedButton5 = AddSpeedButton(ColoredGroupBox3, QRect(246, 104, 103, 25), QStringLiteral("Išvalyti"));

  connect(LbButton1, &TLbButton::OnClick, this, &TForm120::LbButton1Click);
  connect(LbSpeedButton1, &TLbSpeedButton::OnClick, this, &TForm120::LbSpeedButton1Click);
  connect(LbSpeedButton2, &TLbSpeedButton::OnClick, this, &TForm120::LbSpeedButton2Click);
  connect(LbSpeedButton3, &TLbSpeedButton::OnClick, this, &TForm120::LbSpeedButton3Click);
  connect(LbSpeedButton4, &TLbSpeedButton::OnClick, this, &TForm120::LbSpeedButton4Click);
  connect(LbSpeedButton5, &TLbSpeedButton::OnClick, this, &TForm120::LbSpeedButton5Click);

  // Enter in a field presses the button a pupil would press next.
  for (QLineEdit* edit : {Edit1, Edit2}) connect(edit, &QLineEdit::returnPressed, LbSpeedButton1, &TLbSpeedButton::Click);
  for (QLineEdit* edit : {Edit3, Edit4, Edit5, Edit6, Edit7, Edit8}) {
    connect(edit, &QLineEdit::returnPressed, LbSpeedButton3, &TLbSpeedButton::Click);
  }
  // Tab goes as the fields were made: the login group, the invitation, then
  // the registration's left column (the account) before its right (the person).
  ArtPanel5->setVisible(false);  // until "Registruotis" uncovers it
  Edit1->setFocus();
}

void TForm120::LbButton1Click() {
  Close();
  RegisteredWindow(kSplashWindowName).Close();
  RegisteredWindow(kMainWindowName).Close();
}

void TForm120::LbSpeedButton1Click() {
  const std::optional<LoginResult> result =
      RunShowingErrors(this, [this] { return LogIn(Edit1->text(), Edit2->text()); });
  if (!result) return;
  switch (*result) {
    case LoginResult::UnknownUser:
      Form121->ShowModal();
      break;
    case LoginResult::WrongPassword:
      Form122->ShowModal();
      break;
    case LoginResult::Accepted: {
      Close();
      RegisteredWindow(kSplashWindowName).Close();
      ProgramWindow& mainWindow = RegisteredWindow(kMainWindowName);
      mainWindow.SetHeight(kMainWindowHeight);
      mainWindow.SetWidth(kMainWindowWidth);
      break;
    }
  }
}

void TForm120::LbSpeedButton2Click() {
  Edit1->clear();
  Edit2->clear();
}

void TForm120::LbSpeedButton3Click() {
  const RegistrationData data{Edit3->text(), Edit4->text(), Edit5->text(),
                              Edit6->text(), Edit7->text(), Edit8->text()};
  // The registration part is covered again before the files are written, so
  // a file error leaves the window at its login height.
  const std::optional<RegistrationOutcome> outcome =
      RunShowingErrors(this, [&] { return RegisterUser(data, [this] { SetClientHeight(kLoginHeight); }); });
  if (!outcome) return;
  switch (outcome->result) {
    case RegistrationResult::Duplicate:
      for (int i = 0; i < outcome->duplicateCount; ++i) Form125->ShowModal();
      break;
    case RegistrationResult::FilesTaken:
      // To the pupil the name is taken: another pupil's files bear it.
      Form125->ShowModal();
      break;
    case RegistrationResult::Incomplete:
      Form124->ShowModal();
      break;
    case RegistrationResult::Refused:
      RefusedNameDialog->ShowModal();
      break;
    case RegistrationResult::NameTooLong:
      LongNameDialog->ShowFor(LongestUserName());
      break;
    case RegistrationResult::Registered:
      Form123->ShowModal();
      break;
  }
}

// The pupil goes on to the first field of what has been uncovered.
void TForm120::LbSpeedButton4Click() {
  SetClientHeight(kRegistrationHeight);
  Edit3->setFocus(Qt::TabFocusReason);
}

void TForm120::FormResize() {
  const bool uncovered = ClientHeight() >= kRegistrationHeight;
  if (!uncovered && ArtPanel5->isAncestorOf(focusWidget())) Edit1->setFocus();
  ArtPanel5->setVisible(uncovered);
}

void TForm120::LbSpeedButton5Click() {
  for (QLineEdit* edit : {Edit3, Edit4, Edit5, Edit6, Edit7, Edit8}) edit->clear();
}

}  // namespace rova
