// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of window with the keyboard alone: where the focus is when the
// window opens, the order Tab and Shift+Tab take, where the arrow keys lead,
// and what Escape does. Controls are named as a screen reader reads them.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "accounts/ui/account_dialogs.h"
#include "accounts/ui/login_window.h"
#include "app/about_window.h"
#include "app/exit_confirmation_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/topic_menu_window.h"
#include "controls/check_radio.h"
#include "controls/lb_speed_button.h"
#include "handbook/handbook_index_window.h"
#include "handbook/handbook_page_window.h"
#include "handbook/quadrilaterals_window.h"
#include "program_run.h"
#include "stats/ui/report_window.h"
#include "stats/ui/settings_window.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "temp_dir.h"
#include "window/topic_grid_window.h"
#include "window/window_registry.h"
#include "window_driver.h"

namespace rova {
namespace {

using testing::Later;

// What a screen reader says the control is called.
std::string Name(QWidget* widget) {
  if (widget == nullptr) return "(nothing)";
  const QString name = testing::AccessibleName(widget);
  return (name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name).toStdString();
}

// What Escape does: closes the window, asks first (the exit confirmation,
// answered "Grįžti į ankstesnį langą"), or ends the program.
enum class Escape { Closes, Asks, EndsProgram };

struct Arrows {
  std::string from;
  std::vector<Qt::Key> keys;
  std::string to;
};

struct KeyboardCase {
  const char* name;
  std::function<ProgramWindow*()> window;
  // Done before the window opens.
  std::function<void()> prepare;
  // From the control that has the focus when the window opens, the controls
  // Tab goes through until it comes back; Shift+Tab goes the other way. Left
  // empty for a topic grid: its 18 buttons in the order of the topics.
  std::vector<std::string> tabCycle;
  std::vector<Arrows> arrows;
  Escape escape;
};

void PrintTo(const KeyboardCase& c, std::ostream* os) { *os << c.name; }

std::vector<std::string> TopicCaptions(const QList<TLbSpeedButton*>& buttons) {
  std::vector<std::string> captions;
  for (const TLbSpeedButton* button : buttons) captions.push_back(button->Caption().toStdString());
  return captions;
}

class KeyboardTest : public testing::WithJonasAndWindows, public ::testing::WithParamInterface<KeyboardCase> {
 protected:

  // The window's focus, named; the key is sent where the focus is.
  static std::string Press(ProgramWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window->focusWidget(), key, modifiers);
    return Name(window->focusWidget());
  }

