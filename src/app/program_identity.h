// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_start.h"

namespace rova {

// rova2004 as its command line, desktop and icon know it.
const ProgramIdentity& MainProgramIdentity();

}  // namespace rova
