// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include <QFontInfo>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <optional>
#include <stdexcept>

#include "accounts/ui/login_window.h"
#include "app/heavy_label.h"
#include "window/window_frame.h"
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

// A transparent bold Tahoma title over the picture.
HeavyLabel* AddTitleLabel(QWidget* parent, const SplashTitle& title) {
  auto* label = new HeavyLabel(QString::fromUtf8(title.text), parent);
  PlaceLabel(label, title.x, title.y, TahomaFont(title.pixelSize, true));
  return label;
}

// The titles drawn into the picture at build time are the labels' own
// pixels when the labels came out at the same size in the same face, on a
// screen with one pixel to a pixel (a scaled screen draws their outlines finer).
bool TitlesDrawnAsLabelsWould(const TitledSplash& splash, HeavyLabel* const (&labels)[kSplashTitleCount]) {
  if (labels[0]->devicePixelRatioF() != 1.0) return false;
  for (int t = 0; t < kSplashTitleCount; ++t) {
    const QFontInfo face(labels[t]->font());
    if (labels[t]->size() != splash.titleSizes[t] || face.family() != QLatin1String(kTahomaFamily) ||
        !face.bold()) {
      return false;
    }
  }
  return true;
}

// The picture with the titles drawn in at build time spares start-up the
// JPEG's decoding and the outlines' drawing, most of the splash's own work,
// with the same pixels on the screen; the labels then draw nothing.
QPixmap SplashPicture(HeavyLabel* const (&titles)[kSplashTitleCount]) {
  if (const std::optional<TitledSplash> titled = LoadTitledSplash();
      titled && TitlesDrawnAsLabelsWould(*titled, titles)) {
    for (HeavyLabel* title : titles) title->SetDrawnBeneath(true);
    return QPixmap::fromImage(titled->picture);
  }
  try {
    return QPixmap::fromImage(LoadPicture(QStringLiteral("splash")));
  } catch (const std::runtime_error&) {
    // A damaged picture leaves the splash plain; the program still starts.
    return {};
  }
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
  Image1->setGeometry(kSplashPictureLeft, kSplashPictureTop, kWidth - 2, kHeight - 2);
  HeavyLabel* const titles[kSplashTitleCount] = {AddTitleLabel(Panel1, kSplashTitles[0]),
                                                 AddTitleLabel(Panel1, kSplashTitles[1])};
  Label1 = titles[0];
  Label2 = titles[1];

  Image1->setPixmap(SplashPicture(titles));

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
