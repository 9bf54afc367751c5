// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace rova {

// The value of "--data-folder DIR" or "--data-folder=DIR" among the program's
// arguments (the first one is the program), as the bytes the system gave;
// empty when not given. A missing or empty value, or the option given twice,
// is a problem.
struct DataFolderOption {
  QByteArray value;
  QString problem;
};
DataFolderOption ReadDataFolderOption(const QList<QByteArray>& arguments);

// The arguments as the system gave them (after QApplication took its own):
// a folder's name is bytes, which QCoreApplication::arguments() would decode
// and could turn into another name.
QList<QByteArray> ArgumentBytes(int argc, char** argv);

// Start-up's whole handling of the data folder: reads the option, chooses the
// folder and enters it. On a problem it says what is wrong on stderr and, on
// a real display (not the offscreen or minimal platform), in the error box,
// and returns the exit code 2; else 0.
int EnterDataFolderOrExplain(const QList<QByteArray>& arguments);

}  // namespace rova
