// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>


namespace rova {

inline const QString kUserFileName = QStringLiteral("user.dat");
inline const QString kPasswordFileName = QStringLiteral("password.dat");

// What the registration form holds, in this order.
struct RegistrationData {
  QString userName, password, firstName, surname, schoolClass, email;
};

// NameTooLong: the user name has more than LongestUserName() characters.
// Refused: the user name cannot safely form file names (a path separator,
// "." or "..", a control character, a character the Baltic code page lacks),
// another field holds a line break (CR or LF), or the password cannot be
// hashed (see CanHashPassword). FilesTaken: one of the name's files is a file
// of another registered user (checked right after Duplicate). Nothing is
// written for any of these.
enum class RegistrationResult { Duplicate, FilesTaken, Incomplete, Registered, Refused, NameTooLong };

struct RegistrationOutcome {
  RegistrationResult result;
  int duplicateCount = 0;  // Duplicate: how many lines of user.dat hold the name
};

// The most characters a new user name may have: so many that any name of
// characters of the code page (up to 3 bytes of a file name each) forms
// every file name of the user on the file system of the data folder.
int LongestUserName();

// Adds the user to user.dat and the hash of the password to password.dat
// (newest first), names the user in the session file, and creates the
// profile, the 90 result files and the statistics settings file, all in one
// FileTransaction: a failure, or the process dying at any moment, leaves the
// new user there whole or not at all and every other file as it was. The new
// user becomes this copy's own pupil (KeepCopyUser), as temp.dat names it.
// `beforeWriting` runs once the user is known to be new, complete and
// storable, before password.dat is read and any file is written.
// Throws ProgramError.
RegistrationOutcome RegisterUser(const RegistrationData& data,
                                 const std::function<void()>& beforeWriting = {});

enum class LoginResult { UnknownUser, WrongPassword, Accepted };

// Writes the typed name into the session file first, whatever the outcome,
// then checks it against user.dat (the last equal line decides) and the
// password against the same line of password.dat (see PasswordMatches). An
// accepted user becomes this copy's own pupil (KeepCopyUser); a password an
// older release kept as typed is then replaced by its hash. Throws
// ProgramError, but not for a failed replacement: that is said on stderr, the
// log-in stands, and the next one tries again.
LoginResult LogIn(const QString& userName, const QString& password);

enum class PasswordChange { Stored, UnknownUser, Refused };

// Gives a registered user a new password, stored as registration stores it
// (the class administration's reset): the user's line of password.dat (the
// last line of user.dat with the name decides) becomes the hash of
// `password`, under the store's lock; every other line stays as it was.
// UnknownUser: no line of user.dat holds the name; Refused: the password
// holds a line break or cannot be hashed. Nothing is written for either.
// Throws ProgramError.
PasswordChange SetPassword(const QString& userName, const QString& password);

// Whether a user name can form the user's file names.
bool IsUsableUserName(const QString& userName);

// "user_" + user name + ".dat": first name, surname, class. These two throw
// "Invalid filename" for a name that IsUsableUserName refuses.
QString ProfileFileName(const QString& userName);
// user name + "_checkbox.dat": the statistics settings.
QString SettingsFileName(const QString& userName);

}  // namespace rova
