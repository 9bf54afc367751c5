// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own widgets showing the sans face on a screen scaled by 1.5 (the
// test runs with QT_SCALE_FACTOR=1.5): their text in the face's 20-pixel
// strike, and a repaint of part of a widget drawn where that part lies.
#include <QApplication>
#include <QBackingStore>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/program_fonts.h"
#include "controls/widget_text.h"

namespace rova {
namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;

// What has been painted of `window` for the screen, in device pixels: the
// window's backing store (what a grab renders anew would hide a fault of
// the screen's own repaints).
QImage OnScreen(QWidget* window) {
  QApplication::processEvents();
  const auto* store = dynamic_cast<const QImage*>(window->backingStore()->paintDevice());
  return store != nullptr ? store->convertToFormat(QImage::Format_RGB32) : QImage();
}

// Rows of `image` inside `area` that hold any ink.
int InkRows(const QImage& image, const QRect& area) {
  int rows = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    bool ink = false;
    for (int x = area.left(); x <= area.right() && !ink; ++x) ink = image.pixel(x, y) != kPaper;
    rows += ink;
  }
  return rows;
}

// What Qt reports while a test paints: nothing, or every paint would
// report itself on a pupil's terminal and in the session's log.
QStringList g_reports;

class ScaledWidgetText : public ::testing::Test {
 protected:
  void SetUp() override {
    g_reports.clear();
    previousHandler_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
      g_reports.append(message);
    });
    ASSERT_EQ(qApp->primaryScreen()->devicePixelRatio(), 1.5) << "run with QT_SCALE_FACTOR=1.5";
    window_.setWindowFlag(Qt::FramelessWindowHint);
    window_.resize(300, 120);
    QPalette palette = window_.palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base}) palette.setColor(role, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    window_.setPalette(palette);
    window_.setAutoFillBackground(true);
  }
  void TearDown() override {
    qInstallMessageHandler(previousHandler_);
    EXPECT_TRUE(g_reports.isEmpty()) << g_reports.join(QLatin1Char('\n')).toStdString();
  }
  // Shows the window and waits until the screen shows it.
  void Show() {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }
  // A widget of the program's kind in the window, at `rect`.
  template <typename W>
  W* Add(const QRect& rect) {
    auto* widget = new WithScaledText<W>(&window_);
    widget->setGeometry(rect);
    widget->setFont(SansFont());
    if constexpr (std::is_same_v<W, QPlainTextEdit>) widget->setFrameShape(QFrame::NoFrame);
    return widget;
  }
  QWidget window_;
  QtMessageHandler previousHandler_ = nullptr;
};

TEST_F(ScaledWidgetText, labelsEditFieldsAndTheScratchPadDrawTheStrike) {
  auto* label = Add<QLabel>(QRect(4, 4, 280, 16));
  label->setText(QStringLiteral("Įveskite savo vartotojo vardą ir slaptažodį:"));
  auto* edit = Add<QLineEdit>(QRect(4, 30, 200, 16));
  edit->setFrame(false);
  edit->setText(QStringLiteral("Žemaitytė"));
  edit->setReadOnly(true);  // no cursor, whose height would count as letters
  auto* pad = Add<QPlainTextEdit>(QRect(4, 56, 200, 40));
  pad->setPlainText(QStringLiteral("Šios lygties šaknys"));
  Show();
  const QImage screen = OnScreen(&window_);
  // At 1x the letters with ascenders and descenders span 13 rows; scaled
  // by 1.5, not left at their 1x size, they span the strike's 19 or so.
  for (QWidget* widget : {static_cast<QWidget*>(label), static_cast<QWidget*>(edit), pad->viewport()}) {
    const QRect area(widget->mapTo(&window_, QPoint(0, 0)) * 1.5, widget->size() * 1.5);
    EXPECT_GE(InkRows(screen, area.adjusted(2, 2, -2, -2)), 17) << widget->metaObject()->className();
  }
}

// The screen repaints a widget in parts (as it is uncovered, or shown over
// several updates); each part must be drawn where it lies, as a grab that
// paints the whole widget at once draws it.
TEST_F(ScaledWidgetText, whatTheScreenRepaintsInPartsIsWhatAWholeRepaintDraws) {
  auto* label = Add<QLabel>(QRect(4, 4, 280, 16));
  label->setText(QStringLiteral("Norėdami naudotis visomis programos ROVA 2004"));
  Show();
  const QImage whole = window_.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(OnScreen(&window_), whole);
  label->repaint(QRect(140, 0, 140, 16));
  EXPECT_EQ(OnScreen(&window_), whole);
}

}  // namespace
}  // namespace rova
