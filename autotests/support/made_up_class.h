// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <functional>

#include "accounts/user_store.h"
#include "course/result_store.h"
#include "course/task_catalogue.h"
#include "textio/baltic_codec.h"
#include "textio/text_file.h"

namespace rova::teacher::testing {

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
}

// A pupil as registration leaves one, with the counts `counts` gives each task.
// user.dat gets the name on a line of its own (newest first, as registration
// writes it).
inline void AddPupil(const QString& folder, const QString& userName, const QStringList& profile,
                     const std::function<ResultCounts(TaskId)>& counts) {
  QDir().mkpath(folder);
  QFile list(folder + QStringLiteral("/user.dat"));
  QByteArray users = list.open(QIODevice::ReadOnly) ? list.readAll() : QByteArray();
  list.close();
  WriteFile(folder + QStringLiteral("/user.dat"), ToBaltic(userName) + "\r\n" + users);
  QList<QByteArray> lines;
  for (const QString& line : profile) lines << ToBaltic(line);
  WriteFile(folder + QLatin1Char('/') + ProfileFileName(userName), JoinLines(lines));
  for (const TaskRow& row : TaskCatalogue()) {
    WriteFile(folder + QLatin1Char('/') + ResultFileName(userName, row.id), CountsFileBytes(counts(row.id)));
  }
}

}  // namespace rova::teacher::testing
