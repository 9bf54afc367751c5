// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil with the keyboard alone, on a real X server without a window
// manager: every key goes through the server to the window that holds its
// input focus, as a pupil's keys would. Log in, open the tests, answer task
// 1-1, read and close the verdict, go on to the next task, leave the tests,
// open the statistics, and leave the program with Escape and the confirmation.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>

#include "app/startup.h"
#include "program_run.h"
#include "stats/ui/report_window.h"
#include "tasks/ui/verdict_window.h"
#include "temp_dir.h"
#include "virtual_display.h"
#include "window/window_registry.h"
#include "window_driver.h"
#include "x_window_stack.h"

namespace rova {
namespace {

using testing::AccessibleName;
using testing::Connection;
using testing::FocusName;
using testing::ViewableStack;

// Keys pressed and let go through the X server, as a keyboard does.
class Keyboard {
 public:
  void Key(xcb_keysym_t symbol, bool shift = false) {
    if (shift) Send(XCB_KEY_PRESS, CodeOf(kShift));
    Send(XCB_KEY_PRESS, CodeOf(symbol));
    Send(XCB_KEY_RELEASE, CodeOf(symbol));
    if (shift) Send(XCB_KEY_RELEASE, CodeOf(kShift));
    xcb_flush(Connection());
  }
  // Small letters and digits, whose key symbols are their own codes.
  void Type(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) Key(static_cast<unsigned char>(*c));
  }

  static constexpr xcb_keysym_t kTab = 0xff09, kReturn = 0xff0d, kEscape = 0xff1b, kLeft = 0xff51, kUp = 0xff52,
                                kRight = 0xff53, kDown = 0xff54, kShift = 0xffe1;

 private:
  static void Send(uint8_t type, xcb_keycode_t code) {
    xcb_test_fake_input(Connection(), type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
  }
  xcb_keycode_t CodeOf(xcb_keysym_t symbol) {
    if (codes_.empty()) ReadMapping();
    return codes_.at(symbol);
  }
  void ReadMapping() {
    xcb_connection_t* c = Connection();
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&free)> mapping(
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr), &free);
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    for (int i = count - 1; i >= 0; --i) {
      // The key's first symbol, unshifted; the lowest code wins.
      const xcb_keysym_t symbol = symbols[i * mapping->keysyms_per_keycode];
      if (symbol != 0) codes_[symbol] = static_cast<xcb_keycode_t>(setup->min_keycode + i);
    }
  }
  std::map<xcb_keysym_t, xcb_keycode_t> codes_;
};

// One step of the pupil: once `window` is on top with the server's input
// focus and its focus on the control called `focus`, the keys.
struct Step {
  QString window;
  QString focus;
  std::function<void()> keys;
};

class KeyboardRunTest : public testing::WithJonasAndWindows {
 protected:

  // Whether the step can be taken now: what the server and the window say.
  static bool Ready(const Step& step) {
    const std::vector<QString> stack = ViewableStack();
    if (stack.empty() || stack.back() != step.window || FocusName() != step.window) return false;
    ProgramWindow* window = FindWindow(step.window);
    return window != nullptr && AccessibleName(window->focusWidget()) == step.focus;
  }

  static void Grab(const QString& file) {
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(testing::ArtifactDir()).filePath(file));
  }

  // Runs the steps in order as the program's windows come and go; a step
  // that does not come about within its rounds stops the run.
  void Run(const std::vector<Step>& steps) {
    std::size_t next = 0;
    int rounds = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (next == steps.size()) return;
      if (!Ready(steps[next])) {
        if (++rounds < 1000) return;
        const std::vector<QString> stack = ViewableStack();
        ProgramWindow* top = stack.empty() ? nullptr : FindWindow(stack.back());
        ADD_FAILURE() << "step " << next + 1 << " never came: " << steps[next].window.toStdString() << " / "
                      << steps[next].focus.toStdString() << "; on top " << (stack.empty() ? "-" : stack.back().toStdString())
                      << ", input focus " << FocusName().toStdString() << ", focus on "
                      << (top ? AccessibleName(top->focusWidget()).toStdString() : "-");
        next = steps.size();
        ProgramWindow::EndProgram();
        return;
      }
      rounds = 0;
      taken.push_back(steps[next].window + u'/' + steps[next].focus);
      steps[next++].keys();
    });
    // The splash's timer, not the pupil, opens the login window.
    QObject::connect(Form1, &ProgramWindow::Opened, [] { testing::Later([] { Form1->Timer1Timer(); }); });
    poll.start();
    StartMainWindow();
    QCoreApplication::exec();
  }

  std::vector<QString> taken;
};

