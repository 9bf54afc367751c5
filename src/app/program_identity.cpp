// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_identity.h"

namespace rova {

namespace {

// Kept in step with the manual pages rova2004(1) in resources/man/.
constexpr const char* kHelp =
    "Naudojimas: rova2004 [--data-folder APLANKAS]\n"
    "Usage: rova2004 [--data-folder DIR]\n"
    "\n"
    "ROVA 2004: pagrindinės mokyklos matematikos kurso kartojimas.\n"
    "ROVA 2004: review of the basic-school mathematics course, in Lithuanian.\n"
    "\n"
    "  --data-folder APLANKAS, DIR\n"
    "                         mokinių duomenis laikyti šiame aplanke (\".\" – darbinis aplankas)\n"
    "                         keep the pupils' data in this folder (\".\" is the working directory)\n"
    "  -h, --help             šis tekstas (this text)\n"
    "  --version              programos versija (the program's version)\n"
    "\n"
    "Duomenų aplankas parenkamas šia tvarka: parinktis --data-folder; aplinkos kintamasis\n"
    "ROVA2004_DATA_FOLDER; raktas DataFolder= faile /etc/rova2004/rova2004.conf;\n"
    "kitaip ${XDG_DATA_HOME:-~/.local/share}/rova2004 (sukuriamas pirmą kartą paleidus).\n"
    "The data folder is chosen in this order: the option --data-folder; the environment\n"
    "variable ROVA2004_DATA_FOLDER; the key DataFolder= in /etc/rova2004/rova2004.conf;\n"
    "else ${XDG_DATA_HOME:-~/.local/share}/rova2004 (created on first start).\n"
    "\n"
    "Išėjimo kodas (exit status): 0 – darbas baigtas (done); 1 – programos klaida (program error);\n"
    "2 – nėra ekrano, netinkama parinktis arba duomenų aplanko negalima naudoti\n"
    "(no display, a bad option, or the data folder cannot be used).\n";

}  // namespace

const ProgramIdentity& MainProgramIdentity() {
  static const ProgramIdentity identity{"rova2004", "lt.rova2004.Rova2004", kHelp};
  return identity;
}

}  // namespace rova
