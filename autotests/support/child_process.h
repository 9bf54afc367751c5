// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "textio/fault_injection.h"

namespace rova::testing {

enum class ChildEnd { Finished, Threw, Killed, Hung, Other };

// Runs `work` in a forked child and says how the child ended. With
// `crashStep` > 0 the child is killed at that step of the text-file layer,
// as a power cut would stop it. The alarm only keeps a hanging child from
// hanging the suite; it measures nothing.
inline ChildEnd RunInChild(const std::function<void()>& work, int crashStep = 0) {
  constexpr unsigned kHangGuardSeconds = 60;
  const pid_t child = fork();
  if (child < 0) return ChildEnd::Other;
  if (child == 0) {
    alarm(kHangGuardSeconds);
    ScopedCrash crash(crashStep);
    try {
      work();
    } catch (...) {
      _exit(1);
    }
    _exit(0);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return ChildEnd::Other;
  if (WIFEXITED(status)) return WEXITSTATUS(status) == 0 ? ChildEnd::Finished : ChildEnd::Threw;
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return ChildEnd::Killed;
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) return ChildEnd::Hung;
  return ChildEnd::Other;
}

}  // namespace rova::testing
