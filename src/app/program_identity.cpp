// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_identity.h"

namespace rova {

namespace {

// Kept in step with the manual pages rova2004(1) in resources/man/.
constexpr const char* kHelpLt =
    "Naudojimas: rova2004 [--data-folder APLANKAS]\n"
    "ROVA 2004: pagrindinės mokyklos matematikos kurso kartojimas.\n"
    "\n"
    "  --data-folder APLANKAS  mokinių duomenis laikyti APLANKE (\".\" – darbinis aplankas)\n"
    "  --help                  parodyti šią pagalbą ir baigti\n"
    "  --version               parodyti versiją ir baigti\n"
    "\n"
    "Duomenų aplankas parenkamas šia tvarka: parinktis --data-folder; aplinkos kintamasis\n"
    "ROVA2004_DATA_FOLDER; raktas DataFolder= faile /etc/rova2004/rova2004.conf;\n"
    "kitaip ${XDG_DATA_HOME:-~/.local/share}/rova2004 (sukuriamas pirmą kartą paleidus).\n"
    "\n"
    "Išėjimo kodai: 0 – darbas baigtas; 1 – programos klaida; 2 – nėra ekrano,\n"
    "netinkama parinktis arba duomenų aplanko negalima naudoti.\n";

constexpr const char* kHelpEn =
    "Usage: rova2004 [--data-folder DIR]\n"
    "ROVA 2004: review of the basic-school mathematics course, in Lithuanian.\n"
    "\n"
    "  --data-folder DIR  keep the pupils' data in DIR (\".\" is the working directory)\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n"
    "\n"
    "The data folder is chosen in this order: the option --data-folder; the environment\n"
    "variable ROVA2004_DATA_FOLDER; the key DataFolder= in /etc/rova2004/rova2004.conf;\n"
    "else ${XDG_DATA_HOME:-~/.local/share}/rova2004 (created on first start).\n"
    "\n"
    "Exit status: 0 when done; 1 on a program error; 2 without a display, on a bad\n"
    "option, or when the data folder cannot be used.\n";

}  // namespace

const ProgramIdentity& MainProgramIdentity() {
  static const ProgramIdentity identity{"rova2004", "lt.rova2004.Rova2004", kHelpLt, kHelpEn};
  return identity;
}

}  // namespace rova
