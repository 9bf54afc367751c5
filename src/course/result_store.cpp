// SPDX-License-Identifier: GPL-3.0-or-later
#include "course/result_store.h"

#include <cerrno>

#include "textio/count_reader.h"
#include "textio/program_error.h"
#include "textio/store_transaction.h"
#include "textio/text_file.h"

namespace rova {

QString UserFileName(const QString& prefix, const QString& userName, const QString& suffix) {
  if (!IsUsableFileStem(userName, kLongestUserFileSuffix)) throw ProgramError::FromErrno(EINVAL);
  return prefix + userName + suffix;
}

QString ResultFileName(const QString& userName, TaskId id) {
  return UserFileName({}, userName, CatalogueRow(id).resultFileSuffix);
}

std::vector<QString> ResultFileNames(const QString& userName) {
  if (!IsUsableFileStem(userName, kLongestUserFileSuffix)) throw ProgramError::FromErrno(EINVAL);
  std::vector<QString> names;
  names.reserve(TaskCatalogue().size());
  for (const TaskRow& row : TaskCatalogue()) names.push_back(userName + row.resultFileSuffix);
  return names;
}

QByteArray CountsFileBytes(ResultCounts counts) {
  return JoinLines({QByteArray::number(counts.correct), QByteArray::number(counts.checked)});
}

QByteArray InitialResultFileBytes(TaskId id) {
  return id.task == 1 ? QByteArrayLiteral("0\r\n0\r\n") : QByteArrayLiteral("0\r\n");
}

ResultCounts ReadCounts(const QString& fileName, qsizetype byteLimit) {
  InputFile file(fileName);
  file.LimitTo(byteLimit);
  CountReader reader(file);
  ResultCounts counts;
  try {
    counts.correct = reader.Next();
    counts.checked = reader.Next();
  } catch (const ProgramError& error) {
    if (error.kind() != ErrorKind::InvalidNumericInput) throw;
    throw error.NamingFile(fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1));
  }
  return counts;
}

void WriteCounts(const QString& fileName, ResultCounts counts) {
  RewriteFile(fileName, CountsFileBytes(counts));
}

}  // namespace rova
