// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_identity.h"

namespace rova::help {

namespace {

// Kept in step with the manual pages rova2004-help(1) in resources/man/.
constexpr const char* kHelpLt =
    "Naudojimas: rova2004-help\n"
    "ROVA 2004 pagalba: kaip naudotis programa ROVA 2004. Ją paleidžia mygtukas \"Pagalba\".\n"
    "\n"
    "  --help     parodyti šią pagalbą ir baigti\n"
    "  --version  parodyti versiją ir baigti\n"
    "\n"
    "Išėjimo kodai: 0 – darbas baigtas; 1 – programos klaida; 2 – nėra ekrano.\n";

constexpr const char* kHelpEn =
    "Usage: rova2004-help\n"
    "ROVA 2004 help: a guide to the program ROVA 2004, started by its \"Pagalba\" button.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 when done; 1 on a program error; 2 without a display.\n";

}  // namespace

const ProgramIdentity& HelpProgramIdentity() {
  static const ProgramIdentity identity{"rova2004-help", "lt.rova2004.Rova2004.Help", kHelpLt, kHelpEn};
  return identity;
}

}  // namespace rova::help
