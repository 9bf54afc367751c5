// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_frame.h"
#include "window/window_look.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>

#include "window/program_window.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/control_text.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "controls/widget_text.h"

namespace rova {

namespace {

constexpr int kEditInset = 4;
constexpr int kEditHeight = 15;
constexpr int kBodyTop = 26;

// Password edits show a bullet whatever the platform's style would draw.
class BulletPasswordStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return 0x2022;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QStyle* PasswordStyle() {
  static QStyle* style = [] {
    auto* s = new BulletPasswordStyle;
    s->setParent(qApp);
    return s;
  }();
  return style;
}

}  // namespace

void SetWindowColor(QWidget* window, TColor color) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, Resolve(color));
  window->setPalette(palette);
  window->setAutoFillBackground(true);
}

TArtPanel* AddPanel(QWidget* parent, const QRect& rect, TColor color) {
  auto* panel = new TArtPanel(parent);
  panel->setGeometry(rect);
  panel->SetColor(color);
  panel->SetColorHighlight(kClBlack);
  panel->SetColorShadow(kClBlack);
  return panel;
}

TitleBar AddTitleBar(QWidget* window, int clientWidth, const QString& title) {
  TArtPanel* panel = AddPanel(window, QRect(2, 2, clientWidth - 5, kTitleBarHeight), kFrameColor);
  panel->setFont(SansFont(11, true));
  panel->SetFontColor(kClBlack);
  panel->SetAlignmentHorz(TAlignment::taLeftJustify);
  panel->SetCaption(title);
  TLbButton* close = AddTitleBarButton(panel, panel->width() - kCloseButtonSize - 2, QStringLiteral("X"));
  if (auto* programWindow = qobject_cast<ProgramWindow*>(window)) programWindow->SetCloseButton(close);
  return {panel, close};
}

TLbButton* AddTitleBarButton(TArtPanel* titleBar, int x, const QString& caption) {
  auto* button = new TLbButton(titleBar);
  button->setGeometry(x, 2, kCloseButtonSize, kCloseButtonSize);
  button->SetCaption(caption);
  button->SetHotTrackColor(kHotTrackColor);
  button->SetSlowDecease(true);
  // Not among the controls Tab goes through: Escape does what "X" does.
  button->setFocusPolicy(Qt::ClickFocus);
  return button;
}

MainSizeFrame BuildMainSizeFrame(ProgramWindow* window, const QString& title) {
  window->SetClientSize(kMainWindowWidth, kMainWindowHeight);
  SetWindowColor(window, kPanelColor);
  const TitleBar bar = AddTitleBar(window, kMainWindowWidth, title);
  TArtPanel* body =
      AddPanel(window, QRect(2, kBodyTop, kMainWindowWidth - 5, kMainWindowHeight - kBodyTop - 3), kPanelColor);
  return {bar.panel, bar.closeButton, body};
}

TArtPanel* BuildSmallWindowFrame(ProgramWindow* window, int width, int height) {
  window->SetClientSize(width, height);
  SetWindowColor(window, kFrameColor);
  return AddPanel(window, QRect(2, 2, width - 4, height - 4), kPanelColor);
}

namespace {

// A label in a bold face that the font draws no bolder than plain (the
// bitmap sans face): the text is overstruck, as button captions are.
class OverstruckLabel : public QLabel {
 public:
  OverstruckLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

  QSize sizeHint() const override { return QFontMetrics(DrawnFont(font())).size(0, text()); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter canvas(this);
    canvas.setFont(font());
    canvas.setPen(palette().color(foregroundRole()));
    DrawCaption(canvas, rect(), Qt::AlignLeft | Qt::AlignTop, text());
  }
};

}  // namespace

QLabel* AddLabel(QWidget* parent, int x, int y, const QString& text, const QFont& font) {
  if (NeedsOverstrike(font)) return PlaceLabel(new OverstruckLabel(text, parent), x, y, font);
  return PlaceLabel(new WithScaledText<QLabel>(text, parent), x, y, font);
}

QLabel* PlaceLabel(QLabel* label, int x, int y, const QFont& font) {
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  label->move(x, y);
  label->adjustSize();
  return label;
}

TLbSpeedButton* AddSpeedButton(QWidget* parent, const QRect& rect, const QString& caption) {
  auto* button = new TLbSpeedButton(parent);
  button->setGeometry(rect);
  button->SetAlignment(TAlignment::taCenter);
  button->SetCaption(caption);
  button->SetHotTrackColor(kHotTrackColor);
  button->SetSlowDecease(true);
  return button;
}

namespace {

QRect TopicButtonRect(int topic) {
  constexpr int kTopicsPerColumn = 9;
  const bool left = topic <= kTopicsPerColumn;
  const int row = left ? topic - 1 : topic - kTopicsPerColumn - 1;
  QRect rect(left ? 10 : 338, 16 + 32 * row, 295, 25);
  // The last two buttons of the right column stand two pixels further left
  // and are as much wider.
  if (topic >= 17) rect.adjust(-2, 0, 0, 0);
  return rect;
}

}  // namespace

QList<TLbSpeedButton*> AddTopicButtons(QWidget* group, const QStringList& captions,
                                       const std::function<void(int topic)>& click) {
  QList<TLbSpeedButton*> buttons;
  for (int topic = 1; topic <= captions.size(); ++topic) {
    TLbSpeedButton* button = AddSpeedButton(group, TopicButtonRect(topic), captions[topic - 1]);
    button->SetAlignment(TAlignment::taLeftJustify);
    button->setObjectName(QStringLiteral("LbSpeedButton%1").arg(topic));
    QObject::connect(button, &TLbSpeedButton::OnClick, group, [click, topic] { click(topic); });
    buttons.append(button);
  }
  return buttons;
}

TColoredGroupBox* AddGroupBox(QWidget* parent, const QRect& rect, const QString& caption) {
  auto* box = new TColoredGroupBox(parent);
  box->setGeometry(rect);
  box->setFont(SansFont());
  box->SetCaption(caption);
  return box;
}

QLineEdit* AddEdit(QWidget* parent, const QRect& panelRect, bool password) {
  TArtPanel* panel = AddPanel(parent, panelRect, kClWhite);
  auto* edit = new WithScaledText<QLineEdit>(panel);
  edit->setGeometry(kEditInset, kEditInset, panelRect.width() - 2 * kEditInset + 2, kEditHeight);
  edit->setFrame(false);
  edit->setFont(SansFont());
  edit->setTextMargins(0, 0, 0, 0);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  edit->setPalette(palette);
  if (password) {
    edit->setStyle(PasswordStyle());
    edit->setEchoMode(QLineEdit::Password);
  }
  return edit;
}

void NameByLabel(QWidget* field, const QString& label) {
  QString name = label.trimmed();
  if (name.endsWith(QLatin1Char(':'))) name.chop(1);
  field->setAccessibleName(name);
}

}  // namespace rova
