// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every control in each of its states onto one picture for people to
// check by eye: build/.../artifacts/controls_contact_sheet.png.

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "controls/check_radio.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/control_bitmaps.h"
#include "controls/lb_button.h"
#include "controls/fade_worker.h"
#include "controls/lb_speed_button.h"
#include "controls/program_fonts.h"
#include "temp_dir.h"

namespace rova {
namespace {

constexpr TColor kWindowGrey = FromRgb(232, 228, 229);
constexpr TColor kTitleBlue = FromRgb(132, 146, 181);
constexpr TColor kHotGrey = FromRgb(199, 199, 202);

struct Cell {
  QString label;
  QImage image;
};

// One control on a small panel of the windows' colours, in a window of its
// own so that it can hold the focus; `prepare` puts it into a state.
template <typename Control>
QImage Scene(QSize panelSize, QRect place, TColor panelColour, const std::function<void(Control&)>& setUp,
             const std::function<void(Control&)>& prepare = {}) {
  TArtPanel window;
  window.setWindowFlag(Qt::FramelessWindowHint);
  window.resize(panelSize);
  window.SetColor(panelColour);
  window.SetColorHighlight(kClBlack);
  window.SetColorShadow(kClBlack);
  window.SetBevelOuter(TPanelBevel::bvNone);
  auto* control = new Control(&window);
  control->setGeometry(place);
  setUp(*control);
  window.show();
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  (void)QTest::qWaitForWindowExposed(&window);
  // Each state starts from rest: not under the pointer, not focused.
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(control, &leave);
  control->clearFocus();
  if (prepare) prepare(*control);
  QCoreApplication::processEvents();
  return window.grab().toImage();
}

void Enter(QWidget& w) {
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), w.mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(&w, &enter);
}

void Leave(QWidget& w) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&w, &leave);
}

void WindowSpeedButton(TLbSpeedButton& b) {
  b.SetCaption(QStringLiteral("Tikrinti atsakymą"));
  b.SetAlignment(TAlignment::taCenter);
  b.SetLightColor(kClBlack);
  b.SetShadowColor(kClBlack);
  b.SetHotTrackColor(kHotGrey);
}

void CloseButton(TLbButton& b) {
  b.SetCaption(QStringLiteral("X"));
  b.SetColor(kTitleBlue);
  b.SetLightColor(kClBlack);
  b.SetShadowColor(kClBlack);
  b.SetHotTrackColor(kHotGrey);
}

// Lays the cells out in rows with their labels underneath.
QImage Sheet(const std::vector<std::pair<QString, std::vector<Cell>>>& rows) {
  constexpr int kGap = 10;
  constexpr int kLabel = 28;
  const QFont font = SansFont();
  int width = 0;
  int height = kGap;
  for (const auto& [title, cells] : rows) {
    int rowWidth = kGap;
    int rowHeight = 0;
    for (const Cell& c : cells) {
      rowWidth += std::max(c.image.width(), 70) + kGap;
      rowHeight = std::max(rowHeight, c.image.height());
    }
    width = std::max(width, rowWidth);
    height += 16 + rowHeight + kLabel + kGap;
  }
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(QColor(255, 255, 255));
  QPainter p(&sheet);
  p.setFont(font);
  int y = kGap;
  for (const auto& [title, cells] : rows) {
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(kGap, y, width, 14), Qt::AlignLeft | Qt::AlignTop, title);
    y += 16;
    int x = kGap;
    int rowHeight = 0;
    for (const Cell& c : cells) {
      p.drawImage(x, y, c.image);
      p.setPen(QColor(0, 0, 0));
      p.drawText(QRect(x, y + c.image.height() + 2, std::max(c.image.width(), 70), kLabel),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, c.label);
      x += std::max(c.image.width(), 70) + kGap;
      rowHeight = std::max(rowHeight, c.image.height());
    }
    y += rowHeight + kLabel + kGap;
  }
  return sheet;
}

