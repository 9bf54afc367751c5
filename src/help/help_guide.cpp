// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_guide.h"

namespace rova::help {

const std::vector<GuideSection>& GuideSections() {
  static const std::vector<GuideSection> sections{
      {QStringLiteral("apie"), QStringLiteral("Apie programą"),
       QStringLiteral(
           "<p>ROVA 2004 padeda pakartoti pagrindinės mokyklos matematikos kursą. Kursas suskirstytas į 18 "
           "temų. Kiekviena tema turi savo žinyno puslapį su formulėmis ir sąvokomis bei penkis testo "
           "uždavinius.</p>"
           "<p>Programa turi dvi pagrindines dalis: žinyną (<b>Žinynas</b>), kuriame surinktos formulės ir "
           "sąvokos, ir testus (<b>Testai</b>). Kiekvienas įvertintas atsakymas įrašomas, todėl lange "
           "<b>Statistika</b> visada matysite, kaip Jums sekasi.</p>")},
      {QStringLiteral("registracija"), QStringLiteral("Registracija"),
       QStringLiteral(
           "<p>Pirmą kartą naudodamiesi programa, užsiregistruokite. Prisijungimo lange paspauskite "
           "mygtuką <b>Registruotis</b>: langas padidės ir atsiras registracijos forma.</p>"
           "<p>Užpildykite visus šešis laukelius: vartotojo vardą, slaptažodį, el. pašto adresą, vardą, "
           "pavardę ir klasę. Tada apačioje paspauskite <b>Registruotis</b>. Jei bent vienas laukelis "
           "tuščias, programa paprašys jį užpildyti; jei toks vartotojo vardas jau yra, pasirinkite kitą. "
           "Sėkmingai užsiregistravę, prisijunkite viršutinėje lango dalyje.</p>"
           "<p>Vartotojo varde skiriamos didžiosios ir mažosios raidės: <i>Jonas</i> ir <i>jonas</i> yra "
           "du skirtingi vartotojai. Mygtukas <b>Išvalyti</b> ištrina, ką įvedėte formoje.</p>"
           "<p>Iš vartotojo vardo sudaromi Jūsų rezultatų failų pavadinimai, todėl kai kurių vardų programa "
           "nepriima. Vardas negali būti vien taškas ar du taškai, jame negali būti pasvirųjų brūkšnių "
           "(/ ir \\), valdymo ženklų ar rašmenų, kurių nėra lietuviškoje koduotėje "
           "(pavyzdžiui, kirilicos raidžių ar jaustukų). Per ilgo vardo programa taip pat nepriima ir "
           "praneša, kiek ženklų jame gali būti. Tokiu atveju pasirinkite kitą vardą.</p>")},
      {QStringLiteral("prisijungimas"), QStringLiteral("Prisijungimas"),
       QStringLiteral(
           "<p>Paleidus programą, keletą sekundžių rodomas pradžios paveikslėlis, o po jo atsiveria "
           "prisijungimo langas. Įveskite savo vartotojo vardą ir slaptažodį, tada paspauskite "
           "<b>Prisijungti</b>.</p>"
           "<p>Jei vardas arba slaptažodis neteisingas, programa tai praneš ir galėsite bandyti dar kartą. "
           "Prisijungus atsiveria pagrindinis langas su programos meniu. Norėdami prisijungti kitu vardu, "
           "programą uždarykite ir paleiskite iš naujo.</p>")},
      {QStringLiteral("meniu"), QStringLiteral("Programos meniu"),
       QStringLiteral(
           "<p>Pagrindinio lango kairėje yra programos meniu:</p>"
           "<ul>"
           "<li><b>Testai</b> – testų temų sąrašas;</li>"
           "<li><b>Žinynas</b> – formulės ir sąvokos pagal temas;</li>"
           "<li><b>Statistika</b> – Jūsų atsakymų suvestinė;</li>"
           "<li><b>Apie programą</b> – programos versija;</li>"
           "<li><b>Pagalba</b> – šis vadovas;</li>"
           "<li><b>Išeiti</b> – programa iškart uždaroma.</li>"
           "</ul>"
           "<p>Testų ir žinyno languose paspaudus mygtuką <b>X</b> viršutiniame dešiniajame kampe, programa "
           "paklausia, ar norite uždaryti programą, ar grįžti. Pasirinkus <b>Grįžti į ankstesnį langą</b>, iš "
           "uždavinio lango grįžtama į testų temų sąrašą (ne į ankstesnį uždavinį: jam atverti skirtas "
           "mygtukas <b>Buvęs uždavinys</b>), iš žinyno puslapio – į žinyno temų sąrašą, o iš temų "
           "sąrašo – į pagrindinį langą. Tik žinyno lango <b>Keturkampių skirstymas</b> mygtukas <b>X</b> "
           "nieko neklausia: jis uždaro tą langą ir grąžina į temos „Keturkampiai“ puslapį. Išeinant nieko "
           "išsaugoti nereikia: kiekvienas įvertintas atsakymas įrašomas iškart.</p>")},
      {QStringLiteral("testai"), QStringLiteral("Testai"),
       QStringLiteral(
           "<p>Paspaudę mygtuką <b>Testai</b>, pamatysite 18 temų sąrašą. Paspaudus temą, atsiveria jos pirmasis "
           "uždavinys. Kiekvienoje temoje yra penki uždaviniai; tarp jų pereinama mygtukais <b>Sekantis "
           "uždavinys</b> ir <b>Buvęs uždavinys</b>.</p>"
           "<p>Uždavinio lange yra sąlyga, atsakymo laukeliai arba pasirinkimo mygtukai ir juodraštis "
           "skaičiavimams. Įvedę atsakymą, paspauskite <b>Tikrinti atsakymą</b> arba, kai žymeklis yra "
           "atsakymo laukelyje, klavišą <b>Enter</b>: programa iškart praneš, ar atsakymas teisingas, ir "
           "šį patikrinimą įskaitys statistikoje. Pranešimo lange paspaudę <b>Grįžti</b>, vėl matysite "
           "uždavinį su savo įrašais, tad atsakymą galite pataisyti ir patikrinti dar kartą.</p>"
           "<p>Įrašai ir juodraštis išlieka, kol programa veikia, net jei uždavinio langą uždarote ir vėliau "
           "vėl atveriate.</p>")},
      {QStringLiteral("vertinimas"), QStringLiteral("Kaip vertinami atsakymai"),
       QStringLiteral(
           "<p>Atsakymas lyginamas su teisingu tiksliai, ženklas po ženklo, todėl rašykite jį be tarpų ir "
           "be nereikalingų ženklų. Matavimo vienetų nerašykite: atsakymas su vienetu (pavyzdžiui, "
           "<i>125 m</i>) laikomas neteisingu. Jei atsakymas turi matavimo vienetą, jis parašytas šalia "
           "laukelio arba nurodytas sąlygoje.</p>"
           "<ul>"
           "<li><b>Dešimtainės trupmenos</b> rašomos su kableliu: <i>3,5</i>, o ne <i>3.5</i>. Jei "
           "parašysite tašką ten, kur turi būti kablelis, o su kableliu atsakymas būtų teisingas, programa "
           "jo nevertins: ji primins, kad dešimtainės trupmenos rašomos su kableliu, parodys Jūsų skaičių "
           "su kableliu (pavyzdžiui, <i>3,5</i>) ir šis patikrinimas statistikoje nebus skaičiuojamas. "
           "Pataisykite atsakymą ir patikrinkite dar kartą. Neteisingas atsakymas su tašku vertinamas "
           "kaip bet kuris kitas neteisingas atsakymas.</li>"
           "<li><b>Nulių po kablelio gale</b> nerašykite: <i>3,5</i>, o ne <i>3,50</i>, ir <i>35</i>, o ne "
           "<i>35,0</i>. Tik kai uždavinys prašo atsakymo nurodytu tikslumu, pavyzdžiui, 0,1 m tikslumu, ir "
           "paskutinis prašomas skaitmuo yra nulis, jį galima parašyti: tada tinka ir <i>14,0</i>, ir "
           "<i>14</i>.</li>"
           "<li><b>Sveikieji skaičiai</b> rašomi be nulių priekyje ir be pliuso ženklo: jei atsakymas 35, "
           "tai <i>035</i> ar <i>+35</i> bus neteisingi. Didelio skaičiaus skaitmenų tarpais neskirkite: "
           "rašykite <i>12500</i>, o ne <i>12 500</i>.</li>"
           "<li><b>Neigiami skaičiai</b> rašomi su minuso ženklu, kurį įvedate klaviatūros brūkšnelio "
           "klavišu: <i>-7</i>.</li>"
           "<li><b>Raidžių dydis</b> svarbus: <i>3b</i> nėra tas pats, kas <i>3B</i>.</li>"
           "<li><b>Trupmenos.</b> Kai atsakymą reikia parašyti paprastąja trupmena, viršutiniame laukelyje "
           "įrašykite skaitiklį, apatiniame – vardiklį. Rašykite nesuprastinamąją (iki galo suprastintą) "
           "trupmeną: ji įskaitoma visada. Programa padalija skaitiklį iš vardiklio ir dalmenį palygina su "
           "teisingu. Todėl įskaitoma ir kita jai lygi trupmena, jei telpa į laukelius (pavyzdžiui, "
           "<i>2/6</i> vietoj <i>1/3</i>). Abu laukeliai turi būti užpildyti skaičiais, o vardiklis negali "
           "būti nulis. Jei laukelis tuščias, jame įrašytas ne skaičius arba vardiklis lygus nuliui, "
           "programa parodo klaidos pranešimą, ir toks patikrinimas statistikoje neskaičiuojamas. "
           "Išimtis – uždavinys, kuriame reikia rasti, kokį skaičių įrašyti x vietoje, kad lygybė būtų "
           "teisinga. Jame skaitiklis ir vardiklis lyginami su teisingais ženklas po ženklo: tinka tik "
           "nesuprastinamoji trupmena, o tuščias laukelis reiškia neteisingą atsakymą.</li>"
           "<li><b>Pasirinkimo uždaviniai.</b> Kai vietoj laukelių pateikti atsakymo variantai, pažymėkite "
           "mygtuką prie vieno teisingo atsakymo. Pažymėjus kitą mygtuką, ankstesnio žymė panaikinama; "
           "nepažymėjus nė vieno, atsakymas laikomas neteisingu.</li>"
           "<li>Jei uždavinyje yra du laukeliai, teisingai turi būti užpildyti abu.</li>"
           "</ul>"
           "<p>Kiekvienas įvertintas patikrinimas skaičiuojamas: teisingas atsakymas, patikrintas tris "
           "kartus, statistikoje bus įskaitytas tris kartus. Neskaičiuojami tik tie patikrinimai, kuriuos "
           "programa grąžina pataisyti: atsakymas, parašytas su tašku ir teisingas su kableliu, ir "
           "trupmena, kurios laukelis tuščias ar jame įrašytas ne skaičius arba kurios vardiklis lygus "
           "nuliui (išskyrus minėtą uždavinį su x, kuriame toks atsakymas tiesiog neteisingas).</p>")},
      {QStringLiteral("zinynas"), QStringLiteral("Žinynas"),
       QStringLiteral(
           "<p>Žinyne surinktos dažniausiai naudojamos kiekvienos temos formulės ir sąvokos. Paspaudę "
           "mygtuką <b>Žinynas</b>, išsirinkite temą – atsivers jos puslapis. Mygtukas <b>Grįžti</b> grąžina į "
           "temų sąrašą.</p>"
           "<p>Prieš sprendžiant testą verta peržiūrėti tos temos žinyno puslapį.</p>")},
      {QStringLiteral("statistika"), QStringLiteral("Statistika"),
       QStringLiteral(
           "<p>Langas <b>Statistika</b> rodo, kiek kartų atsakėte teisingai, kiek neteisingai ir kiek iš "
           "viso kartų tikrinote atsakymus. Skaičiai suskaičiuojami iš naujo kaskart, kai langą "
           "atveriate, todėl jie visada rodo naujausius rezultatus.</p>")},
      {QStringLiteral("nustatymai"), QStringLiteral("Statistikos nustatymai"),
       QStringLiteral(
           "<p>Statistikos lange paspaudę <b>Nustatymai...</b>, galite pasirinkti, ką skaičiuoti:</p>"
           "<ul>"
           "<li><b>Visos užduotys</b> – visi 90 uždavinių;</li>"
           "<li><b>Atskiros temos</b> – visi uždaviniai temų nuo pasirinktos pirmosios iki pasirinktos "
           "paskutiniosios imtinai; pirmosios temos numeris turi būti mažesnis už paskutiniosios;</li>"
           "<li><b>Atskiros užduotys</b> – vienas pasirinktos temos uždavinys.</li>"
           "</ul>"
           "<p>Pasirinkę atskiras temas ar užduotis, abiejuose sąrašuose pasirinkite numerius. Jei kuriame "
           "nors sąraše liks brūkšneliai <i>--</i>, programa praneš, kas nepasirinkta, ir nieko "
           "neįsimins.</p>"
           "<p>Patvirtinus pasirinkimą, statistika iškart perskaičiuojama. Pasirinkimas įsimenamas: "
           "paleidus programą iš naujo, statistika skaičiuojama pagal jį. Tačiau nustatymų lange po "
           "paleidimo iš naujo vėl būna pažymėta <b>Visos užduotys</b>; paspaudus <b>Patvirtinti</b>, "
           "įsimenamas tas pasirinkimas, kuris tuo metu pažymėtas lange.</p>")},
  };
  return sections;
}

QString GuideDocument() {
  QString html = QStringLiteral("<h1>ROVA 2004 – vartotojo vadovas</h1>");
  for (const GuideSection& section : GuideSections()) {
    html += QStringLiteral("<h2><a name=\"%1\"></a>%2</h2>").arg(section.anchor, section.title);
    html += section.body;
  }
  return html;
}

}  // namespace rova::help
