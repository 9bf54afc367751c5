// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <utility>

#include "textio/program_error.h"

namespace rova::testing {

// The message an operation fails with, or "(no error)" when it succeeds.
template <typename F>
QString MessageOf(F&& operation) {
  try {
    std::forward<F>(operation)();
  } catch (const ProgramError& error) {
    return error.message();
  }
  return QStringLiteral("(no error)");
}

}  // namespace rova::testing
