// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "textio/data_file.h"

namespace rova {

namespace {

// A configuration file is a few lines; anything larger is not one.
constexpr qint64 kLongestConfigurationFile = 64 * 1024;

QString Quoted(const QString& text) { return QStringLiteral("„%1“").arg(text); }

// Whence a folder came, said after its name in a message.
QString Whence(DataFolderSource source, const QString& configurationFile) {
  switch (source) {
    case DataFolderSource::Option:
      return QStringLiteral("nurodytas parinktimi --data-folder");
    case DataFolderSource::Environment:
      return QStringLiteral("nurodytas aplinkos kintamuoju %1").arg(QLatin1String(kDataFolderVariable));
    case DataFolderSource::ConfigurationFile:
      return configurationFile.isEmpty()
                 ? QStringLiteral("nurodytas konfigūracijos faile")
                 : QStringLiteral("nurodytas konfigūracijos faile %1").arg(configurationFile);
    case DataFolderSource::PerUserDefault:
      break;
  }
  return QStringLiteral("numatytasis naudotojo aplankas");
}

DataFolderChoice Refused(DataFolderSource source, const QString& problem) { return {{}, source, problem}; }

// Checks a path named by the option, the variable or the configuration file.
DataFolderChoice Chosen(const QString& value, DataFolderSource source, const QString& configurationFile) {
  const QString whence = Whence(source, configurationFile);
  if (value.startsWith(QLatin1Char('~'))) {
    return Refused(source, QStringLiteral("Duomenų aplankas %1 (%2) prasideda ženklu „~“, kurio programa "
                                          "neišskleidžia: nurodykite visą kelią nuo „/“.")
                               .arg(Quoted(value), whence));
  }
  if (source == DataFolderSource::ConfigurationFile && QDir::isRelativePath(value)) {
    return Refused(source, QStringLiteral("Duomenų aplankas %1 (%2) nurodytas ne visu keliu: "
                                          "kelias turi prasidėti „/“.")
                               .arg(Quoted(value), whence));
  }
  const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(value));
  const QFileInfo info(folder);
  if (info.exists() && !info.isDir()) {
    return Refused(source, QStringLiteral("Duomenų aplankas %1 (%2) yra ne aplankas, o failas.")
                               .arg(Quoted(folder), whence));
  }
  return {folder, source, {}};
}

DataFolderChoice PerUserDefault() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  // The XDG rules ignore a relative XDG_DATA_HOME.
  if (base.isEmpty() || QDir::isRelativePath(base)) {
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || QDir::isRelativePath(home)) {
      return Refused(DataFolderSource::PerUserDefault,
                     QStringLiteral("Nerastas duomenų aplankas: nenustatytas nei XDG_DATA_HOME, nei HOME."));
    }
    base = home + QStringLiteral("/.local/share");
  }
  return {QDir::cleanPath(base + QStringLiteral("/rova2004")), DataFolderSource::PerUserDefault, {}};
}

// The value of DataFolder= in the configuration file: empty when the file
// or the key is missing; `problem` says what makes the file unusable.
QString ReadConfiguredFolder(const QString& configurationFile, QString* problem) {
  const QFileInfo info(configurationFile);
  if (!info.exists() && !info.isSymLink()) return {};
  const QString unreadable = QStringLiteral("Nepavyko perskaityti konfigūracijos failo %1: %2.");
  if (!info.isFile()) {
    *problem = unreadable.arg(configurationFile, QStringLiteral("tai ne paprastas failas"));
    return {};
  }
  if (info.size() > kLongestConfigurationFile) {
    *problem = unreadable.arg(configurationFile, QStringLiteral("jis per didelis"));
    return {};
  }
  QFile file(configurationFile);
  if (!file.open(QIODevice::ReadOnly)) {
    *problem = unreadable.arg(configurationFile, QStringLiteral("nėra leidimo jį skaityti"));
    return {};
  }
  const QList<QByteArray> lines = file.read(kLongestConfigurationFile).split('\n');
  QString folder;
  int folderLine = 0;
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = QString::fromUtf8(lines[i]).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';'))) continue;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    // An unknown key is most likely a misspelt DataFolder: say so rather than
    // silently use another folder.
    if (equals < 0 || line.left(equals).trimmed() != QLatin1String("DataFolder")) {
      *problem = QStringLiteral("Konfigūracijos failo %1 %2 eilutė nesuprantama: %3. "
                                "Galima tik eilutė „DataFolder=/aplankas“ ir komentarai, prasidedantys „#“.")
                     .arg(configurationFile)
                     .arg(i + 1)
                     .arg(Quoted(line));
      return {};
    }
    if (folderLine > 0) {
      *problem = QStringLiteral("Konfigūracijos faile %1 DataFolder= nurodytas du kartus (%2 ir %3 eilutėse).")
                     .arg(configurationFile)
                     .arg(folderLine)
                     .arg(i + 1);
      return {};
    }
    folderLine = i + 1;
    folder = line.mid(equals + 1).trimmed();
  }
  return folder;
}

