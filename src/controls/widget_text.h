// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QPaintEvent>
#include <QRegion>
#include <type_traits>

class QWidget;

namespace rova {

// On a scaled screen, paints `region` of `surface` again, as its class
// paints it, into a ScaledTextDevice over the screen, so that its text in
// the sans face is laid out as at 1x and drawn in the face's rendition for
// the scale. False, having painted nothing, where the screen draws the face
// as it is (1x). The repaint re-enters the surface's paint event, which must
// then paint as its class does.
bool RenderWithScaledText(QWidget* surface, const QRegion& region);

// One of Qt's own widgets (a label, an edit field, the scratch pad) showing
// the sans face at the screen's scale. On a 1x screen it paints exactly as
// `Base`. For a scrolling widget the text is its viewport's.
template <typename Base>
class WithScaledText : public Base {
 public:
  using Base::Base;

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (!rendering_) {
      rendering_ = true;
      const bool painted = RenderWithScaledText(Surface(), event->region());
      rendering_ = false;
      if (painted) return;
    }
    Base::paintEvent(event);
  }

 private:
  QWidget* Surface() {
    if constexpr (std::is_base_of_v<QAbstractScrollArea, Base>) {
      return this->viewport();
    } else {
      return this;
    }
  }
  bool rendering_ = false;
};

// The same for a widget made elsewhere, by an event filter.
void DrawTextAtScreenScale(QWidget* surface);

// A drop-down list whose face and popup list show the sans face at the
// screen's scale; the popup is made, as ever, when it first opens.
class ScaledTextComboBox : public WithScaledText<QComboBox> {
 public:
  using WithScaledText<QComboBox>::WithScaledText;
  void showPopup() override;

 private:
  bool popupWatched_ = false;
};

}  // namespace rova
