// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/control_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "controls/check_radio.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"

namespace rova {
namespace {

constexpr char kReadWithAnotherLabel[] = "rovaReadWithAnotherLabel";

QString PlainCaption(QString caption) {
  // "&&" stands for one ampersand; a single "&" only marks the accelerator.
  caption.replace(QLatin1String("&&"), QString(QChar(0xFFFF)));
  caption.remove(QLatin1Char('&'));
  caption.replace(QChar(0xFFFF), QLatin1Char('&'));
  return caption.trimmed();
}

class ControlAccessible : public QAccessibleWidget {
 public:
  ControlAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString name = widget()->accessibleName();
      if (!name.isEmpty()) return name;
      return PlainCaption(widget()->property("Caption").toString());
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto* speed = qobject_cast<const TLbSpeedButton*>(widget())) {
      if (speed->GroupIndex() != 0) s.checkable = true;
      s.checked = speed->GroupIndex() != 0 && speed->Down();
      s.pressed = speed->Down();
    } else if (const auto* button = qobject_cast<const TLbButton*>(widget())) {
      s.pressed = button->Pressed();
      s.defaultButton = button->Default();
    } else if (const auto* box = qobject_cast<const TAMCheckBox*>(widget())) {
      s.checkable = true;
      s.checked = box->State() == TCheckBoxState::cbChecked;
      s.checkStateMixed = box->State() == TCheckBoxState::cbGrayed;
    } else if (const auto* radio = qobject_cast<const TAMRadioButton*>(widget())) {
      s.checkable = true;
      s.checked = radio->Checked();
    }
    return s;
  }

  QStringList actionNames() const override {
    if (role() == QAccessible::PushButton) return {pressAction()};
    return {toggleAction()};
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& name) override {
    if (!widget()->isEnabled()) return;
    if (name != pressAction() && name != toggleAction()) return;
    if (auto* speed = qobject_cast<TLbSpeedButton*>(widget()))
      speed->Click();
    else if (auto* button = qobject_cast<TLbButton*>(widget()))
      button->Click();
    else if (auto* choice = qobject_cast<TAMCbRbBase*>(widget()))
      choice->Click();
  }
};

// A group box says which part of the window its fields are in; a panel with
// a caption is a title bar drawn inside the window and reads as its text.
// Both are named by their caption, the blanks around it left out.
class CaptionedAccessible : public QAccessibleWidget {
 public:
  CaptionedAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString name = widget()->accessibleName();
      return name.isEmpty() ? widget()->property("Caption").toString().trimmed() : name;
    }
    return QAccessibleWidget::text(t);
  }
};

// Seen but not read: a piece of a formula another label reads whole.
class SilentAccessible : public QAccessibleWidget {
 public:
  explicit SilentAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

  QString text(QAccessible::Text) const override { return {}; }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = true;
    return s;
  }
};

QAccessibleInterface* ControlFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (widget->property(kReadWithAnotherLabel).toBool()) return new SilentAccessible(widget);
  if (qobject_cast<TColoredGroupBox*>(widget)) return new CaptionedAccessible(widget, QAccessible::Grouping);
  if (const auto* panel = qobject_cast<TArtPanel*>(widget); panel != nullptr && !panel->Caption().isEmpty()) {
    return new CaptionedAccessible(widget, QAccessible::StaticText);
  }
  if (qobject_cast<TLbButtonBase*>(widget)) return new ControlAccessible(widget, QAccessible::PushButton);
  if (qobject_cast<TAMRadioButton*>(widget)) return new ControlAccessible(widget, QAccessible::RadioButton);
  if (qobject_cast<TAMCheckBox*>(widget)) return new ControlAccessible(widget, QAccessible::CheckBox);
  return nullptr;
}

}  // namespace

void ReadWithAnotherLabel(QWidget* label) {
  InstallControlAccessibility();
  label->setProperty(kReadWithAnotherLabel, true);
  // The label may have been described already, as its text was set.
  QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(label)));
}

bool IsReadWithAnotherLabel(const QWidget& label) { return label.property(kReadWithAnotherLabel).toBool(); }

void InstallControlAccessibility() {
  static const bool installed = (QAccessible::installFactory(ControlFactory), true);
  Q_UNUSED(installed);
}

}  // namespace rova
