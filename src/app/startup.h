#pragma once

namespace rova {

// Creates every window of the program once, in the order of start-up, and
// makes the first one (the main window) the one whose closing ends it.
void CreateWindows();

// Opens the main window; its activation, once the message loop runs, opens
// the splash, whose timer then opens the login window.
void StartMainWindow();

// The whole program: title, windows, message loop, and the windows' end.
// Needs a QApplication with the program's fonts registered.
int RunProgram();

}  // namespace rova
