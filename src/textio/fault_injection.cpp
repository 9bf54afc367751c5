// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/fault_injection.h"

#include <csignal>

#include <algorithm>
#include <utility>
#include <vector>

namespace rova {

namespace {

std::vector<ScopedFault*>& ArmedFaults() {
  static std::vector<ScopedFault*> faults;
  return faults;
}

int crashAtStep = 0;  // 0: no crash armed
int stepsTaken = 0;

}  // namespace

ScopedCrash::ScopedCrash(int step) {
  crashAtStep = step;
  stepsTaken = 0;
}

ScopedCrash::~ScopedCrash() { crashAtStep = 0; }

ScopedFault::ScopedFault(QString fileName, FaultOp op, int errorCode)
    : fileName_(std::move(fileName)), op_(op), errorCode_(errorCode) {
  ArmedFaults().push_back(this);
}

ScopedFault::~ScopedFault() {
  auto& faults = ArmedFaults();
  faults.erase(std::remove(faults.begin(), faults.end(), this), faults.end());
}

int InjectedFault(const QString& fileName, FaultOp op) {
  if (crashAtStep > 0 && ++stepsTaken == crashAtStep) std::raise(SIGKILL);
  auto& faults = ArmedFaults();
  for (auto it = faults.rbegin(); it != faults.rend(); ++it) {
    ScopedFault* fault = *it;
    if (fault->op_ != op) continue;
    if (fault->fileName_ != QLatin1String("*") && fault->fileName_ != fileName) continue;
    ++fault->hits_;
    return fault->errorCode_;
  }
  return 0;
}

}  // namespace rova
