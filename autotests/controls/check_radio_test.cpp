// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "control_test_support.h"
#include "controls/check_radio.h"
#include "controls/colored_group_box.h"
#include "controls/control_bitmaps.h"
#include "controls/focus_cues.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"

namespace rova {
namespace {

using testing::ShownWindow;

constexpr TColor kBody = FromRgb(232, 228, 229);

template <typename Control>
Control* Place(QWidget* parent, TAMCbRbHost* host, QRect geometry) {
  auto* c = new Control(parent);
  c->setGeometry(geometry);
  c->SetHost(host);
  c->SetColor(kBody);
  c->show();
  return c;
}

TEST(RadioButtonGroups, clickingChecksOneOfItsParentAndLeavesOtherParentsAlone) {
  auto window = ShownWindow(QSize(300, 200));
  TAMCbRbHost host(window.get());
  auto* groupA = new TColoredGroupBox(window.get());
  groupA->setGeometry(0, 0, 150, 100);
  auto* groupB = new TColoredGroupBox(window.get());
  groupB->setGeometry(150, 0, 150, 100);
  groupA->show();
  groupB->show();
  TAMRadioButton* a[3];
  for (int i = 0; i < 3; ++i) a[i] = Place<TAMRadioButton>(groupA, &host, QRect(10, 10 + 20 * i, 12, 12));
  TAMRadioButton* b = Place<TAMRadioButton>(groupB, &host, QRect(10, 10, 12, 12));
  TAMRadioButton* onWindow = Place<TAMRadioButton>(window.get(), &host, QRect(10, 150, 12, 12));
  b->SetChecked(true);
  onWindow->SetChecked(true);

  QTest::mouseClick(a[0], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(a[0]->Checked());
  QTest::mouseClick(a[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(a[0]->Checked());
  EXPECT_TRUE(a[1]->Checked());
  EXPECT_FALSE(a[2]->Checked());
  QTest::mouseClick(a[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(a[1]->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(onWindow->Checked());
}

TEST(RadioButtonGroups, onClickSeesTheStateFromBeforeTheClick) {
  auto window = ShownWindow();
  TAMCbRbHost host(window.get());
  TAMRadioButton* r = Place<TAMRadioButton>(window.get(), &host, QRect(10, 10, 97, 17));
  bool checkedInHandler = true;
  QObject::connect(r, &TAMRadioButton::OnClick, [&] { checkedInHandler = r->Checked(); });
  QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(checkedInHandler);
  EXPECT_TRUE(r->Checked());
}

TEST(RadioButtonGroups, disabledRadioShowsTheGreyCellButItsCheckedCanBeSetInCode) {
  auto window = ShownWindow();
  TAMCbRbHost host(window.get());
  TAMRadioButton* r = Place<TAMRadioButton>(window.get(), &host, QRect(10, 10, 12, 12));
  r->setEnabled(false);
  EXPECT_EQ(r->CellIndex(), 2);
  r->SetChecked(true);
  EXPECT_TRUE(r->Checked());
  EXPECT_EQ(r->CellIndex(), 2);
  QSignalSpy clicked(r, &TAMRadioButton::OnClick);
  QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicked.count(), 0);
}

// The group is one Tab stop, the checked button or else the first; arrows
// move through it, checking what they reach, and the focus mark goes round
// the label that says what the button chooses, once the keyboard is in use.
TEST(RadioButtonGroups, oneTabStopArrowsCheckAndTheMarkGoesRoundTheLabel) {
  HideFocusCues();
  auto window = ShownWindow(QSize(300, 200));
  TAMCbRbHost host(window.get());
  TAMRadioButton* radios[3];
  QLabel* labels[3];
  for (int i = 0; i < 3; ++i) {
    radios[i] = Place<TAMRadioButton>(window.get(), &host, QRect(10 + 80 * i, 10, 12, 12));
    labels[i] = new QLabel(QStringLiteral("Taip"), window.get());
    labels[i]->move(26 + 80 * i, 9);
    labels[i]->show();
    radios[i]->SetCaptionLabels({labels[i]});
  }
  const auto stops = [&] {
    std::vector<bool> stop;
    for (TAMRadioButton* radio : radios) stop.push_back(radio->focusPolicy() & Qt::TabFocus);
    return stop;
  };
  EXPECT_EQ(stops(), (std::vector<bool>{true, false, false}));
  radios[2]->SetChecked(true);
  EXPECT_EQ(stops(), (std::vector<bool>{false, false, true}));

  const QImage before = window->grab().toImage();
  radios[2]->setFocus(Qt::OtherFocusReason);
  testing::Settle();
  EXPECT_EQ(window->grab().toImage(), before) << "no mark until the keyboard is used";
  QTest::keyClick(radios[2], Qt::Key_Left);
  EXPECT_TRUE(radios[1]->hasFocus());
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_FALSE(radios[2]->Checked());
  testing::Settle();
  const QImage marked = window->grab().toImage();
  const QRect around = labels[1]->geometry().adjusted(-2, -1, 1, 0);
  EXPECT_EQ(marked.pixel(around.topLeft()) & 0xFFFFFF, 0u) << "the dotted frame's first dot";
  EXPECT_EQ(marked.copy(radios[1]->geometry()), radios[1]->Render().convertToFormat(marked.format()))
      << "the box itself unmarked";
  QTest::keyClick(radios[1], Qt::Key_Left);
  QTest::keyClick(radios[0], Qt::Key_Left);
  EXPECT_TRUE(radios[0]->hasFocus()) << "no wrapping past the first";
  HideFocusCues();
}

TEST(CheckBoxStates, threeClicksCycleThroughGrayedAndCheckedBackToUnchecked) {
  auto window = ShownWindow();
  TAMCbRbHost host(window.get());
  TAMCheckBox* c = Place<TAMCheckBox>(window.get(), &host, QRect(10, 10, 97, 17));
  c->SetAllowGrayed(true);
  std::vector<std::pair<TCheckBoxState, int>> seen;
  for (int i = 0; i < 3; ++i) {
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, 5));
    seen.emplace_back(c->State(), c->CellIndex());
  }
  const std::vector<std::pair<TCheckBoxState, int>> expected = {
      {TCheckBoxState::cbGrayed, 3}, {TCheckBoxState::cbChecked, 1}, {TCheckBoxState::cbUnchecked, 0}};
  EXPECT_EQ(seen, expected);

  c->SetAllowGrayed(false);
  QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(c->State(), TCheckBoxState::cbChecked);
  EXPECT_TRUE(c->Checked());
  // Space, released while focused, clicks too.
  c->setFocus();
  QTest::keyClick(c, Qt::Key_Space);
  EXPECT_EQ(c->State(), TCheckBoxState::cbUnchecked);
}

TEST(CheckBoxStates, settersRefuseChangesOnADisabledBoxAndGrayedWithoutAllowGrayed) {
  TAMCheckBox c;
  c.SetState(TCheckBoxState::cbGrayed);
  EXPECT_EQ(c.State(), TCheckBoxState::cbUnchecked);
  c.setEnabled(false);
  c.SetChecked(true);
  EXPECT_FALSE(c.Checked());
  c.setEnabled(true);
  c.SetChecked(true);
  EXPECT_EQ(c.State(), TCheckBoxState::cbChecked);
  c.SetAllowGrayed(true);
  c.SetAllowGrayed(false);
  EXPECT_EQ(c.State(), TCheckBoxState::cbUnchecked);
  EXPECT_FALSE(c.Checked());
  // Turning AllowGrayed off unchecks through the State setter, which a
  // disabled box refuses.
  c.SetChecked(true);
  c.SetAllowGrayed(true);
  c.setEnabled(false);
  c.SetAllowGrayed(false);
  EXPECT_FALSE(c.AllowGrayed());
  EXPECT_EQ(c.State(), TCheckBoxState::cbChecked);
  EXPECT_TRUE(c.Checked());
}

TEST(ChoiceLook, twelvePixelRadioWithTenPixelCellShowsOnlyTheBoxAtOneOne) {
  TAMCbRbHost host;
  host.SetGlyph(ControlBitmap(QStringLiteral("AMRADIO")));
  ASSERT_EQ(host.CellSize(), QSize(10, 10));
  TAMRadioButton r;
  r.resize(12, 12);
  r.SetHost(&host);
  r.SetColor(kBody);
  r.SetChecked(true);
  const QImage image = r.Render();
  const QImage cell = host.Cell(1);
  const QRgb body = Resolve(kBody).rgb();
  const QRgb key = Resolve(host.TransparentColor()).rgb();
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inBox = x >= 1 && x < 11 && y >= 1 && y < 11;
      QRgb expected = body;
      if (inBox) expected = cell.pixel(x - 1, y - 1) == key ? body : cell.pixel(x - 1, y - 1);
      ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
    }
}

TEST(ChoiceLook, captionTakesTheHostsActiveColourUnderThePointerAndGreyWhenDisabled) {
  auto window = ShownWindow();
  TAMCbRbHost host(window.get());
  host.FontActive()->SetColor(FromRgb(255, 0, 0));
  TAMCheckBox* c = Place<TAMCheckBox>(window.get(), &host, QRect(10, 10, 97, 17));
  c->SetCaption(QStringLiteral("Visi"));
  const auto captionHas = [&](QRgb colour) {
    const QImage image = c->Render();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 14; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) == colour) return true;
    return false;
  };
  EXPECT_TRUE(captionHas(0x000000));
  QTest::mouseMove(window.get(), QPoint(30, 15));
  EXPECT_TRUE(c->Hot());
  EXPECT_TRUE(captionHas(0xFF0000));
  EXPECT_FALSE(captionHas(0x000000));
  c->setEnabled(false);
  EXPECT_TRUE(captionHas(0x808080));
}

TEST(ChoiceLook, boldWordTooWideForTheCaptionAreaEndsInAnEllipsis) {
  // Fits by the plain strike, not as overstruck bold: it must still be
  // shortened, not cut through a letter at the edge.
  TAMCbRbHost host;
  host.FontInactive()->SetStyle(TFontStyle::fsBold);
  const QString word = QStringLiteral("Sekantisuždavinys");
  TAMCheckBox c;
  c.SetHost(&host);
  c.SetColor(kBody);
  const int left = host.CellSize().width() + host.Margin();
  const QFont bold = host.FontInactive()->Apply(c.font());
  const int areaWidth = QFontMetrics(bold).horizontalAdvance(word) + 1;
  c.resize(left + areaWidth + 1, 17);
  c.SetCaption(word);
  const QImage image = c.Render();
  const QRgb body = Resolve(kBody).rgb();
  int lastColumn = -1;
  for (int x = left; x < left + areaWidth; ++x)
    for (int y = 1; y < 16; ++y)
      if (image.pixel(x, y) != body) lastColumn = x;
  ASSERT_GE(lastColumn, 0);
  // The last inked column holds a dot of the ellipsis, not a letter's stem.
  int inked = 0;
  for (int y = 1; y < 16; ++y) inked += image.pixel(lastColumn, y) != body;
  EXPECT_LE(inked, 2);
}

TEST(ChoiceHost, emptyGlyphBringsBackTheDefaultStripAndChangesRepaintClients) {
  auto window = ShownWindow();
  TAMCbRbHost host(window.get());
  EXPECT_EQ(host.Glyph().size(), QSize(48, 12));
  host.SetGlyph(ControlBitmap(QStringLiteral("AMRADIO")));
  EXPECT_EQ(host.Glyph().size(), QSize(40, 10));
  host.SetGlyph(QImage());
  EXPECT_EQ(host.Glyph(), ControlBitmap(QStringLiteral("DEFCHK")));

  TAMRadioButton* r = Place<TAMRadioButton>(window.get(), &host, QRect(10, 10, 97, 17));
  testing::Settle();
  testing::PaintCounter paints(r);
  host.SetMargin(3);
  testing::Settle();
  EXPECT_EQ(paints.count(), 1);
}

TEST(ChoiceHost, aHostOnAnotherWindowServesAndItsRemovalLeavesThePlaceholder) {
  auto hostWindow = std::make_unique<QWidget>();
  auto* host = new TAMCbRbHost(hostWindow.get());
  auto window = ShownWindow();
  TAMRadioButton* r = Place<TAMRadioButton>(window.get(), host, QRect(10, 10, 97, 17));
  r->SetCaption(QStringLiteral("Atsakymas"));
  EXPECT_EQ(r->Host(), host);
  const QImage withHost = r->Render();
  hostWindow.reset();
  EXPECT_EQ(r->Host(), nullptr);
  const QImage placeholder = r->Render();
  EXPECT_NE(withHost, placeholder);
  // Dotted outline round the client area.
  EXPECT_NE(placeholder.pixel(0, 0), Resolve(kBody).rgb());
}

struct AccessibleCase {
  const char* name;
  std::function<QWidget*(QWidget*)> make;
  QAccessible::Role role;
  QString caption;
  bool checkable;
  bool checked;
};

TEST(ControlAccessibility, eachControlReportsRoleCaptionAndCheckedState) {
  auto window = ShownWindow();
  const std::vector<AccessibleCase> cases = {
      {"speed button",
       [](QWidget* w) {
         auto* b = new TLbSpeedButton(w);
         b->SetCaption(QStringLiteral("&Tikrinti atsakymą"));
         return b;
       },
       QAccessible::PushButton, QStringLiteral("Tikrinti atsakymą"), false, false},
      {"close button",
       [](QWidget* w) {
         auto* b = new TLbButton(w);
         b->SetCaption(QStringLiteral("X"));
         return b;
       },
       QAccessible::PushButton, QStringLiteral("X"), false, false},
      {"radio button",
       [](QWidget* w) {
         auto* r = new TAMRadioButton(w);
         r->SetCaption(QStringLiteral("Atsakymas"));
         r->SetChecked(true);
         return r;
       },
       QAccessible::RadioButton, QStringLiteral("Atsakymas"), true, true},
      {"check box",
       [](QWidget* w) {
         auto* c = new TAMCheckBox(w);
         c->SetCaption(QStringLiteral("Visi"));
         return c;
       },
       QAccessible::CheckBox, QStringLiteral("Visi"), true, false},
  };
  for (const AccessibleCase& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget* control = c.make(window.get());
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), c.role);
    EXPECT_EQ(face->text(QAccessible::Name), c.caption);
    EXPECT_EQ(face->state().checkable, c.checkable);
    EXPECT_EQ(face->state().checked, c.checked);
  }
}

TEST(ControlAccessibility, pressActionClicksAndTheNewStateIsReported) {
  auto window = ShownWindow();
  auto* c = new TAMCheckBox(window.get());
  c->show();
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(c);
  ASSERT_NE(face->actionInterface(), nullptr);
  face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(c->Checked());
  EXPECT_TRUE(face->state().checked);
}

}  // namespace
}  // namespace rova
