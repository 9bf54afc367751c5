// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rova {

// While the store waits for its lock (up to about 10 s when a classmate's
// copy holds it), the windows keep painting: between two tries what the
// window system asks to repaint is painted, while the pupil's input and the
// timers wait for the operation to end, so that nothing else starts
// meanwhile. Installed once, for the program's life.
void PaintWhileTheStoreWaits();

// One round of that: the pending paint and window events, no input, no
// timers.
void LetWindowsPaint();

}  // namespace rova
