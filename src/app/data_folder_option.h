// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace rova {

// The value of "--data-folder DIR" or "--data-folder=DIR" among the program's
// arguments (the first one is the program); empty when not given. A missing
// or empty value, or the option given twice, is a problem.
struct DataFolderOption {
  QString value;
  QString problem;
};
DataFolderOption ReadDataFolderOption(const QStringList& arguments);

// Start-up's whole handling of the data folder: reads the option, chooses the
// folder and enters it. On a problem it says what is wrong on stderr and, on
// a real display (not the offscreen or minimal platform), in the error box,
// and returns the exit code 2; else 0.
int EnterDataFolderOrExplain(const QStringList& arguments);

}  // namespace rova
