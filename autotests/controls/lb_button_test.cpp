// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "control_test_support.h"
#include "controls/check_radio.h"
#include "controls/lb_button.h"
#include "controls/modal_result_target.h"

namespace rova {
namespace {

using testing::Settle;

// A window that records the modal result its buttons give it.
class RecordingWindow : public QWidget, public ModalResultTarget {
 public:
  void SetModalResult(int result) override { results.push_back(result); }
  std::vector<int> results;
};

std::unique_ptr<RecordingWindow> Window() {
  auto window = std::make_unique<RecordingWindow>();
  window->resize(300, 200);
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  (void)QTest::qWaitForWindowExposed(window.get());
  QTest::mouseMove(window.get(), QPoint(299, 199));
  return window;
}

TLbButton* Button(QWidget* parent, QRect geometry = QRect(10, 10, 100, 23)) {
  auto* b = new TLbButton(parent);
  b->setGeometry(geometry);
  b->SetCaption(QStringLiteral("Gerai"));
  b->show();
  return b;
}

TEST(LbButtonClicking, mouseClickTakesTheFocusAndHandsTheModalResultToTheWindow) {
  auto window = Window();
  TLbButton* b = Button(window.get());
  b->SetModalResult(6);
  QSignalSpy clicked(b, &TLbButton::OnClick);

  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b->Pressed());
  EXPECT_TRUE(b->hasFocus());
  // The click comes wherever the pointer is let go.
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(250, 150));
  EXPECT_FALSE(b->Pressed());
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(window->results, std::vector<int>{6});

  b->SetModalResult(0);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicked.count(), 2);
  EXPECT_EQ(window->results.size(), 1u);
}

TEST(LbButtonClicking, enterAndSpacePressOnKeyDownAndClickOnKeyUp) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    auto window = Window();
    TLbButton* b = Button(window.get());
    b->setFocus();
    QSignalSpy clicked(b, &TLbButton::OnClick);
    QTest::keyPress(b, key);
    EXPECT_TRUE(b->Pressed()) << key;
    EXPECT_EQ(clicked.count(), 0) << key;
    QTest::keyRelease(b, key);
    EXPECT_FALSE(b->Pressed()) << key;
    EXPECT_EQ(clicked.count(), 1) << key;
  }
}

TEST(LbButtonClicking, acceleratorClicksTheButton) {
  auto window = Window();
  TLbButton* b = Button(window.get());
  b->SetCaption(QStringLiteral("&Uždaryti"));
  QSignalSpy clicked(b, &TLbButton::OnClick);
  QTest::keyClick(window.get(), QChar(u'u').unicode(), Qt::AltModifier);
  EXPECT_EQ(clicked.count(), 1);
}

TEST(LbButtonClicking, disablingAPressedButtonClearsPressedAndIgnoresThePointer) {
  auto window = Window();
  TLbButton* b = Button(window.get());
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(b->Pressed());
  b->setEnabled(false);
  EXPECT_FALSE(b->Pressed());
  QSignalSpy entered(b, &TLbButton::OnMouseEnter);
  QTest::mouseMove(window.get(), QPoint(20, 20));
  EXPECT_FALSE(b->Hot());
  EXPECT_EQ(entered.count(), 0);
}

// Which focused control lets the Default button take Enter.
struct DefaultCase {
  const char* focused;
  std::function<QWidget*(QWidget*)> make;
  bool defaultClicked;
};

TEST(LbButtonDialogKeys, enterGoesToTheDefaultButtonUnlessAnotherButtonHasTheFocus) {
  const std::vector<DefaultCase> cases = {
      {"edit field", [](QWidget* w) { return new QLineEdit(w); }, true},
      {"radio button", [](QWidget* w) { return new TAMRadioButton(w); }, true},
      {"check box", [](QWidget* w) { return new TAMCheckBox(w); }, true},
      {"push button", [](QWidget* w) { return new QPushButton(QStringLiteral("Kitas"), w); }, false},
      {"another TLbButton", [](QWidget* w) { return new TLbButton(w); }, false},
  };
  for (const DefaultCase& c : cases) {
    SCOPED_TRACE(c.focused);
    auto window = Window();
    TLbButton* defaultButton = Button(window.get());
    defaultButton->SetDefault(true);
    QWidget* focused = c.make(window.get());
    focused->setGeometry(10, 100, 100, 20);
    focused->setFocusPolicy(Qt::StrongFocus);
    focused->show();
    focused->setFocus();
    ASSERT_TRUE(focused->hasFocus());
    QSignalSpy clicked(defaultButton, &TLbButton::OnClick);
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), c.defaultClicked ? 1 : 0);
  }
}

TEST(LbButtonDialogKeys, theFocusedDefaultButtonClicksOnceByItsOwnKeyHandling) {
  auto window = Window();
  TLbButton* b = Button(window.get());
  b->SetDefault(true);
  b->setFocus();
  QSignalSpy clicked(b, &TLbButton::OnClick);
  QTest::keyClick(b, Qt::Key_Return);
  EXPECT_EQ(clicked.count(), 1);
}