TEST(ContactSheet, showsEveryControlInEachState) {
  TLbButtonThread::SetDefaultPacing(TLbButtonThread::Pacing::Counted);
  std::vector<std::pair<QString, std::vector<Cell>>> rows;

  const QSize speedPanel(119, 33);
  const QRect speedPlace(4, 4, 111, 25);
  using SB = TLbSpeedButton;
  const auto speed = [&](const std::function<void(SB&)>& extra, const std::function<void(SB&)>& prepare = {}) {
    return Scene<SB>(speedPanel, speedPlace, kWindowGrey, [&](SB& b) {
      WindowSpeedButton(b);
      if (extra) extra(b);
    }, prepare);
  };
  rows.push_back({QStringLiteral("Speed button 111 x 25 as the windows use it"),
                  {{QStringLiteral("normal"), speed({})},
                   {QStringLiteral("hot"), speed({}, [](SB& b) { Enter(b); })},
                   {QStringLiteral("fading, step 4"), speed([](SB& b) { b.SetSlowDecease(true); },
                                                            [](SB& b) {
                                                              Enter(b);
                                                              Leave(b);
                                                              b.FadeWorker()->GrantTicks(4);
                                                              while (b.FadeWorker()->TicksRun() < 4)
                                                                QCoreApplication::processEvents();
                                                            })},
                   {QStringLiteral("down"), speed([](SB& b) { b.SetDown(true); })},
                   {QStringLiteral("disabled"), speed([](SB& b) { b.setEnabled(false); })},
                   {QStringLiteral("flat"), speed([](SB& b) { b.SetFlat(true); })},
                   {QStringLiteral("flat, hot"), speed([](SB& b) { b.SetFlat(true); }, [](SB& b) { Enter(b); })},
                   {QStringLiteral("40 wide, cut"), Scene<SB>(QSize(48, 33), QRect(4, 4, 40, 25), kWindowGrey,
                                                              [](SB& b) {
                                                                WindowSpeedButton(b);
                                                                b.SetCaption(QStringLiteral("Sekantis uždavinys"));
                                                              })}}});

  using B = TLbButton;
  const auto close = [&](const std::function<void(B&)>& prepare) {
    return Scene<B>(QSize(25, 21), QRect(4, 2, 17, 17), kTitleBlue, CloseButton, prepare);
  };
  rows.push_back({QStringLiteral("Close button 17 x 17 on the title bar"),
                  {{QStringLiteral("normal"), close({})},
                   {QStringLiteral("hot"), close([](B& b) { Enter(b); })},
                   {QStringLiteral("focused"), close([](B& b) { b.setFocus(); })},
                   {QStringLiteral("pressed"), close([](B& b) {
                      b.setFocus();
                      QTest::mousePress(&b, Qt::LeftButton);
                    })},
                   {QStringLiteral("disabled"), close([](B& b) { b.setEnabled(false); })}}});

  const auto kind = [&](TLbButtonKind k, const std::function<void(B&)>& prepare = {}) {
    return Scene<B>(QSize(108, 31), QRect(4, 4, 100, 23), kWindowGrey, [k](B& b) { b.SetKind(k); }, prepare);
  };
  rows.push_back({QStringLiteral("TLbButton 100 x 23, stock kinds"),
                  {{QStringLiteral("bkOK"), kind(TLbButtonKind::bkOK)},
                   {QStringLiteral("bkCancel focused"), kind(TLbButtonKind::bkCancel, [](B& b) { b.setFocus(); })},
                   {QStringLiteral("bkHelp"), kind(TLbButtonKind::bkHelp)},
                   {QStringLiteral("bkYes pressed"), kind(TLbButtonKind::bkYes, [](B& b) {
                      QTest::mousePress(&b, Qt::LeftButton);
                    })},
                   {QStringLiteral("bkNo disabled"), kind(TLbButtonKind::bkNo, [](B& b) { b.setEnabled(false); })},
                   {QStringLiteral("bkClose"), kind(TLbButtonKind::bkClose)},
                   {QStringLiteral("bkAbort"), kind(TLbButtonKind::bkAbort)},
                   {QStringLiteral("bkRetry"), kind(TLbButtonKind::bkRetry)},
                   {QStringLiteral("bkIgnore"), kind(TLbButtonKind::bkIgnore)},
                   {QStringLiteral("bkAll"), kind(TLbButtonKind::bkAll)}}});

  QMenu menu;
  const auto styled = [&](TLbColorStyle preset, TLbButtonStyle style, const std::function<void(SB&)>& prepare = {}) {
    return Scene<SB>(QSize(108, 31), QRect(4, 4, 100, 23), kWindowGrey, [&](SB& b) {
      b.SetCaption(QStringLiteral("Gerai"));
      b.SetAlignment(TAlignment::taCenter);
      b.SetColorStyle(preset);
      b.SetStyle(style);
    }, prepare);
  };
  const auto downed = [](SB& b) { b.SetDown(true); };
  rows.push_back({QStringLiteral("Face styles and presets (up / down)"),
                  {{QStringLiteral("bsNormal default"), styled(TLbColorStyle::lcsDefault, TLbButtonStyle::bsNormal)},
                   {QStringLiteral("down"), styled(TLbColorStyle::lcsDefault, TLbButtonStyle::bsNormal, downed)},
                   {QStringLiteral("bsEncarta down"), styled(TLbColorStyle::lcsDefault, TLbButtonStyle::bsEncarta, downed)},
                   {QStringLiteral("bsModern gold"), styled(TLbColorStyle::lcsGold, TLbButtonStyle::bsModern)},
                   {QStringLiteral("gold down"), styled(TLbColorStyle::lcsGold, TLbButtonStyle::bsModern, downed)},
                   {QStringLiteral("bsModern aqua"), styled(TLbColorStyle::lcsAqua, TLbButtonStyle::bsModern)},
                   {QStringLiteral("bsOld"), styled(TLbColorStyle::lcsDefault, TLbButtonStyle::bsOld)},
                   {QStringLiteral("bsOld down"), styled(TLbColorStyle::lcsDefault, TLbButtonStyle::bsOld, downed)},
                   {QStringLiteral("bsShape glyph"), Scene<SB>(QSize(108, 31), QRect(4, 4, 100, 23), kWindowGrey,
                                                               [](SB& b) {
                                                                 b.SetCaption(QStringLiteral("Gerai"));
                                                                 b.SetGlyph(ControlBitmap(QStringLiteral("LBOK")));
                                                                 b.SetStyle(TLbButtonStyle::bsShape);
                                                               })},
                   {QStringLiteral("bsQuicken"), styled(TLbColorStyle::lcsQuicken, TLbButtonStyle::bsQuicken)},
                   {QStringLiteral("ultra flat XP hot"),
                    styled(TLbColorStyle::lcsUltraFlatXP, TLbButtonStyle::bsNormal, [](SB& b) { Enter(b); })},
                   {QStringLiteral("popup menu"), Scene<SB>(QSize(108, 31), QRect(4, 4, 100, 23), kWindowGrey,
                                                            [&](SB& b) {
                                                              WindowSpeedButton(b);
                                                              b.SetCaption(QStringLiteral("Meniu"));
                                                              b.SetPopupMenu(&menu);
                                                            })}}});

  const auto layoutCell = [&](TLbButtonLayout layout, int height) {
    return Scene<SB>(QSize(108, height + 8), QRect(4, 4, 100, height), kWindowGrey, [layout](SB& b) {
      b.SetCaption(QStringLiteral("Gerai"));
      b.SetAlignment(TAlignment::taCenter);
      b.SetColorStyle(TLbColorStyle::lcsDefault);
      b.SetGlyph(ControlBitmap(QStringLiteral("LBYES")));
      b.SetLayout(layout);
    });
  };
  rows.push_back({QStringLiteral("Glyph layouts"),
                  {{QStringLiteral("blGlyphLeft"), layoutCell(TLbButtonLayout::blGlyphLeft, 25)},
                   {QStringLiteral("blGlyphRight"), layoutCell(TLbButtonLayout::blGlyphRight, 25)},
                   {QStringLiteral("blGlyphTop"), layoutCell(TLbButtonLayout::blGlyphTop, 44)},
                   {QStringLiteral("blGlyphBottom"), layoutCell(TLbButtonLayout::blGlyphBottom, 44)}}});

  using P = TArtPanel;
  const auto panel = [&](QSize size, const std::function<void(P&)>& setUp) {
    return Scene<P>(size + QSize(8, 8), QRect(QPoint(4, 4), size), FromRgb(255, 255, 255), [&](P& p) {
      p.SetColorHighlight(kClBlack);
      p.SetColorShadow(kClBlack);
      setUp(p);
    });
  };
  QImage corner(6, 6, QImage::Format_RGB32);
  corner.fill(QColor(255, 0, 255));
  for (int i = 0; i < 6; ++i) corner.setPixel(i, i, qRgb(200, 0, 0));
  rows.push_back({QStringLiteral("Bevelled panels"),
                  {{QStringLiteral("title bar"), panel(QSize(230, 21), [](P& p) {
                      p.SetColor(kTitleBlue);
                      p.setFont(SansFont(11, true));
                      p.SetCaption(QStringLiteral("ROVA 2004 - Testai - Funkcija"));
                      p.SetAlignmentHorz(TAlignment::taLeftJustify);
                    })},
                   {QStringLiteral("body, lowered"), panel(QSize(90, 40), [](P& p) {
                      p.SetColor(kWindowGrey);
                      p.SetBevelOuter(TPanelBevel::bvLowered);
                    })},
                   {QStringLiteral("system bevel colours, border 3, inner raised"), panel(QSize(90, 40), [](P& p) {
                      p.SetColorHighlight(kClBtnHighlight);
                      p.SetColorShadow(kClBtnShadow);
                      p.SetBorderWidth(3);
                      p.SetBevelInner(TPanelBevel::bvRaised);
                    })},
                   {QStringLiteral("caption bottom right"), panel(QSize(90, 40), [](P& p) {
                      p.SetColor(kWindowGrey);
                      p.SetCaption(QStringLiteral("Gerai"));
                      p.SetAlignmentHorz(TAlignment::taRightJustify);
                      p.SetAlignmentVert(TAlignmentVert::tavBottom);
                    })},
                   {QStringLiteral("corner images"), panel(QSize(90, 40), [&](P& p) {
                      p.SetColor(kWindowGrey);
                      for (TPanelCorner c : {TPanelCorner::TopLeft, TPanelCorner::TopRight, TPanelCorner::BottomLeft,
                                             TPanelCorner::BottomRight})
                        p.SetEdge(c, corner);
                    })}}});

  using G = TColoredGroupBox;
  const auto group = [&](const QString& caption, TColor border) {
    return Scene<G>(QSize(140, 70), QRect(4, 4, 132, 62), kWindowGrey, [&](G& g) {
      g.SetCaption(caption);
      g.SetBorderColor(border);
    });
  };
  rows.push_back({QStringLiteral("Coloured group boxes"),
                  {{QStringLiteral("window text"), group(QStringLiteral(" Atsakymas: "), kClWindowText)},
                   {QStringLiteral("blue frame"), group(QStringLiteral(" Užduotis nr. 1 "), kTitleBlue)},
                   {QStringLiteral("no caption"), group(QString(), kClWindowText)}}});

  TAMCbRbHost radioHost;
  radioHost.SetGlyph(ControlBitmap(QStringLiteral("AMRADIO")));
  TAMCbRbHost checkHost;
  using R = TAMRadioButton;
  const auto radio = [&](const std::function<void(R&)>& setUp, const std::function<void(R&)>& prepare = {}) {
    return Scene<R>(QSize(20, 20), QRect(4, 4, 12, 12), kWindowGrey, [&](R& r) {
      r.SetHost(&radioHost);
      if (setUp) setUp(r);
    }, prepare);
  };
  const auto radioCaption = [&](const std::function<void(R&)>& setUp, const std::function<void(R&)>& prepare = {}) {
    return Scene<R>(QSize(105, 25), QRect(4, 4, 97, 17), kWindowGrey, [&](R& r) {
      r.SetHost(&checkHost);
      r.SetCaption(QStringLiteral("Atsakymas"));
      if (setUp) setUp(r);
    }, prepare);
  };
  rows.push_back({QStringLiteral("Radio buttons: the task windows' 12 x 12 ones, and with a caption"),
                  {{QStringLiteral("unchecked"), radio({})},
                   {QStringLiteral("checked"), radio([](R& r) { r.SetChecked(true); })},
                   {QStringLiteral("disabled"), radio([](R& r) { r.setEnabled(false); })},
                   {QStringLiteral("disabled checked"), radio([](R& r) {
                      r.SetChecked(true);
                      r.setEnabled(false);
                    })},
                   {QStringLiteral("caption"), radioCaption({})},
                   {QStringLiteral("hot"), radioCaption({}, [](R& r) { Enter(r); })},
                   {QStringLiteral("focused, checked"), radioCaption([](R& r) { r.SetChecked(true); },
                                                                     [](R& r) { r.setFocus(); })},
                   {QStringLiteral("box right"), radioCaption([](R& r) { r.SetAlignment(TAlignment::taRightJustify); })},
                   {QStringLiteral("disabled"), radioCaption([](R& r) { r.setEnabled(false); })},
                   {QStringLiteral("no host"), Scene<R>(QSize(105, 25), QRect(4, 4, 97, 17), kWindowGrey, [](R& r) {
                      r.SetCaption(QStringLiteral("Atsakymas"));
                    })}}});

  using C = TAMCheckBox;
  const auto check = [&](const std::function<void(C&)>& setUp, const std::function<void(C&)>& prepare = {}) {
    return Scene<C>(QSize(105, 25), QRect(4, 4, 97, 17), kWindowGrey, [&](C& c) {
      c.SetHost(&checkHost);
      c.SetCaption(QStringLiteral("Visi uždaviniai"));
      if (setUp) setUp(c);
    }, prepare);
  };
  rows.push_back({QStringLiteral("Check boxes"),
                  {{QStringLiteral("unchecked"), check({})},
                   {QStringLiteral("checked"), check([](C& c) { c.SetChecked(true); })},
                   {QStringLiteral("grayed"), check([](C& c) {
                      c.SetAllowGrayed(true);
                      c.SetState(TCheckBoxState::cbGrayed);
                    })},
                   {QStringLiteral("hot"), check({}, [](C& c) { Enter(c); })},
                   {QStringLiteral("focused"), check({}, [](C& c) { c.setFocus(); })},
                   {QStringLiteral("disabled"), check([](C& c) { c.setEnabled(false); })}}});

  const QImage sheet = Sheet(rows);
  const QString path = testing::ArtifactDir() + QStringLiteral("/controls_contact_sheet.png");
  ASSERT_TRUE(sheet.save(path));
  TLbButtonThread::SetDefaultPacing(TLbButtonThread::Pacing::Clock);
}

}  // namespace
}  // namespace rova
