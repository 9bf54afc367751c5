// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "control_test_support.h"
#include "controls/focus_cues.h"
#include "controls/lb_speed_button.h"

namespace rova {
namespace {

using testing::PaintCounter;
using testing::Settle;
using testing::ShownWindow;

constexpr TColor kFace = FromRgb(232, 228, 229);
constexpr TColor kHot = FromRgb(199, 199, 202);

QRgb FaceAt(const TLbSpeedButton& b, QPoint p) { return b.RenderFace().pixel(p) & 0xFFFFFF; }
QRgb Rgb(TColor c) { return Resolve(c).rgb() & 0xFFFFFF; }

TLbSpeedButton* WindowButton(QWidget* parent, QRect geometry = QRect(10, 10, 111, 25)) {
  auto* b = new TLbSpeedButton(parent);
  b->setGeometry(geometry);
  b->SetColor(kFace);
  b->SetLightColor(kClBlack);
  b->SetShadowColor(kClBlack);
  b->SetHotTrackColor(kHot);
  b->SetCaption(QStringLiteral("Gerai"));
  b->show();
  return b;
}

TEST(SpeedButtonHotTracking, pointerOverTurnsFaceHotAndLeavingRestoresIt) {
  auto window = ShownWindow();
  TLbSpeedButton* b = WindowButton(window.get());
  QSignalSpy entered(b, &TLbSpeedButton::OnMouseEnter);
  QSignalSpy exited(b, &TLbSpeedButton::OnMouseExit);

  QTest::mouseMove(window.get(), QPoint(50, 20));
  EXPECT_TRUE(b->Hot());
  EXPECT_EQ(b->FadeStep(), 8);
  EXPECT_EQ(FaceAt(*b, QPoint(2, 2)), Rgb(kHot));
  EXPECT_EQ(entered.count(), 1);

  QTest::mouseMove(window.get(), QPoint(250, 150));
  EXPECT_FALSE(b->Hot());
  EXPECT_EQ(b->FadeStep(), 0);
  EXPECT_EQ(FaceAt(*b, QPoint(2, 2)), Rgb(kFace));
  EXPECT_EQ(exited.count(), 1);
  EXPECT_EQ(b->FadeWorker(), nullptr);
}

TEST(SpeedButtonHotTracking, disabledButtonIgnoresThePointer) {
  auto window = ShownWindow();
  TLbSpeedButton* b = WindowButton(window.get());
  b->setEnabled(false);
  QSignalSpy entered(b, &TLbSpeedButton::OnMouseEnter);
  QSignalSpy clicked(b, &TLbSpeedButton::OnClick);

  QTest::mouseMove(window.get(), QPoint(50, 20));
  QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(50, 20));
  EXPECT_FALSE(b->Hot());
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(entered.count(), 0);
  EXPECT_EQ(clicked.count(), 0);
  EXPECT_EQ(FaceAt(*b, QPoint(2, 2)), Rgb(kFace));
}

TEST(SpeedButtonHotTracking, flatBlackBorderShowsOnlyUnderThePointer) {
  auto window = ShownWindow();
  TLbSpeedButton* b = WindowButton(window.get());
  b->SetFlat(true);
  EXPECT_EQ(FaceAt(*b, QPoint(0, 0)), Rgb(kFace));
  EXPECT_EQ(FaceAt(*b, QPoint(110, 24)), Rgb(kFace));
  QTest::mouseMove(window.get(), QPoint(50, 20));
  EXPECT_EQ(FaceAt(*b, QPoint(0, 0)), 0u);
  EXPECT_EQ(FaceAt(*b, QPoint(110, 24)), 0u);
  b->SetFlat(false);
  QTest::mouseMove(window.get(), QPoint(250, 150));
  EXPECT_EQ(FaceAt(*b, QPoint(0, 0)), 0u);
}

TEST(SpeedButtonClicking, ungroupedButtonIsDownOnlyWhilePressedAndClicksOnRelease) {
  auto window = ShownWindow();
  TLbSpeedButton* b = WindowButton(window.get());
  QSignalSpy clicked(b, &TLbSpeedButton::OnClick);

  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicked.count(), 0);
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicked.count(), 1);

  // Released outside: no click.
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicked.count(), 1);

  // Other mouse buttons neither press nor click.
  QTest::mouseClick(b, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicked.count(), 1);
}

