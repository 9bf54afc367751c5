// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

#include "controls/program_fonts.h"

namespace rova::testing {

// A virtual X server of the test's own, on the first free display.
class VirtualDisplay {
 public:
  bool Start() {
    int fds[2];
    if (pipe(fds) != 0) return false;
    pid_ = fork();
    if (pid_ == 0) {
      // The server goes with the test, however the test ends.
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      close(fds[0]);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    char number[16] = {};
    std::size_t used = 0;
    ssize_t n = 0;
    // The server writes its display number and a line break once it is ready.
    while (used + 1 < sizeof number && (n = read(fds[0], number + used, sizeof number - 1 - used)) > 0) {
      used += static_cast<std::size_t>(n);
      if (number[used - 1] == '\n') break;
    }
    close(fds[0]);
    if (used == 0) return false;
    qputenv("DISPLAY", QByteArray(":") + QByteArray(number).trimmed());
    return true;
  }
  ~VirtualDisplay() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }

 private:
  pid_t pid_ = -1;
};

// The main() of a test that needs a real X server: an Xvfb of its own, Qt's
// X11 platform on it, the program's fonts, then every test.
inline int RunTestsOnVirtualDisplay(int argc, char** argv) {
  VirtualDisplay display;
  if (!display.Start()) {
    std::fprintf(stderr, "could not start Xvfb\n");
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  RegisterProgramFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

}  // namespace rova::testing
