// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rova {

// Implemented by a window that a button can close with a modal result.
class ModalResultTarget {
 public:
  virtual ~ModalResultTarget() = default;
  virtual void SetModalResult(int result) = 0;
};

}  // namespace rova