TEST(LbButtonDialogKeys, escapeGoesToTheCancelButtonUnlessShiftIsHeld) {
  auto window = Window();
  TLbButton* cancel = Button(window.get());
  cancel->SetCancel(true);
  cancel->SetModalResult(2);
  auto* edit = new QLineEdit(window.get());
  edit->setGeometry(10, 100, 100, 20);
  edit->show();
  edit->setFocus();
  QSignalSpy clicked(cancel, &TLbButton::OnClick);
  QTest::keyClick(edit, Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_EQ(clicked.count(), 0);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(window->results, std::vector<int>{2});
  // Enter is not Cancel's key.
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(clicked.count(), 1);
}

TEST(LbButtonKinds, eachStockKindSetsCaptionModalResultAndATwoCellGlyph) {
  struct Case {
    TLbButtonKind kind;
    const char* caption;
    int modalResult;
    int glyphHeight;
  };
  const Case cases[] = {
      {TLbButtonKind::bkOK, "OK", 1, 18},           {TLbButtonKind::bkCancel, "Abbrechen", 2, 18},
      {TLbButtonKind::bkHelp, "Hilfe", 0, 18},      {TLbButtonKind::bkYes, "Ja", 6, 18},
      {TLbButtonKind::bkNo, "Nein", 7, 18},         {TLbButtonKind::bkClose, "Schließen", 0, 18},
      {TLbButtonKind::bkAbort, "Abbrechen", 3, 18}, {TLbButtonKind::bkRetry, "Wiederholen", 4, 18},
      {TLbButtonKind::bkIgnore, "Ignorieren", 5, 18}, {TLbButtonKind::bkAll, "Alle", 8, 19},
  };
  for (const Case& c : cases) {
    TLbButton b;
    b.SetKind(c.kind);
    EXPECT_EQ(b.Kind(), c.kind);
    EXPECT_EQ(b.Caption(), QString::fromUtf8(c.caption));
    EXPECT_EQ(b.ModalResult(), c.modalResult) << c.caption;
    EXPECT_EQ(b.NumGlyphs(), 2) << c.caption;
    EXPECT_EQ(b.Glyph().size(), QSize(36, c.glyphHeight)) << c.caption;
  }
}

TEST(LbButtonKinds, laterModalResultOrGlyphMakesTheKindCustomButKeepsTheRest) {
  TLbButton b;
  b.SetKind(TLbButtonKind::bkAbort);
  b.SetModalResult(5);
  EXPECT_EQ(b.Kind(), TLbButtonKind::bkCustom);
  EXPECT_EQ(b.Caption(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(b.NumGlyphs(), 2);

  b.SetKind(TLbButtonKind::bkOK);
  QImage strip(60, 20, QImage::Format_RGB32);
  strip.fill(Qt::red);
  b.SetGlyph(strip);
  EXPECT_EQ(b.Kind(), TLbButtonKind::bkCustom);
  EXPECT_EQ(b.NumGlyphs(), 3);
  b.SetGlyph(QImage());
  EXPECT_EQ(b.NumGlyphs(), 0);
}

TEST(LbButtonLook, focusCountsAsHotForTheBevelAndAddsADottedFrame) {
  auto window = Window();
  TLbButton* b = Button(window.get(), QRect(10, 10, 17, 17));
  b->SetCaption(QString());
  b->SetColor(FromRgb(132, 146, 181));
  b->SetLightColor(kClBlack);
  b->SetShadowColor(kClBlack);
  b->SetHotTrackColor(FromRgb(199, 199, 202));
  b->SetFlat(true);
  Settle();
  constexpr QRgb kFace = 0x8492B5;
  QImage shot = b->grab().toImage();
  EXPECT_EQ(shot.pixel(0, 0) & 0xFFFFFF, kFace);

  b->setFocus();
  Settle();
  shot = b->grab().toImage();
  EXPECT_EQ(shot.pixel(0, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(shot.pixel(16, 16) & 0xFFFFFF, 0u);
  // The face keeps its colour: only the pointer brings the hot colour.
  EXPECT_EQ(shot.pixel(2, 2) & 0xFFFFFF, kFace);
  // Dotted from (4,4) to (13,13): every other pixel.
  EXPECT_NE(shot.pixel(4, 4) & 0xFFFFFF, kFace);
  EXPECT_EQ(shot.pixel(5, 4) & 0xFFFFFF, kFace);
  EXPECT_NE(shot.pixel(6, 4) & 0xFFFFFF, kFace);
  EXPECT_NE(shot.pixel(4, 12) & 0xFFFFFF, kFace);
  EXPECT_EQ(shot.pixel(3, 4) & 0xFFFFFF, kFace);
  EXPECT_EQ(shot.pixel(8, 8) & 0xFFFFFF, kFace);
}

}  // namespace
}  // namespace rova
