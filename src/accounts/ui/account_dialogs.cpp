// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/ui/account_dialogs.h"

namespace rova {

TForm121* Form121 = nullptr;
TForm122* Form122 = nullptr;
TForm123* Form123 = nullptr;
TForm124* Form124 = nullptr;
TForm125* Form125 = nullptr;
TRefusedNameDialog* RefusedNameDialog = nullptr;
TLongNameDialog* LongNameDialog = nullptr;

namespace {

constexpr int kWidth = 275;
constexpr int kTwoLineHeight = 107;
constexpr int kOneLineHeight = 91;

MessageLayout TwoLines(const MessageLine& first, const MessageLine& second) {
  return {kWidth, kTwoLineHeight, {first, second}, {{2, QStringLiteral("Gerai"), QRect(90, 64, 95, 25)}}};
}

// Lithuanian agreement of a count and its noun: 1, 21, 31... "ženklas";
// 2-9, 22-29... "ženklai"; 10-20, 30... "ženklų".
QString CharactersNoun(int count) {
  const int lastTwo = count % 100;
  const int last = count % 10;
  if (last == 1 && lastTwo != 11) return QStringLiteral("ženklas");
  if (last >= 2 && (lastTwo < 12 || lastTwo > 19)) return QStringLiteral("ženklai");
  return QStringLiteral("ženklų");
}

MessageLayout OneLine(const MessageLine& line) {
  return {kWidth, kOneLineHeight, {line}, {{2, QStringLiteral("Gerai"), QRect(90, 48, 95, 25)}}};
}

}  // namespace

TForm121::TForm121()
    : MessageWindow(TwoLines({QStringLiteral("Tokio vartotojo nėra, arba Jūs neteisingai jį įvedėte."), 12, 20},
                             {QStringLiteral("Bandykite dar kartą, arba užsiregistruokite iš naujo."), 14, 36})) {}

TForm122::TForm122()
    : MessageWindow(TwoLines({QStringLiteral("Neteisingai įvestas vartotojo slaptažodis."), 44, 20},
                             {QStringLiteral("Bandykite dar kartą."), 92, 36})) {}

TForm123::TForm123() : MessageWindow(OneLine({QStringLiteral("Registracija baigta sėkmingai!!!"), 60, 20})) {}

TForm124::TForm124() : MessageWindow(OneLine({QStringLiteral("Užpildykite visus formos laukelius!"), 60, 20})) {}

TForm125::TForm125() : MessageWindow(OneLine({QStringLiteral(" Toks vartotojas jau egzistuoja!"), 60, 20})) {}

TRefusedNameDialog::TRefusedNameDialog()
    : MessageWindow(TwoLines({QStringLiteral("Vartotojo varde yra netinkamų simbolių."), 40, 20},
                             {QStringLiteral("Pasirinkite kitą vartotojo vardą."), 54, 36})) {}

TLongNameDialog::TLongNameDialog()
    : MessageWindow(TwoLines({QStringLiteral("Vartotojo vardas per ilgas."), kCentredLine, 20},
                             {QString(), kCentredLine, 36})) {}

QString TLongNameDialog::LimitText(int characters) {
  return QStringLiteral("Jame gali būti ne daugiau kaip %1 %2.").arg(characters).arg(CharactersNoun(characters));
}

void TLongNameDialog::ShowFor(int characters) {
  SetLineText(1, LimitText(characters));
  ShowModal();
}

}  // namespace rova
