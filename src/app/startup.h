// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace rova {

// Gives the application its title, "ROVA 2004". It becomes the application's
// name, which the display name follows; an explicitly set display name would
// be added by the desktop to every caption that does not already end with it
// (the login window's included).
void SetProgramTitle();

// The numbers of the window classes (2 for TForm2) in the order start-up
// creates them.
std::vector<int> WindowCreationOrder();

// Creates every window of the program once, in the order of start-up, and
// makes the first one (the main window) the one whose closing ends it.
void CreateWindows();

// Removes the left-over copies of interrupted rewrites from the data folder
// when the login window, the first that works with the folder, first opens:
// taking the store's lock may wait for another copy's commit, and the whole
// folder is read, neither of which the splash should wait for.
void TidyDataFolderWhenLoginOpens();

// Opens the main window; its activation, once the message loop runs, opens
// the splash, whose timer then opens the login window.
void StartMainWindow();

// The whole program: title, windows, message loop, and the windows' end.
// Needs a QApplication with the program's fonts registered.
int RunProgram();

}  // namespace rova
