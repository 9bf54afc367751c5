// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/user_store.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <cstdio>
#include <optional>

#include "accounts/password_hash.h"
#include "accounts/session_file.h"
#include "course/result_store.h"
#include "course/task_catalogue.h"
#include "textio/baltic_codec.h"
#include "textio/program_error.h"
#include "textio/store_transaction.h"
#include "textio/text_file.h"

namespace rova {

namespace {

bool HoldsLineBreak(const QString& text) {
  return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

bool IsFilled(const RegistrationData& data) {
  for (const QString* field : {&data.userName, &data.password, &data.firstName, &data.surname,
                               &data.schoolClass, &data.email}) {
    if (field->isEmpty()) return false;
  }
  return true;
}

// Why the data cannot be stored; nothing when it can.
std::optional<RegistrationResult> Unstorable(const RegistrationData& data) {
  if (data.userName.size() > LongestUserName()) return RegistrationResult::NameTooLong;
  if (!IsUsableUserName(data.userName) || !CanHashPassword(data.password)) return RegistrationResult::Refused;
  for (const QString* field :
       {&data.password, &data.firstName, &data.surname, &data.schoolClass, &data.email}) {
    if (HoldsLineBreak(*field)) return RegistrationResult::Refused;
  }
  return std::nullopt;
}

// Under the store's lock, makes `newLine` the password line of the user's
// line in user.dat (the last one with the name), if that line still holds
// `expected` when one is given. False when the name is not registered.
bool StorePasswordLine(const QString& userName, const QByteArray& newLine,
                       const std::optional<QByteArray>& expected = std::nullopt) {
  StoreLock lock;
  const QList<QByteArray> users = ReadLines(kUserFileName);
  QList<QByteArray> passwords = ReadLines(kPasswordFileName);
  const qsizetype line = users.lastIndexOf(ToBaltic(userName));
  if (line < 0) return false;
  if (expected && passwords.value(line) != *expected) return true;
  // Missing lines read as empty ones: writing them keeps every password.
  while (passwords.size() <= line) passwords.append(QByteArray());
  passwords[line] = newLine;
  RewriteFile(kPasswordFileName, JoinLines(passwords));
  return true;
}

// Replaces the password an older release kept as typed by its hash, unless
// the line changed since it was read. A failure keeps the log-in: the line
// stays as it was, for the next log-in to try again.
void ReplaceTypedPassword(const QString& userName, const QByteArray& typedLine, const QString& password) {
  try {
    StorePasswordLine(userName, HashPassword(password), typedLine);
  } catch (const ProgramError& error) {
    std::fprintf(stderr,
                 "rova2004: nepavyko faile password.dat pakeisti slaptažodžio jo maišos reikšme (%s); "
                 "bus bandoma kito prisijungimo metu.\n",
                 qPrintable(error.message()));
  }
}

// The new user's own files, in the order they are created: the profile, the
// result files (task 1 of every topic, then task 2, ...), the settings file.
void StageUserFiles(FileTransaction& transaction, const RegistrationData& data) {
  transaction.Stage(ProfileFileName(data.userName),
                    JoinLines({ToBaltic(data.firstName), ToBaltic(data.surname),
                               ToBaltic(data.schoolClass)}));
  for (int task = 1; task <= kTasksPerTopic; ++task) {
    for (int topic = 1; topic <= kTopicCount; ++topic) {
      const TaskId id{topic, task};
      transaction.Stage(ResultFileName(data.userName, id), InitialResultFileBytes(id));
    }
  }
  transaction.Stage(SettingsFileName(data.userName), JoinLines({QByteArrayLiteral("1")}));
}

// Every file of the user, whatever its content.
QStringList OwnFileNames(const QString& userName) {
  QStringList names{ProfileFileName(userName), SettingsFileName(userName)};
  for (const QString& name : ResultFileNames(userName)) names.append(name);
  return names;
}

// Every user name that has a file named `fileName`: as its profile, its
// settings file or one of its result files.
QStringList OwnersOf(const QString& fileName) {
  QStringList owners;
  const QString profilePrefix = QStringLiteral("user_");
  const QString profileSuffix = QStringLiteral(".dat");
  if (fileName.startsWith(profilePrefix) && fileName.endsWith(profileSuffix)) {
    owners.append(fileName.mid(profilePrefix.size()).chopped(profileSuffix.size()));
  }
  const QString settingsSuffix = QStringLiteral("_checkbox.dat");
  if (fileName.endsWith(settingsSuffix)) owners.append(fileName.chopped(settingsSuffix.size()));
  for (const TaskRow& row : TaskCatalogue()) {
    if (fileName.endsWith(row.resultFileSuffix)) owners.append(fileName.chopped(row.resultFileSuffix.size()));
  }
  return owners;
}

// Whether a file of `userName` is a file of another registered user, whose
// data a registration would overwrite ("checkbox" beside "user": the profile
// user_checkbox.dat is user's settings file). Files of names that are not
// registered are leftovers and may be overwritten.
bool TakesFileOfAnotherUser(const QString& userName, const QList<QByteArray>& users) {
  const QSet<QByteArray> registered(users.begin(), users.end());
  for (const QString& fileName : OwnFileNames(userName)) {
    for (const QString& owner : OwnersOf(fileName)) {
      if (owner != userName && registered.contains(ToBaltic(owner))) return true;
    }
  }
  return false;
}

}  // namespace

QString ProfileFileName(const QString& userName) {
  return UserFileName(QStringLiteral("user_"), userName, QStringLiteral(".dat"));
}

QString SettingsFileName(const QString& userName) {
  return UserFileName({}, userName, QStringLiteral("_checkbox.dat"));
}

int LongestUserName() {
  // The most bytes of UTF-8 a character of the code page takes ("„", "€").
  constexpr int kMostBytesPerCharacter = 3;
  return (MaxFileNameBytes() - kLongestUserFileSuffix - kRewriteNameOverhead) / kMostBytesPerCharacter;
}

bool IsUsableUserName(const QString& userName) {
  return IsUsableFileStem(userName, kLongestUserFileSuffix);
}

RegistrationOutcome RegisterUser(const RegistrationData& data,
                                 const std::function<void()>& beforeWriting) {
  // Hashing takes tens of milliseconds: done before taking the lock that
  // every other copy working in the folder waits for.
  const QByteArray passwordLine =
      IsFilled(data) && !Unstorable(data) ? HashPassword(data.password) : QByteArray();
  // Held to the end, so that two copies of the program cannot both prepend.
  StoreLock lock;
  const QList<QByteArray> users = ReadLines(kUserFileName);
  const QByteArray name = ToBaltic(data.userName);

  const int duplicates = static_cast<int>(users.count(name));
  if (duplicates > 0) return {RegistrationResult::Duplicate, duplicates};
  if (IsUsableUserName(data.userName) && TakesFileOfAnotherUser(data.userName, users)) {
    return {RegistrationResult::FilesTaken};
  }
  if (!IsFilled(data)) return {RegistrationResult::Incomplete};
  if (const std::optional<RegistrationResult> refusal = Unstorable(data)) return {*refusal};

  if (beforeWriting) beforeWriting();
  QList<QByteArray> passwords = ReadLines(kPasswordFileName);

  QList<QByteArray> newUsers = users;
  newUsers.prepend(name);
  passwords.prepend(passwordLine);

  // One transaction: line i of user.dat always belongs to line i of
  // password.dat, and the new pupil is there whole or not at all.
  FileTransaction transaction;
  transaction.Stage(kUserFileName, JoinLines(newUsers));
  transaction.Stage(kPasswordFileName, JoinLines(passwords));
  transaction.Stage(kSessionFileName, JoinLines({name}));
  StageUserFiles(transaction, data);
  transaction.Commit();
  KeepCopyUser(data.userName);
  return {RegistrationResult::Registered};
}

LoginResult LogIn(const QString& userName, const QString& password) {
  QByteArray stored;
  {
    StoreLock lock;
    WriteSessionUser(userName);
    const QList<QByteArray> users = ReadLines(kUserFileName);
    const QList<QByteArray> passwords = ReadLines(kPasswordFileName);
    const qsizetype line = users.lastIndexOf(ToBaltic(userName));
    if (line < 0) return LoginResult::UnknownUser;
    // A missing password line reads as empty.
    stored = passwords.value(line);
  }
  // The hash is checked outside the lock, which other copies wait for.
  if (!PasswordMatches(stored, password)) return LoginResult::WrongPassword;
  KeepCopyUser(userName);
  if (!IsPasswordHash(stored)) ReplaceTypedPassword(userName, stored, password);
  return LoginResult::Accepted;
}

PasswordChange SetPassword(const QString& userName, const QString& password) {
  if (password.isEmpty() || HoldsLineBreak(password) || !CanHashPassword(password)) return PasswordChange::Refused;
  return StorePasswordLine(userName, HashPassword(password)) ? PasswordChange::Stored : PasswordChange::UnknownUser;
}

}  // namespace rova