TEST_F(KeyboardRunTest, pupilDoesEverythingWithTheKeyboardAlone) {
  Keyboard keys;
  QString verdict;
  QString report;
  const QString topic1 = QStringLiteral("1. Skaičiai. Skaičių dalumas");
  const QString back = QStringLiteral("Grįžti į ankstesnį langą");
  const std::vector<Step> steps = {
      {"Form120", "Vartotojas",
       [&] {
         keys.Type("jonas");
         keys.Key(Keyboard::kTab);
         keys.Type("slaptas");
         keys.Key(Keyboard::kReturn);
       }},
      {"Form2", "Testai",
       [&] {
         Grab("keyboard_run_1_main_window.png");
         keys.Key(Keyboard::kReturn);
       }},
      {"Form3", topic1, [&] { keys.Key(Keyboard::kReturn); }},
      {"Form5", "Skaitiklis",
       [&] {
         keys.Type("1");
         keys.Key(Keyboard::kTab);
         keys.Type("4");
         keys.Key(Keyboard::kReturn);
       }},
      {"Form6", "Grįžti",
       [&] {
         verdict = AccessibleName(Form6->Label1);
         Grab("keyboard_run_2_verdict.png");
         keys.Key(Keyboard::kReturn);
       }},
      {"Form5", "Vardiklis",
       [&] {
         keys.Key(Keyboard::kTab);    // "Tikrinti atsakymą"
         keys.Key(Keyboard::kRight);  // "Sekantis uždavinys"
         keys.Key(Keyboard::kReturn);
       }},
      {"Form8", "Atsakymas", [&] { keys.Key(Keyboard::kEscape); }},
      {"Form4", back, [&] { keys.Key(Keyboard::kReturn); }},
      {"Form3", topic1, [&] { keys.Key(Keyboard::kEscape); }},
      {"Form4", back, [&] { keys.Key(Keyboard::kReturn); }},
      {"Form2", "Testai",
       [&] {
         keys.Key(Keyboard::kDown);
         keys.Key(Keyboard::kDown);  // "Statistika"
         keys.Key(Keyboard::kReturn);
       }},
      {"Form117", "Nustatymai...",
       [&] {
         report = Form117->Label5->text();
         Grab("keyboard_run_3_statistics.png");
         keys.Key(Keyboard::kEscape);
       }},
      {"Form2", "Statistika",
       [&] {
         keys.Key(Keyboard::kTab, true);
         keys.Key(Keyboard::kUp);  // "Testai"
         keys.Key(Keyboard::kReturn);
       }},
      {"Form3", topic1, [&] { keys.Key(Keyboard::kEscape); }},
      {"Form4", back,
       [&] {
         keys.Key(Keyboard::kRight);  // "Išeiti iš programos"
         Grab("keyboard_run_4_leaving.png");
         keys.Key(Keyboard::kReturn);
       }},
  };
  Run(steps);

  EXPECT_EQ(taken.size(), steps.size());
  EXPECT_TRUE(ProgramWindow::IsProgramEnding());
  EXPECT_EQ(verdict, "ATSAKYMAS TEISINGAS!!!");
  EXPECT_EQ(report, "Teisingų atsakymų: 1.");
  EXPECT_EQ(readBytes("jonas_1-1.dat"), "1\r\n1\r\n");
}

}  // namespace
}  // namespace rova

int main(int argc, char** argv) { return rova::testing::RunTestsOnVirtualDisplay(argc, argv); }
