// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <optional>
#include <stdexcept>

#include "accounts/ui/login_window.h"
#include "app/heavy_label.h"
#include "window/window_frame.h"
#include "window/window_look.h"
#include "window/window_registry.h"
#include "controls/art_panel.h"
#include "controls/program_fonts.h"
#include "pictures/picture_library.h"
#include "pictures/splash_titles.h"

namespace rova {

TForm1* Form1 = nullptr;

namespace {

constexpr int kWidth = 402;
constexpr int kHeight = 302;

// A transparent bold Tahoma title over the picture, laid out by its text.
HeavyLabel* AddTitleLabel(QWidget* parent, const SplashTitle& title) {
  auto* label = new HeavyLabel(QString::fromUtf8(title.text), parent);
  PlaceLabel(label, title.x, title.y, TahomaFont(title.pixelSize, true));
  return label;
}

// The same title drawn into the picture beneath at build time: it has the
// size its label had then and draws nothing, so no face is loaded and no
// text laid out before the splash is on the screen.
HeavyLabel* AddDrawnTitleLabel(QWidget* parent, const SplashTitle& title, QSize drawnSize) {
  auto* label = new HeavyLabel(QString::fromUtf8(title.text), parent);
  label->setFont(TahomaFont(title.pixelSize, true));
  label->setTextFormat(Qt::PlainText);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  label->setGeometry(QRect(QPoint(title.x, title.y), drawnSize));
  label->SetDrawnBeneath(true);
  return label;
}

// The titles drawn in at build time are the labels' own pixels when they
// were drawn in the face the labels have now, and on a screen with one
// pixel to a pixel (a scaled screen draws their outlines finer).
bool TitledSplashFits(const QWidget* window) {
  return TahomaBoldRegistered() && window->devicePixelRatioF() == 1.0;
}

}  // namespace

void TForm1::AddTitlesAndPicture() {
  // The picture with the titles drawn in at build time spares start-up the
  // JPEG's decoding, the outlines' drawing and the titles' face, most of
  // the splash's own work, with the same pixels on the screen.
  if (const std::optional<TitledSplash> titled = LoadTitledSplash(); titled && TitledSplashFits(this)) {
    Label1 = AddDrawnTitleLabel(Panel1, kSplashTitles[0], titled->titleSizes[0]);
    Label2 = AddDrawnTitleLabel(Panel1, kSplashTitles[1], titled->titleSizes[1]);
    Image1->setPixmap(QPixmap::fromImage(titled->picture));
    return;
  }
  Label1 = AddTitleLabel(Panel1, kSplashTitles[0]);
  Label2 = AddTitleLabel(Panel1, kSplashTitles[1]);
  try {
    // A scaled screen shows the picture drawn for it, the titles drawn over it.
    Image1->setPixmap(QPixmap::fromImage(LoadPictureForScale(QStringLiteral("splash"), devicePixelRatioF())));
  } catch (const std::runtime_error&) {
    // A damaged picture leaves the splash plain; the program still starts.
  }
}

TForm1::TForm1() {
  SetClientSize(kWidth, kHeight);
  Panel1 = new TArtPanel(this);
  Panel1->setGeometry(0, 0, kWidth, kHeight);
  Panel1->SetColor(kFrameColor);
  Panel1->SetColorHighlight(kPanelColor);
  Panel1->SetColorShadow(kPanelColor);

  Image1 = new QLabel(Panel1);
  Image1->setGeometry(kSplashPictureLeft, kSplashPictureTop, kWidth - 2, kHeight - 2);
  AddTitlesAndPicture();

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
