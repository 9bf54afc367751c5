#include "app/main_window.h"

#include <QLabel>

#include "accounts/ui/login_window.h"
#include "app/splash_window.h"
#include "window/window_frame.h"
#include "window/window_registry.h"
#include "controls/art_panel.h"
#include "controls/lb_button.h"

namespace rova {

TForm2* Form2 = nullptr;

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

TForm2::TForm2() {
  setWindowTitle(QStringLiteral("ROVA 2004"));
  const MainSizeFrame frame = BuildMainSizeFrame(this, QStringLiteral("ROVA 2004"));
  ArtPanel1 = frame.titleBar;
  LbButton1 = frame.closeButton;
  ArtPanel2 = frame.body;

  LbButton2 = new TLbButton(ArtPanel1);
  LbButton2->setGeometry(651, 2, kCloseButtonSize, kCloseButtonSize);
  LbButton2->SetCaption(QStringLiteral("-"));
  LbButton2->SetHotTrackColor(kHotTrackColor);
  LbButton2->SetSlowDecease(true);

  Label1 = AddLabel(ArtPanel2, 188, 56, QString());
  Label2 = AddLabel(ArtPanel2, 492, 328, QString());
  Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);

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

}  // namespace rova
