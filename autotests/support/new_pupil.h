// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

#include "course/result_store.h"
#include "textio/baltic_codec.h"

namespace rova::testing {

// The files a registration leaves for a new pupil, written directly: the
// session names the pupil, the profile, 90 result files with no checks and
// the settings file "1".
inline void WriteNewPupil(const QString& user, const QString& firstName, const QString& surname) {
  const auto write = [](const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  };
  write(QStringLiteral("temp.dat"), ToBaltic(user) + "\r\n");
  write(QStringLiteral("user_") + user + QStringLiteral(".dat"),
        ToBaltic(firstName) + "\r\n" + ToBaltic(surname) + "\r\n8b\r\n");
  for (const TaskRow& row : TaskCatalogue()) write(ResultFileName(user, row.id), InitialResultFileBytes(row.id));
  write(user + QStringLiteral("_checkbox.dat"), "1\r\n");
}

}  // namespace rova::testing
