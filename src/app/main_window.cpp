// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QLabel>

#include "accounts/ui/login_window.h"
#include "app/about_window.h"
#include "app/help_launcher.h"
#include "app/splash_window.h"
#include "app/topic_menu_window.h"
#include "window/window_frame.h"
#include "window/window_look.h"
#include "window/window_names.h"
#include "window/window_registry.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"

namespace rova {

TForm2* Form2 = nullptr;

namespace {

constexpr int kMenuButtonWidth = 109;
constexpr int kMenuButtonHeight = 25;
constexpr int kMenuButtonLeft = 10;

// The nine lines of the main window's welcome text.
QString WelcomeText() {
  return QStringList{
      QStringLiteral("Sveiki atvykę į pagrindinės mokyklos matematikos kurso kartojimo programą  -  ROVA 2004!"),
      QString(),
      QStringLiteral("Didžiajai vidurinės mokyklos moksleivių daliai pradėjus ruoštis egzaminams iškyla problema:"),
      QStringLiteral("moksleiviai  nebeturi  savo  užrašų  arba  senųjų  vadovėlių.  Be  to,  mokytis  sėdint  prie"),
      QStringLiteral("nuobodžios knygos ar neįskaitomo draugo sąsiuvinio kartais būna daugiau negu nuobodu."),
      QStringLiteral("Šioms ir kitoms problemoms išspręsti ir buvo sukurta ši programa!"),
      QString(),
      QStringLiteral("Ji sudaryta iš 2 pagrindinių dalių: kartojimo dalies ir testų."),
      QStringLiteral("Išsamesnę informaciją, kaip naudotis programa, galite rasti paspaudę mygtuką ,,Pagalba\"."),
  }
      .join(QLatin1Char('\n'));
}

}  // namespace

// The controls are made when the window first appears on the screen, after
// the login, not at start-up; the window has its working size from the start.
TForm2::TForm2() { SetClientSize(kMainWindowWidth, kMainWindowHeight); }

void TForm2::BuildContents() {
  const MainSizeFrame frame = BuildMainSizeFrame(this, kProgramTitle);
  ArtPanel1 = frame.titleBar;
  LbButton1 = frame.closeButton;
  ArtPanel2 = frame.body;

  LbButton2 = AddTitleBarButton(ArtPanel1, 651, QStringLiteral("-"));

  Label1 = AddLabel(ArtPanel2, 188, 56, QString());
  Label2 = AddLabel(ArtPanel2, 492, 328, QString());
  Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);

  ColoredGroupBox1 = AddGroupBox(ArtPanel2, QRect(8, 7, 129, 362), QStringLiteral(" Programos meniu: "));
  const auto menuButton = [this](int y, const QString& caption, void (TForm2::*handler)()) {
    TLbSpeedButton* button =
        AddSpeedButton(ColoredGroupBox1, QRect(kMenuButtonLeft, y, kMenuButtonWidth, kMenuButtonHeight), caption);
    connect(button, &TLbSpeedButton::OnClick, this, handler);
    return button;
  };
  LbSpeedButton1 = menuButton(26, QStringLiteral("Testai"), &TForm2::LbSpeedButton1Click);
  LbSpeedButton2 = menuButton(58, QStringLiteral("Žinynas"), &TForm2::LbSpeedButton2Click);
  LbSpeedButton6 = menuButton(90, QStringLiteral("Statistika"), &TForm2::LbSpeedButton6Click);
  LbSpeedButton7 = menuButton(138, QStringLiteral("Apie programą"), &TForm2::LbSpeedButton7Click);
  LbSpeedButton3 = menuButton(218, QStringLiteral("Pagalba"), &TForm2::LbSpeedButton3Click);
  LbSpeedButton5 = menuButton(322, QStringLiteral("Išeiti"), &TForm2::LbSpeedButton5Click);

  connect(LbButton1, &TLbButton::OnClick, this, &TForm2::LbButton1Click);
  connect(LbButton2, &TLbButton::OnClick, this, &TForm2::LbButton2Click);
  FormCreate();
}

void TForm2::FormCreate() {
  Label1->setText(WelcomeText());
  Label1->adjustSize();
  Label2->setText(QStringLiteral("Programą parengė\nROVA 2004 autorių grupė"));
  Label2->adjustSize();
}

void TForm2::FormActivate() {
  SetHeight(0);
  SetWidth(0);
  Form1->ShowModal();
}

void TForm2::FormResize() { Form120->Close(); }

void TForm2::FormClose() { Form1->Close(); }

void TForm2::LbButton1Click() {
  Form1->Close();
  Close();
}

void TForm2::LbButton2Click() { MinimizeApplication(); }

void TForm2::LbSpeedButton1Click() { Form3->ShowModal(); }

void TForm2::LbSpeedButton2Click() { RegisteredWindow(kHandbookIndexName).ShowModal(); }

void TForm2::LbSpeedButton6Click() { RegisteredWindow(kStatisticsReportName).ShowModal(); }

void TForm2::LbSpeedButton7Click() { Form118->ShowModal(); }

// Started without waiting; a help program that is missing or does not start
// leaves the menu as it was, without a message.
void TForm2::LbSpeedButton3Click() { StartHelpProgram(); }

// Ends the program at once, without the exit confirmation.
void TForm2::LbSpeedButton5Click() { Close(); }

}  // namespace rova