// The keyboard reaches it with Tab; a click leaves the focus in the field.
TEST(SpeedButtonClicking, clickLeavesTheFocusWhereItWas) {
  auto window = ShownWindow();
  auto* edit = new QLineEdit(window.get());
  edit->setGeometry(10, 100, 100, 20);
  edit->show();
  edit->setFocus();
  TLbSpeedButton* b = WindowButton(window.get());
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(b->focusPolicy(), Qt::TabFocus);
  EXPECT_TRUE(edit->hasFocus());
}

TEST(SpeedButtonGroups, pressingOneReleasesTheOtherAndTheDownOneLatches) {
  auto window = ShownWindow();
  TLbSpeedButton* group[3];
  for (int i = 0; i < 3; ++i) {
    group[i] = WindowButton(window.get(), QRect(10 + 120 * i, 10, 111, 25));
    group[i]->SetGroupIndex(1);
  }
  auto* other = new QWidget(window.get());
  other->setGeometry(0, 100, 300, 50);
  other->show();
  TLbSpeedButton* elsewhere = WindowButton(other, QRect(10, 10, 111, 25));
  elsewhere->SetGroupIndex(1);
  elsewhere->SetDown(true);

  QTest::mouseClick(group[0], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(group[0]->Down());
  QTest::mouseClick(group[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(group[0]->Down());
  EXPECT_TRUE(group[1]->Down());
  EXPECT_FALSE(group[2]->Down());
  // Same index, other parent: another group.
  EXPECT_TRUE(elsewhere->Down());

  QTest::mouseClick(group[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(group[1]->Down());

  group[1]->SetAllowAllUp(true);
  QTest::mouseClick(group[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(group[1]->Down());
}

TEST(SpeedButtonAccelerator, altLetterClicksAndLeavesDownAsItWas) {
  auto window = ShownWindow();
  TLbSpeedButton* b = WindowButton(window.get());
  b->SetCaption(QStringLiteral("&Gerai"));
  bool downDuringClick = false;
  QObject::connect(b, &TLbSpeedButton::OnClick, [&] { downDuringClick = b->Down(); });
  QSignalSpy clicked(b, &TLbSpeedButton::OnClick);
  QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_TRUE(downDuringClick);
  EXPECT_FALSE(b->Down());
}

// Which setters paint at once, which leave it to the next round of events,
// and which only store.
enum class Shows { AtOnce, Later, Never };

struct SetterCase {
  const char* name;
  bool transparent;
  std::function<void(TLbSpeedButton&)> set;
  Shows shows;
};

TEST(SpeedButtonSetters, repaintInvalidateOrStoreAsEachPropertyNeeds) {
  const std::vector<SetterCase> cases = {
      {"LightColor", false, [](TLbSpeedButton& b) { b.SetLightColor(kClWhite); }, Shows::AtOnce},
      {"Down", false, [](TLbSpeedButton& b) { b.SetDown(true); }, Shows::AtOnce},
      {"ColorWhenDown", false, [](TLbSpeedButton& b) { b.SetColorWhenDown(kClWhite); }, Shows::AtOnce},
      {"Flat on a transparent button", true, [](TLbSpeedButton& b) { b.SetFlat(true); }, Shows::Later},
      {"Caption", false, [](TLbSpeedButton& b) { b.SetCaption(QStringLiteral("Kitas")); }, Shows::Later},
      {"Style", false, [](TLbSpeedButton& b) { b.SetStyle(TLbButtonStyle::bsOld); }, Shows::Later},
      {"Transparent on", false, [](TLbSpeedButton& b) { b.SetTransparent(true); }, Shows::Later},
      {"Transparent off", true, [](TLbSpeedButton& b) { b.SetTransparent(false); }, Shows::AtOnce},
      {"HotTrackColor", false, [](TLbSpeedButton& b) { b.SetHotTrackColor(kClWhite); }, Shows::Never},
      {"AllowAllUp", false, [](TLbSpeedButton& b) { b.SetAllowAllUp(true); }, Shows::Never},
      {"UseHotTrackFont", false, [](TLbSpeedButton& b) { b.SetUseHotTrackFont(true); }, Shows::Never},
  };
  for (const SetterCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto window = ShownWindow();
    TLbSpeedButton* b = WindowButton(window.get());
    b->SetTransparent(c.transparent);
    testing::Settle();
    PaintCounter paints(b);
    c.set(*b);
    const int atOnce = paints.count();
    testing::Settle();
    const int later = paints.count() - atOnce;
    EXPECT_EQ(atOnce > 0, c.shows == Shows::AtOnce);
    EXPECT_EQ(atOnce == 0 && later > 0, c.shows == Shows::Later);
    if (c.shows == Shows::Never) {
      EXPECT_EQ(paints.count(), 0);
    }
  }
}

TEST(SpeedButtonColours, colourFollowsTheParentUntilSet) {
  auto window = ShownWindow();
  auto* b = new TLbSpeedButton(window.get());
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, QColor(132, 146, 181));
  window->setPalette(palette);
  EXPECT_EQ(b->Color(), FromRgb(132, 146, 181));
  EXPECT_TRUE(b->ParentColor());
  b->SetColor(kFace);
  EXPECT_EQ(b->Color(), kFace);
  EXPECT_FALSE(b->ParentColor());
}

TEST(SpeedButtonColours, presetIsWrittenIntoThePropertiesAndReadsBackCustom) {
  TLbSpeedButton b;
  b.SetColorStyle(TLbColorStyle::lcsGold);
  EXPECT_EQ(b.ColorStyle(), TLbColorStyle::lcsCustom);
  EXPECT_EQ(b.Style(), TLbButtonStyle::bsModern);
  EXPECT_EQ(b.Color(), TColor(0x00C0C0));
  EXPECT_EQ(b.LightColor(), TColor(0x00FFFF));
  EXPECT_EQ(b.ShadowColor(), TColor(0x008080));
  EXPECT_EQ(b.HotTrackColor(), TColor(0x00DFDF));
  EXPECT_EQ(b.ColorWhenDown(), kClNone);
  EXPECT_FALSE(b.Flat());

  b.SetColorStyle(TLbColorStyle::lcsQuicken);
  EXPECT_EQ(b.FontColor(), TColor(0xFFFFFF));
  EXPECT_EQ(b.Style(), TLbButtonStyle::bsQuicken);

  // lcsCustom changes nothing.
  b.SetColorStyle(TLbColorStyle::lcsCustom);
  EXPECT_EQ(b.Color(), TColor(0x603000));
}

// --- The keyboard ------------------------------------------------------------

TEST(SpeedButtonKeys, enterAndSpacePressOnTheWayDownAndClickOnTheWayUp) {
  auto window = ShownWindow();
  TLbSpeedButton* b = WindowButton(window.get());
  QSignalSpy clicked(b, &TLbSpeedButton::OnClick);
  b->setFocus(Qt::TabFocusReason);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    SCOPED_TRACE(key);
    const qsizetype before = clicked.count();
    QTest::keyPress(b, key);
    EXPECT_TRUE(b->Down()) << "drawn pressed while the key is held";
    EXPECT_EQ(clicked.count(), before);
    QTest::keyRelease(b, key);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicked.count(), before + 1);
  }
  // A release whose press went elsewhere (the key that opened this window)
  // does nothing; nor does a press whose key is still down when the focus leaves.
  QTest::keyRelease(b, Qt::Key_Return);
  QTest::keyPress(b, Qt::Key_Space);
  window->setFocus();
  QTest::keyRelease(b, Qt::Key_Space);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicked.count(), 3);
}

TEST(SpeedButtonFocusMark, showsOnceTheKeyboardMovesTheFocusAndGoesWithTheNextClick) {
  HideFocusCues();
  auto window = ShownWindow();
  TLbSpeedButton* first = WindowButton(window.get());
  TLbSpeedButton* second = WindowButton(window.get(), QRect(10, 50, 111, 25));
  const auto dotted = [](TLbSpeedButton* b) {
    Settle();
    const QImage shown = b->grab().toImage();
    return shown.pixel(4, 4) != shown.pixel(5, 4) && (shown.pixel(4, 4) & 0xFFFFFF) == 0;
  };
  const QImage unfocused = second->grab().toImage();
  second->setFocus(Qt::OtherFocusReason);
  EXPECT_FALSE(dotted(second)) << "focus given by the program alone shows nothing";
  EXPECT_EQ(second->grab().toImage(), unfocused);

  first->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(first, Qt::Key_Tab);
  ASSERT_TRUE(second->hasFocus());
  EXPECT_TRUE(dotted(second));
  EXPECT_FALSE(dotted(first));

  QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(250, 150));
  EXPECT_FALSE(dotted(second));
  EXPECT_EQ(second->grab().toImage(), unfocused);
}

}  // namespace
}  // namespace rova
