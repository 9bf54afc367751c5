// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_registry.h"

#include "window/program_window.h"

namespace rova {

namespace {

struct Entry {
  ProgramWindow* window;
  std::function<void()> clearReference;
};

std::vector<Entry>& Entries() {
  static std::vector<Entry> entries;
  return entries;
}

std::vector<ProgramWindow*>& Windows() {
  static std::vector<ProgramWindow*> windows;
  return windows;
}

}  // namespace

const std::vector<ProgramWindow*>& RegisteredWindows() { return Windows(); }

void RegisterWindow(ProgramWindow* window, std::function<void()> clearReference) {
  Entries().push_back({window, std::move(clearReference)});
  Windows().push_back(window);
}

ProgramWindow* FindWindow(QStringView name) {
  for (ProgramWindow* window : Windows())
    if (window->objectName() == name) return window;
  return nullptr;
}

ProgramWindow& RegisteredWindow(QStringView name) {
  ProgramWindow* window = FindWindow(name);
  if (window == nullptr) qFatal("No window is registered as %s", qPrintable(name.toString()));
  return *window;
}

void DestroyRegisteredWindows() {
  if (ProgramWindow::MainWindow()) ProgramWindow::SetMainWindow(nullptr);
  auto& entries = Entries();
  while (!entries.empty()) {
    Entry entry = std::move(entries.back());
    entries.pop_back();
    Windows().pop_back();
    entry.clearReference();
    delete entry.window;
  }
}

}  // namespace rova
