// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "textio/store_lock.h"

namespace rova::testing {

// Another copy of the program holding the data folder's store lock, in a
// child process, until the object goes.
class StoreLockHolder {
 public:
  StoreLockHolder() {
    int ready[2];
    if (pipe(ready) != 0 || pipe(release_) != 0) return;
    child_ = fork();
    if (child_ == 0) {
      alarm(60);  // only keeps a forgotten child from hanging the suite
      StoreLock lock;
      char byte = 'r';
      if (write(ready[1], &byte, 1) != 1) _exit(1);
      if (read(release_[0], &byte, 1) < 0) _exit(1);
      _exit(0);
    }
    char byte = 0;
    holding_ = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    close(ready[1]);
  }
  ~StoreLockHolder() {
    if (write(release_[1], "g", 1) != 1) kill(child_, SIGKILL);
    waitpid(child_, nullptr, 0);
    close(release_[0]);
    close(release_[1]);
  }
  StoreLockHolder(const StoreLockHolder&) = delete;
  StoreLockHolder& operator=(const StoreLockHolder&) = delete;

  bool holding() const { return holding_; }

 private:
  int release_[2] = {-1, -1};
  pid_t child_ = -1;
  bool holding_ = false;
};

// Counts the pauses between the lock's tries instead of sleeping them, and
// runs `duringPause` in each.
class CountedStoreLockPauses {
 public:
  explicit CountedStoreLockPauses(std::function<void()> duringPause = {})
      : previous_(SetStoreLockPause([this, duringPause = std::move(duringPause)](std::chrono::milliseconds) {
          ++count;
          if (duringPause) duringPause();
        })) {}
  ~CountedStoreLockPauses() { SetStoreLockPause(previous_); }
  CountedStoreLockPauses(const CountedStoreLockPauses&) = delete;
  CountedStoreLockPauses& operator=(const CountedStoreLockPauses&) = delete;

  int count = 0;

 private:
  StoreLockPause previous_;
};

}  // namespace rova::testing
