#include "app/window_registry.h"

#include "app/program_window.h"

namespace rova {

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm4* Form4 = nullptr;
TForm120* Form120 = nullptr;
TForm121* Form121 = nullptr;
TForm122* Form122 = nullptr;
TForm123* Form123 = nullptr;
TForm124* Form124 = nullptr;
TForm125* Form125 = nullptr;
TRefusedNameDialog* RefusedNameDialog = nullptr;

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