// Makes every missing folder of `path` (0700 under the umask the caller set)
// and the empty lists a fresh installation needs.
QString CreatePerUserDefault(const QString& folder) {
  if (!QDir().mkpath(folder)) return QStringLiteral("Nepavyko sukurti duomenų aplanko %1.").arg(folder);
  // An earlier release made this folder 0755: a pupil's password must not
  // stay readable by the other users of the machine.
  struct stat info {};
  const QByteArray native = QFile::encodeName(folder);
  if (lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
      (info.st_mode & 077) != 0) {
    chmod(native.constData(), info.st_mode & 0700);
  }
  for (const char* name : {"user.dat", "password.dat"}) {
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (QFileInfo::exists(path)) continue;
    // NewOnly: never empty a list that appeared since the check.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(path)) {
      return QStringLiteral("Nepavyko sukurti failo %1.").arg(path);
    }
  }
  return {};
}

}  // namespace

DataFolderChoice ChooseDataFolder(const QString& optionValue, const QString& configurationFile) {
  if (!optionValue.isEmpty()) return Chosen(optionValue, DataFolderSource::Option, configurationFile);
  const QString variable = qEnvironmentVariable(kDataFolderVariable);
  if (!variable.isEmpty()) return Chosen(variable, DataFolderSource::Environment, configurationFile);
  QString problem;
  const QString configured = ReadConfiguredFolder(configurationFile, &problem);
  if (!problem.isEmpty()) return Refused(DataFolderSource::ConfigurationFile, problem);
  if (!configured.isEmpty()) return Chosen(configured, DataFolderSource::ConfigurationFile, configurationFile);
  return PerUserDefault();
}

DataFolderEntry EnterDataFolder(const DataFolderChoice& choice) {
  if (!choice.problem.isEmpty()) return {false, choice.problem};
  if (choice.folder.isEmpty()) return {false, QStringLiteral("Nenurodytas duomenų aplankas.")};
  if (choice.source == DataFolderSource::PerUserDefault) {
    const mode_t previous = umask(077);
    umask(previous | 077);
    if (const QString problem = CreatePerUserDefault(choice.folder); !problem.isEmpty()) {
      return {false, problem};
    }
  }
  const QString whence = Whence(choice.source, {});
  const QFileInfo info(choice.folder);
  if (!info.exists()) {
    return {false, QStringLiteral("Duomenų aplankas %1 (%2) nerastas.").arg(Quoted(choice.folder), whence)};
  }
  if (!info.isDir()) {
    return {false, QStringLiteral("Duomenų aplankas %1 (%2) yra ne aplankas, o failas.")
                       .arg(Quoted(choice.folder), whence)};
  }
  if (chdir(QFile::encodeName(choice.folder).constData()) != 0) {
    return {false, QStringLiteral("Nepavyko atverti duomenų aplanko %1 (%2): %3.")
                       .arg(Quoted(choice.folder), whence,
                            errno == EACCES ? QStringLiteral("nėra leidimo į jį įeiti")
                                            : QString::fromLocal8Bit(strerror(errno)))};
  }
  // Every data file is opened relative to this descriptor from now on.
  try {
    SetDataFolder(StoreFolder::Open(QStringLiteral("."), choice.folder));
  } catch (const ProgramError&) {
    return {false, QStringLiteral("Nepavyko atverti duomenų aplanko %1 (%2).").arg(Quoted(choice.folder), whence)};
  }
  return {true, {}};
}

}  // namespace rova
