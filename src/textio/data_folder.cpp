// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/data_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

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

// A folder's name from outside the program is bytes. Its text, when the
// bytes are text of the system's encoding; else nothing: decoding would put
// another name in their place, and so choose another folder.
std::optional<QString> NameOf(const QByteArray& bytes) {
  QString name = QFile::decodeName(bytes);
  if (QFile::encodeName(name) != bytes) return std::nullopt;
  return name;
}

QString NotText(const QByteArray& bytes, const QString& whence) {
  return QStringLiteral("Duomenų aplanko vardas %1 (%2) nėra UTF-8 tekstas: programa tokio aplanko "
                        "neatvers. Pervadinkite aplanką arba nurodykite kitą.")
      .arg(Quoted(QString::fromUtf8(bytes)), whence);
}

// Checks a path named by the option, the variable or the configuration file.
DataFolderChoice Chosen(const QByteArray& bytes, DataFolderSource source, const QString& configurationFile) {
  const QString whence = Whence(source, configurationFile);
  const std::optional<QString> name = NameOf(bytes);
  if (!name) return Refused(source, NotText(bytes, whence));
  const QString& value = *name;
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
  const auto refused = [](const QString& problem) { return Refused(DataFolderSource::PerUserDefault, problem); };
  const auto notText = [](const char* variable) {
    return QStringLiteral("Aplinkos kintamojo %1 reikšmė nėra UTF-8 tekstas: programa nežino, kuriame "
                          "aplanke laikyti duomenis.")
        .arg(QLatin1String(variable));
  };
  QByteArray base = qgetenv("XDG_DATA_HOME");
  // The XDG rules ignore a relative XDG_DATA_HOME.
  if (base.isEmpty() || !base.startsWith('/')) {
    const QByteArray home = qgetenv("HOME");
    if (home.isEmpty() || !home.startsWith('/')) {
      return refused(QStringLiteral("Nerastas duomenų aplankas: nenustatytas nei XDG_DATA_HOME, nei HOME."));
    }
    if (!NameOf(home)) return refused(notText("HOME"));
    base = home + "/.local/share";
  } else if (!NameOf(base)) {
    return refused(notText("XDG_DATA_HOME"));
  }
  return {QDir::cleanPath(*NameOf(base) + QStringLiteral("/rova2004")), DataFolderSource::PerUserDefault, {}};
}

