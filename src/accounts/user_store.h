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

// Refused: the user name cannot safely form file names (a path separator,
// "." or "..", a control character, a character the Baltic code page lacks,
// or too long), or another field holds a line break. FilesTaken: one of the
// name's files is a file of another registered user (checked right after
// Duplicate). Nothing is written for either.
enum class RegistrationResult { Duplicate, FilesTaken, Incomplete, Registered, Refused };

struct RegistrationOutcome {
  RegistrationResult result;
  int duplicateCount = 0;  // Duplicate: how many lines of user.dat hold the name
};

// Adds the user to user.dat and password.dat (newest first), names the user
// in the session file, and creates the profile, the 90 result files and the
// statistics settings file, all in one FileTransaction: a failure, or the
// process dying at any moment, leaves the new user there whole or not at
// all and every other file as it was. `beforeWriting` runs once the user is
// known to be new, complete and storable, before password.dat is read and
// any file is written.
// Throws ProgramError.
RegistrationOutcome RegisterUser(const RegistrationData& data,
                                 const std::function<void()>& beforeWriting = {});

enum class LoginResult { UnknownUser, WrongPassword, Accepted };

// Writes the typed name into the session file first, whatever the outcome,
// then checks it against user.dat (the last equal line decides) and the
// password on the same line of password.dat. Throws ProgramError.
LoginResult LogIn(const QString& userName, const QString& password);

// Whether a user name can form the user's file names.
bool IsUsableUserName(const QString& userName);

// "user_" + user name + ".dat": first name, surname, class. These two throw
// "Invalid filename" for a name that IsUsableUserName refuses.
QString ProfileFileName(const QString& userName);
// user name + "_checkbox.dat": the statistics settings.
QString SettingsFileName(const QString& userName);

}  // namespace rova