  void Drive(ProgramWindow* window, const KeyboardCase& c) {
    std::vector<std::string> cycle = c.tabCycle;
    if (const auto* grid = qobject_cast<TopicGridWindow*>(window); grid != nullptr && cycle.empty())
      cycle = TopicCaptions(grid->LbSpeedButtons);
    ASSERT_FALSE(cycle.empty());
    EXPECT_EQ(Name(window->focusWidget()), cycle.front()) << "the focus when the window opens";
    QWidget* first = window->focusWidget();
    std::vector<std::string> forward;
    for (std::size_t i = 0; i < cycle.size(); ++i) forward.push_back(Press(window, Qt::Key_Tab));
    std::vector<std::string> expected(cycle.begin() + 1, cycle.end());
    expected.push_back(cycle.front());
    EXPECT_EQ(forward, expected) << "Tab";
    std::vector<std::string> backward;
    for (std::size_t i = 0; i < cycle.size(); ++i) backward.push_back(Press(window, Qt::Key_Backtab, Qt::ShiftModifier));
    expected.assign(cycle.rbegin(), cycle.rend() - 1);
    expected.push_back(cycle.front());
    EXPECT_EQ(backward, expected) << "Shift+Tab";

    for (const Arrows& arrows : c.arrows) {
      // Tab to the starting control, then the arrows.
      for (std::size_t i = 0; i < cycle.size() && Name(window->focusWidget()) != arrows.from; ++i)
        Press(window, Qt::Key_Tab);
      ASSERT_EQ(Name(window->focusWidget()), arrows.from);
      std::string reached;
      for (Qt::Key key : arrows.keys) reached = Press(window, key);
      EXPECT_EQ(reached, arrows.to) << "arrows from " << arrows.from;
      // Reaching a choice with an arrow chooses it.
      if (auto* radio = qobject_cast<TAMRadioButton*>(window->focusWidget())) {
        EXPECT_TRUE(radio->Checked());
      }
    }
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
  }
};

TEST_P(KeyboardTest, focusTabArrowsAndEscape) {
  const KeyboardCase& c = GetParam();
  int asked = 0;
  QObject::connect(Form4, &ProgramWindow::Opened, [&] {
    ++asked;
    Later([] { QTest::keyClick(Form4->focusWidget(), Qt::Key_Return); });  // "Grįžti į ankstesnį langą"
  });
  ProgramWindow* window = nullptr;
  const auto drive = [&] {
    window = c.window();
    Drive(window, c);
  };
  if (c.prepare) c.prepare();
  if (c.window() == Form2) {
    testing::LogInAsJonasThen(drive);
    StartMainWindow();
    QCoreApplication::exec();
  } else {
    // Inside the program's loop, as a window ending the program leaves it.
    QObject::connect(c.window(), &ProgramWindow::Opened, [&] { Later(drive); });
    Later([&] {
      c.window()->ShowModal();
      QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
  }
  ASSERT_NE(window, nullptr);
  switch (c.escape) {
    case Escape::Closes:
      EXPECT_FALSE(window->IsOpen());
      EXPECT_EQ(asked, window == Form4 ? 1 : 0);
      EXPECT_FALSE(ProgramWindow::IsProgramEnding());
      break;
    case Escape::Asks:
      EXPECT_FALSE(window->IsOpen());
      EXPECT_EQ(asked, 1);
      EXPECT_FALSE(ProgramWindow::IsProgramEnding());
      break;
    case Escape::EndsProgram:
      EXPECT_EQ(asked, 0);
      EXPECT_TRUE(ProgramWindow::IsProgramEnding());
      break;
  }
}

const std::string kBack = "Grįžti";

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfWindow, KeyboardTest,
    ::testing::Values(
        KeyboardCase{"login",
                     [] { return static_cast<ProgramWindow*>(Form120); },
                     {},
                     {"Vartotojas", "Slaptažodis", "Prisijungti", "Išvalyti", "Registruotis"},
                     {{"Prisijungti", {Qt::Key_Right}, "Išvalyti"},
                      {"Išvalyti", {Qt::Key_Left, Qt::Key_Down}, "Prisijungti"}},
                     Escape::EndsProgram},
        KeyboardCase{"registration",
                     [] { return static_cast<ProgramWindow*>(Form120); },
                     [] {
                       Form120->EnsureContents();
                       Form120->LbSpeedButton4Click();
                     },
                     {"Vartotojas", "Slaptažodis", "El. paštas", "Vardas", "Pavardė", "Klasė", "Registruotis",
                      "Išvalyti", "Vartotojas", "Slaptažodis", "Prisijungti", "Išvalyti", "Registruotis"},
                     {{"Registruotis", {Qt::Key_Right}, "Išvalyti"}},
                     Escape::EndsProgram},
        KeyboardCase{"main window",
                     [] { return static_cast<ProgramWindow*>(Form2); },
                     {},
                     {"Testai", "Žinynas", "Statistika", "Apie programą", "Pagalba", "Išeiti"},
                     {{"Testai", {Qt::Key_Down, Qt::Key_Down}, "Statistika"},
                      {"Testai", {Qt::Key_Up, Qt::Key_Right}, "Testai"},
                      {"Išeiti", {Qt::Key_Down, Qt::Key_Up}, "Pagalba"}},
                     Escape::EndsProgram},
        KeyboardCase{"topic menu",
                     [] { return static_cast<ProgramWindow*>(Form3); },
                     [] { Form3->EnsureContents(); },
                     {},
                     {{"1. Skaičiai. Skaičių dalumas", {Qt::Key_Down}, "2. Veiksmai su skaičiais"},
                      {"1. Skaičiai. Skaičių dalumas", {Qt::Key_Right}, "10. Funkcijų grafikai"},
                      {"12. Nelygybės. Nelygybių sistemos", {Qt::Key_Left}, "3. Laipsnis. Šaknis"},
                      {"9. Funkcija", {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right}, "18. Panašumas"}},
                     Escape::Asks},
        KeyboardCase{"handbook index",
                     [] { return static_cast<ProgramWindow*>(Form97); },
                     [] { Form97->EnsureContents(); },
                     {},
                     {{"1. Skaičiai. Skaičių dalumas", {Qt::Key_Up, Qt::Key_Down, Qt::Key_Down},
                       "3. Laipsnis. Šaknis"}},
                     Escape::Asks},
        KeyboardCase{"task window, one field",
                     [] { return static_cast<ProgramWindow*>(TaskForm({1, 2})); },
                     {},
                     {"Atsakymas", "Tikrinti atsakymą", "Sekantis uždavinys", "Juodraštis", "Buvęs uždavinys"},
                     {{"Buvęs uždavinys", {Qt::Key_Right}, "Tikrinti atsakymą"},
                      {"Tikrinti atsakymą", {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right}, "Sekantis uždavinys"}},
                     Escape::Asks},
        KeyboardCase{"task window, a fraction",
                     [] { return static_cast<ProgramWindow*>(TaskForm({1, 1})); },
                     {},
                     {"Skaitiklis", "Vardiklis", "Tikrinti atsakymą", "Sekantis uždavinys", "Juodraštis"},
                     {},
                     Escape::Asks},
        KeyboardCase{"task window, choices",
                     [] { return static_cast<ProgramWindow*>(TaskForm({10, 4})); },
                     {},
                     {"y = x²", "Tikrinti atsakymą", "Sekantis uždavinys", "Juodraštis", "Buvęs uždavinys"},
                     {{"y = x²", {Qt::Key_Right, Qt::Key_Right}, "y = 9x²"},
                      {"y = 9x²", {Qt::Key_Right, Qt::Key_Up}, "y = 3x²"}},
                     Escape::Asks},
        KeyboardCase{"verdict",
                     [] { return static_cast<ProgramWindow*>(Form6); },
                     {},
                     {kBack},
                     {{kBack, {Qt::Key_Left}, kBack}},
                     Escape::Closes},
        KeyboardCase{"exit confirmation",
                     [] { return static_cast<ProgramWindow*>(Form4); },
                     {},
                     {"Grįžti į ankstesnį langą", "Išeiti iš programos"},
                     {{"Grįžti į ankstesnį langą", {Qt::Key_Right}, "Išeiti iš programos"}},
                     Escape::Closes},
        KeyboardCase{"account message",
                     [] { return static_cast<ProgramWindow*>(Form121); },
                     {},
                     {"Gerai"},
                     {},
                     Escape::Closes},
        KeyboardCase{"statistics",
                     [] { return static_cast<ProgramWindow*>(Form117); },
                     {},
                     {"Nustatymai...", kBack},
                     {{"Nustatymai...", {Qt::Key_Right}, kBack}},
                     Escape::Closes},
        KeyboardCase{"statistics settings",
                     [] { return static_cast<ProgramWindow*>(Form126); },
                     {},
                     {"Visos užduotys", "Patvirtinti", kBack},
                     {{"Visos užduotys", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, "Atskiros temos"}},
                     Escape::Closes},
        KeyboardCase{"statistics settings, a range",
                     [] { return static_cast<ProgramWindow*>(Form126); },
                     [] {
                       Form126->EnsureContents();
                       Form126->AMRadioButton1->Click();
                     },
                     {"Atskiros temos", "Nuo", "iki", "Patvirtinti", kBack},
                     {{"Patvirtinti", {Qt::Key_Right}, kBack}},
                     Escape::Closes},
        KeyboardCase{"about", [] { return static_cast<ProgramWindow*>(Form118); }, {}, {kBack}, {}, Escape::Closes},
        KeyboardCase{"handbook page with a sub-page",
                     [] { return static_cast<ProgramWindow*>(HandbookPageForm(15)); },
                     {},
                     {"Keturkampių skirstymas", kBack},
                     {{"Keturkampių skirstymas", {Qt::Key_Down}, kBack}},
                     Escape::Asks},
        KeyboardCase{"handbook sub-page",
                     [] { return static_cast<ProgramWindow*>(Form116); },
                     {},
                     {"Uždaryti"},
                     {},
                     Escape::Closes}),
    [](const ::testing::TestParamInfo<KeyboardCase>& info) {
      std::string name;
      for (const char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

// What a screen reader finds as the focus moves: the window's focused child
// is the control the keyboard reached, with its role, name and state.
struct Announced {
  std::string name;
  QAccessible::Role role;
  bool focused;
  bool checked;
  bool operator==(const Announced&) const = default;
};

Announced FocusOf(QWidget* window) {
  QAccessibleInterface* control = QAccessible::queryAccessibleInterface(window)->focusChild();
  if (control == nullptr) return {"(nothing)", QAccessible::NoRole, false, false};
  return {control->text(QAccessible::Name).toStdString(), control->role(), bool(control->state().focused),
          bool(control->state().checked)};
}

class ScreenReaderTest : public KeyboardTest {};

TEST_F(ScreenReaderTest, findsTheControlTheKeyboardReachedWithItsRoleNameAndState) {
  std::vector<Announced> found;
  QObject::connect(Form126, &ProgramWindow::Opened, [&] {
    Later([&] {
      (void)QTest::qWaitForWindowActive(Form126);
      found.push_back(FocusOf(Form126));
      QTest::keyClick(Form126->focusWidget(), Qt::Key_Down);  // "Atskiros temos", chosen
      found.push_back(FocusOf(Form126));
      for (int i = 0; i < 4; ++i) {
        QTest::keyClick(Form126->focusWidget(), Qt::Key_Tab);
        found.push_back(FocusOf(Form126));
      }
      QTest::keyClick(Form126->focusWidget(), Qt::Key_Escape);
    });
  });
  Later([] {
    Form126->ShowModal();
    QCoreApplication::exit(0);
  });
  QCoreApplication::exec();

  using R = QAccessible::Role;
  const std::vector<Announced> expected = {
      {"Visos užduotys", R::RadioButton, true, true},  // as the window opens
      {"Atskiros temos", R::RadioButton, true, true},  {"Nuo", R::ComboBox, true, false},
      {"iki", R::ComboBox, true, false},                {"Patvirtinti", R::PushButton, true, false},
      {"Grįžti", R::PushButton, true, false},
  };
  EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace rova
