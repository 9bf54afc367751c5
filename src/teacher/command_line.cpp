// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/command_line.h"

#include "teacher/class_export.h"
#include "teacher/class_overview.h"
#include "textio/data_folder.h"
#include "textio/program_error.h"

namespace rova::teacher {

namespace {

// "--name VALUE" or "--name=VALUE"; false when the argument is another one.
bool TakeValue(const QStringList& arguments, qsizetype& i, const QString& name, QString* value,
               QString* error) {
  const QString& argument = arguments[i];
  if (argument.startsWith(name + QLatin1Char('='))) {
    *value = argument.mid(name.size() + 1);
  } else if (argument == name) {
    if (i + 1 >= arguments.size()) {
      *error = QStringLiteral("%1: trūksta reikšmės (missing value)").arg(name);
      return true;
    }
    *value = arguments[++i];
  } else {
    return false;
  }
  if (value->isEmpty()) *error = QStringLiteral("%1: tuščia reikšmė (empty value)").arg(name);
  return true;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine line;
  bool onlyFolders = false;
  for (qsizetype i = 0; i < arguments.size() && line.error.isEmpty(); ++i) {
    const QString& argument = arguments[i];
    if (onlyFolders || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
      line.folders << argument;
    } else if (argument == QLatin1String("--")) {
      onlyFolders = true;
    } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      line.help = true;
    } else if (argument == QLatin1String("--version")) {
      line.version = true;
    } else if (!TakeValue(arguments, i, QStringLiteral("--data-folder"), &line.dataFolder, &line.error) &&
               !TakeValue(arguments, i, QStringLiteral("--export"), &line.exportFile, &line.error)) {
      line.error = QStringLiteral("%1: nežinomas parametras (unknown option)").arg(argument);
    }
  }
  return line;
}

QString HelpText() {
  // Each option in Lithuanian with its Lithuanian placeholders, then in
  // English with the English ones.
  return QStringLiteral(
      "Naudojimas: rova2004-teacher [--data-folder APLANKAS] [--export FAILAS.xlsx|FAILAS.csv] "
      "[APLANKAS...]\n"
      "Usage: rova2004-teacher [--data-folder DIR] [--export FILE.xlsx|FILE.csv] [DIR...]\n"
      "\n"
      "ROVA 2004 – mokytojo suvestinė: visos klasės rezultatai iš vieno ar kelių duomenų aplankų.\n"
      "The teacher's class overview: a whole class's results from one or more data folders.\n"
      "Duomenų aplankai tik skaitomi (the data folders are only read).\n"
      "\n"
      "  APLANKAS                 duomenų aplankas; kelių aplankų mokiniai rodomi kartu, kiekvienas\n"
      "                           su savo aplanku\n"
      "  DIR                      a data folder; the pupils of several are shown together, each with\n"
      "                           their folder\n"
      "  --data-folder APLANKAS   dar vienas aplankas; be aplankų – tas, kurį naudotų rova2004\n"
      "  --data-folder DIR        one more folder; with none given, the one rova2004 would use\n"
      "  --export FAILAS          įrašo .xlsx arba .csv suvestinę ir baigia darbą (ekrano nereikia);\n"
      "                           į duomenų aplanką ar aplanką jame neįrašo\n"
      "  --export FILE            writes the .xlsx or .csv overview and exits (no display needed);\n"
      "                           never into a data folder or a folder beneath one\n"
      "  -h, --help               šis tekstas (this text)\n"
      "  --version                programos versija (the program's version)\n"
      "\n"
      "Išėjimo kodas (exit code): 0 – pavyko (success), 2 – klaida (error, message on stderr).\n");
}

QString VersionText() { return QStringLiteral("rova2004-teacher " ROVA_VERSION "\n"); }

QStringList FoldersToRead(const CommandLine& line, QString* problem) {
  QStringList folders;
  if (!line.dataFolder.isEmpty()) folders << line.dataFolder;
  folders << line.folders;
  if (!folders.isEmpty()) return folders;
  const DataFolderChoice choice = ChooseDataFolder({});
  if (!choice.problem.isEmpty()) {
    *problem = choice.problem;
    return {};
  }
  return {choice.folder};
}

int RunExport(const CommandLine& line, QString* message) {
  const QStringList folders = FoldersToRead(line, message);
  if (folders.isEmpty()) return 2;
  try {
    const ClassOverview overview = ReadClass(folders);
    if (overview.pupils.empty() && !overview.notes.isEmpty()) {
      *message = overview.notes.Lines().join(QLatin1Char('\n'));
      return 2;
    }
    ExportClass(line.exportFile, overview, PupilsOf(overview, {}), overview.folders);
  } catch (const ProgramError& error) {
    *message = error.message();
    return 2;
  } catch (const std::exception& error) {
    *message = QString::fromLocal8Bit(error.what());
    return 2;
  }
  return 0;
}

}  // namespace rova::teacher
