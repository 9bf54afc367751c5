// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/radio_host.h"

#include <QCoreApplication>

#include "controls/check_radio.h"
#include "controls/control_bitmaps.h"

namespace rova {

TAMCbRbHost* SharedRadioHost() {
  static TAMCbRbHost* host = [] {
    auto* made = new TAMCbRbHost(QCoreApplication::instance());
    made->SetGlyph(ControlBitmap(QStringLiteral("AMRADIO")));
    return made;
  }();
  return host;
}

}  // namespace rova
