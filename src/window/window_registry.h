// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <functional>
#include <vector>

namespace rova {

class ProgramWindow;

// The one instance of each window class, created at start-up and kept until
// the program ends. Each subsystem declares the typed references of its own
// windows (Form2 for TForm2) beside their classes; a window of another
// subsystem is reached by the name of its reference, so no subsystem needs
// the headers of the one that opens it.

// Every window created so far, in the order of creation.
const std::vector<ProgramWindow*>& RegisteredWindows();

// Records a new window and the way to clear its reference at the end. The
// window's object name is the name of its reference ("Form39").
void RegisterWindow(ProgramWindow* window, std::function<void()> clearReference);

// The window registered under that name, or nullptr.
ProgramWindow* FindWindow(QStringView name);

// The window registered under that name, for one subsystem to reach a window
// of another (window_names.h). Every window is created at start-up and kept
// until the program ends, so a name that is not found is a programmer's
// error: the program stops, naming it.
ProgramWindow& RegisteredWindow(QStringView name);

// Destroys every window, last created first, and clears the references.
void DestroyRegisteredWindows();

}  // namespace rova
