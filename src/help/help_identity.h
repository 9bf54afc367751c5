// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/program_start.h"

namespace rova::help {

// rova2004-help as its command line, desktop and icon know it.
const ProgramIdentity& HelpProgramIdentity();

}  // namespace rova::help
