// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_identity.h"

namespace rova::help {

namespace {

// Kept in step with the manual pages rova2004-help(1) in resources/man/.
constexpr const char* kHelp =
    "Naudojimas: rova2004-help\n"
    "Usage: rova2004-help\n"
    "\n"
    "ROVA 2004 pagalba: kaip naudotis programa ROVA 2004. Ją paleidžia mygtukas „Pagalba“.\n"
    "ROVA 2004 help: a guide to the program ROVA 2004, started by its \"Pagalba\" button.\n"
    "\n"
    "  -h, --help     šis tekstas (this text)\n"
    "  --version      programos versija (the program's version)\n"
    "\n"
    "Išėjimo kodas (exit status): 0 – darbas baigtas (done); 1 – programos klaida (program error);\n"
    "2 – nėra ekrano (no display).\n";

}  // namespace

const ProgramIdentity& HelpProgramIdentity() {
  static const ProgramIdentity identity{"rova2004-help", "lt.rova2004.Rova2004.Help", kHelp};
  return identity;
}

}  // namespace rova::help
