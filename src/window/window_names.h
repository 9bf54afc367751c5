// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace rova {

// The registry names of the windows that one subsystem opens or closes in
// another, so that none needs the headers of the one it reaches. A window is
// named after its reference (TForm4's Form4). Task windows are named by
// TaskWindowName (tasks/ui/task_window.h).
inline constexpr QStringView kSplashWindowName = u"Form1";
inline constexpr QStringView kMainWindowName = u"Form2";
inline constexpr QStringView kExitConfirmationName = u"Form4";
inline constexpr QStringView kHandbookIndexName = u"Form97";
inline constexpr QStringView kStatisticsReportName = u"Form117";

}  // namespace rova
