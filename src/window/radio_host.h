// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rova {

class TAMCbRbHost;

// The one host every radio button of the program draws its box from: the
// strip of round boxes. It is kept as long as the program runs; windows make
// their controls when first shown, so no window owns it.
TAMCbRbHost* SharedRadioHost();

}  // namespace rova
