// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/data_folder_option.h"

#include <QGuiApplication>
#include <cstdio>

#include "textio/data_folder.h"
#include "textio/program_error.h"
#include "window/error_box.h"

namespace rova {

namespace {

constexpr int kDataFolderExitCode = 2;

}  // namespace

DataFolderOption ReadDataFolderOption(const QList<QByteArray>& arguments) {
  static const QByteArray kName = QByteArrayLiteral("--data-folder");
  static const QByteArray kNameAndValue = kName + '=';
  DataFolderOption option;
  bool given = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QByteArray value;
    if (arguments[i] == kName) {
      if (i + 1 >= arguments.size()) {
        return {{}, QStringLiteral("Po parinkties --data-folder nenurodytas aplankas.")};
      }
      value = arguments[++i];
    } else if (arguments[i].startsWith(kNameAndValue)) {
      value = arguments[i].mid(kNameAndValue.size());
    } else {
      continue;
    }
    if (given) return {{}, QStringLiteral("Parinktis --data-folder nurodyta du kartus.")};
    if (value.isEmpty()) return {{}, QStringLiteral("Parinkčiai --data-folder nurodytas tuščias aplankas.")};
    given = true;
    option.value = value;
  }
  return option;
}

QList<QByteArray> ArgumentBytes(int argc, char** argv) {
  QList<QByteArray> arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QByteArray(argv[i]));
  return arguments;
}

int EnterDataFolderOrExplain(const QList<QByteArray>& arguments) {
  const DataFolderOption option = ReadDataFolderOption(arguments);
  QString problem = option.problem;
  if (problem.isEmpty()) problem = EnterDataFolder(ChooseDataFolder(option.value)).problem;
  if (problem.isEmpty()) return 0;
  std::fprintf(stderr, "rova2004: %s\n", qPrintable(problem));
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
    ShowErrorBox(nullptr, ProgramError(problem));
  }
  return kDataFolderExitCode;
}

}  // namespace rova