// The value of DataFolder= in the configuration file: empty when the file
// or the key is missing; `problem` says what makes the file unusable.
QByteArray ReadConfiguredFolder(const QString& configurationFile, QString* problem) {
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
  // The folder's name stays bytes, as the file holds it.
  QByteArray folder;
  int folderLine = 0;
  for (int i = 0; i < lines.size(); ++i) {
    const QByteArray line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith('#') || line.startsWith(';')) continue;
    const qsizetype equals = line.indexOf('=');
    // An unknown key is most likely a misspelt DataFolder: say so rather than
    // silently use another folder.
    if (equals < 0 || line.left(equals).trimmed() != "DataFolder") {
      *problem = QStringLiteral("Konfigūracijos failo %1 %2 eilutė nesuprantama: %3. "
                                "Galima tik eilutė „DataFolder=/aplankas“ ir komentarai, prasidedantys „#“.")
                     .arg(configurationFile)
                     .arg(i + 1)
                     .arg(Quoted(QString::fromUtf8(line)));
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

// A descriptor of a folder, closed when it goes.
class FolderDescriptor {
 public:
  explicit FolderDescriptor(int fd) : fd_(fd) {}
  ~FolderDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FolderDescriptor(const FolderDescriptor&) = delete;
  FolderDescriptor& operator=(const FolderDescriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

QString SystemReason(int errorCode) {
  return errorCode == EACCES ? QStringLiteral("nėra leidimo į jį įeiti") : QString::fromLocal8Bit(strerror(errorCode));
}

// Opens the per-user default, making it and every missing parent first (0700
// under the umask the caller set). It must be a real folder of this user: a
// symbolic link or a folder another user made (where XDG_DATA_HOME lies in a
// shared place) could let someone else read the pupil's data. What is opened
// is what is checked and then used: nothing can be put in its place between.
// An earlier release left the folder 0755: it is closed to 0700. The empty
// lists a fresh installation needs are made in it. -1 with `problem` set
// when refused.
int OpenPerUserDefault(const QString& folder, QString* problem) {
  const QByteArray native = QFile::encodeName(folder);
  struct stat info {};
  if (lstat(native.constData(), &info) != 0 && !QDir().mkpath(folder)) {
    *problem = QStringLiteral("Nepavyko sukurti duomenų aplanko %1.").arg(folder);
    return -1;
  }
  const QString whence = Whence(DataFolderSource::PerUserDefault, {});
  const int fd = open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (lstat(native.constData(), &info) == 0 && S_ISLNK(info.st_mode)) {
      *problem = QStringLiteral("Duomenų aplankas %1 (%2) yra simbolinė nuoroda, o ne tikras aplankas: "
                                "programa jo nenaudoja, nes nuoroda gali vesti į kito naudotojo aplanką. "
                                "Pašalinkite nuorodą arba nurodykite aplanką parinktimi --data-folder.")
                     .arg(Quoted(folder), whence);
    } else if (error == ENOTDIR) {
      *problem = QStringLiteral("Duomenų aplankas %1 (%2) yra ne aplankas, o failas.").arg(Quoted(folder), whence);
    } else {
      *problem = QStringLiteral("Nepavyko atverti duomenų aplanko %1 (%2): %3.")
                     .arg(Quoted(folder), whence, SystemReason(error));
    }
    return -1;
  }
  FolderDescriptor opened(fd);
  if (fstat(fd, &info) != 0 || info.st_uid != geteuid()) {
    *problem = QStringLiteral("Duomenų aplankas %1 (%2) priklauso kitam naudotojui: jame programa "
                              "mokinio duomenų nelaiko, nes tas naudotojas galėtų juos skaityti. "
                              "Paprašykite administratoriaus jį pašalinti arba kintamuoju XDG_DATA_HOME "
                              "nurodykite savo aplanką.")
                   .arg(Quoted(folder), whence);
    return -1;
  }
  // A pupil's password must not stay readable by the other users of the machine.
  if ((info.st_mode & 077) != 0) fchmod(fd, info.st_mode & 0700);
  for (const char* name : {"user.dat", "password.dat"}) {
    // Exclusive: never empties a list that is there, never follows a link.
    const int list = openat(fd, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (list >= 0) {
      close(list);
    } else if (errno != EEXIST) {
      *problem = QStringLiteral("Nepavyko sukurti failo %1.").arg(folder + QLatin1Char('/') + QLatin1String(name));
      return -1;
    }
  }
  return opened.release();
}

}  // namespace

DataFolderChoice ChooseDataFolder(const QByteArray& optionValue, const QString& configurationFile) {
  if (!optionValue.isEmpty()) return Chosen(optionValue, DataFolderSource::Option, configurationFile);
  const QByteArray variable = qgetenv(kDataFolderVariable);
  if (!variable.isEmpty()) return Chosen(variable, DataFolderSource::Environment, configurationFile);
  QString problem;
  const QByteArray configured = ReadConfiguredFolder(configurationFile, &problem);
  if (!problem.isEmpty()) return Refused(DataFolderSource::ConfigurationFile, problem);
  if (!configured.isEmpty()) return Chosen(configured, DataFolderSource::ConfigurationFile, configurationFile);
  return PerUserDefault();
}

DataFolderEntry EnterDataFolder(const DataFolderChoice& choice) {
  if (!choice.problem.isEmpty()) return {false, choice.problem};
  if (choice.folder.isEmpty()) return {false, QStringLiteral("Nenurodytas duomenų aplankas.")};
  const QString whence = Whence(choice.source, {});
  int fd = -1;
  if (choice.source == DataFolderSource::PerUserDefault) {
    const mode_t previous = umask(077);
    umask(previous | 077);
    QString problem;
    fd = OpenPerUserDefault(choice.folder, &problem);
    if (fd < 0) return {false, problem};
  } else {
    // A chosen folder may be reached through a link the administrator made;
    // only entering it needs permission (O_PATH).
    fd = open(QFile::encodeName(choice.folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
      const int error = errno;
      if (error == ENOENT) {
        return {false, QStringLiteral("Duomenų aplankas %1 (%2) nerastas.").arg(Quoted(choice.folder), whence)};
      }
      if (error == ENOTDIR && QFileInfo(choice.folder).isFile()) {
        return {false, QStringLiteral("Duomenų aplankas %1 (%2) yra ne aplankas, o failas.")
                           .arg(Quoted(choice.folder), whence)};
      }
      return {false, QStringLiteral("Nepavyko atverti duomenų aplanko %1 (%2): %3.")
                         .arg(Quoted(choice.folder), whence, SystemReason(error))};
    }
  }
  // The folder opened (and for the default, checked) is the one entered.
  const FolderDescriptor opened(fd);
  if (fchdir(fd) != 0) {
    return {false, QStringLiteral("Nepavyko atverti duomenų aplanko %1 (%2): %3.")
                       .arg(Quoted(choice.folder), whence, SystemReason(errno))};
  }
  return {true, {}};
}

}  // namespace rova
