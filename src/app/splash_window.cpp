// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <stdexcept>

#include "accounts/ui/login_window.h"
#include "app/heavy_label.h"
#include "window/window_frame.h"
#include "window/window_look.h"
#include "window/window_registry.h"
#include "controls/art_panel.h"
#include "pictures/picture_library.h"

namespace rova {

TForm1* Form1 = nullptr;

namespace {

constexpr int kWidth = 402;
constexpr int kHeight = 302;

// A transparent bold Tahoma title over the picture.
QLabel* AddTitleLabel(QWidget* parent, int x, int y, const QString& text, int pixelSize) {
  return PlaceLabel(new HeavyLabel(text, parent), x, y, TahomaFont(pixelSize, true));
}

}  // namespace

TForm1::TForm1() {
  SetClientSize(kWidth, kHeight);
  Panel1 = new TArtPanel(this);
  Panel1->setGeometry(0, 0, kWidth, kHeight);
  Panel1->SetColor(kFrameColor);
  Panel1->SetColorHighlight(kPanelColor);
  Panel1->SetColorShadow(kPanelColor);

  Image1 = new QLabel(Panel1);
  Image1->setGeometry(1, 1, kWidth - 2, kHeight - 2);
  try {
    Image1->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("splash"))));
  } catch (const std::runtime_error&) {
    // A damaged picture leaves the splash plain; the program still starts.
  }

  Label1 = AddTitleLabel(Panel1, 146, 91, QStringLiteral("ROVA 2004"), 29);
  Label2 = AddTitleLabel(Panel1, 149, 121, QStringLiteral("Matematikos kurso kartojimas"), 11);

  Timer1 = new QTimer(this);
  Timer1->setSingleShot(true);
  // A coarse timer may fire up to a twentieth of its interval early or late.
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(kTimer1Interval);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  Timer1->start();
}

void TForm1::Timer1Timer() {
  SetHeight(0);
  SetWidth(0);
  Timer1->stop();
  Form120->ShowModal();
}

}  // namespace rova
