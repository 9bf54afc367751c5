// SPDX-License-Identifier: GPL-3.0-or-later
#include "textio/text_file.h"

#include <unistd.h>

#include <algorithm>

#include "textio/baltic_codec.h"
#include "textio/program_error.h"

namespace rova {

namespace {

// The folder of a path, kept by the reading thread for as long as it reads
// files of that folder: a class of 90 files per pupil opens it once.
StoreFolder FolderOfPath(const QString& folderPath) {
  thread_local QString lastPath;
  thread_local StoreFolder lastFolder;
  if (!lastFolder.isOpen() || lastPath != folderPath) {
    lastFolder = StoreFolder::Open(folderPath);
    lastPath = folderPath;
  }
  return lastFolder;
}

}  // namespace

int MaxFileNameBytes() {
  constexpr int kUsualLimit = 255;
  try {
    return DataFolder().maxNameBytes();
  } catch (const ProgramError&) {
    return kUsualLimit;  // no data folder to ask
  }
}

QByteArray ReadFileBytes(const QString& fileName, qsizetype limit) {
  DataFile file(DataFolder(), fileName, limit);
  return file.ReadAll();
}

QList<QByteArray> SplitLines(const QByteArray& bytes) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  const qsizetype size = bytes.size();
  qsizetype i = 0;
  while (i < size) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.append(bytes.mid(start, i - start));
      if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < size) lines.append(bytes.mid(start));
  return lines;
}

QList<QByteArray> ReadLines(const QString& fileName, qsizetype limit) {
  return SplitLines(ReadFileBytes(fileName, limit));
}

QByteArray JoinLines(const QList<QByteArray>& lines) {
  QByteArray bytes;
  qsizetype size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  bytes.reserve(size);
  for (const auto& line : lines) {
    bytes.append(line);
    bytes.append("\r\n", 2);
  }
  return bytes;
}

// ---- Reading ------------------------------------------------------------------

InputFile::InputFile(const QString& fileName) {
  const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
  if (slash < 0) {
    file_ = std::make_unique<DataFile>(DataFolder(), fileName, -1);
    return;
  }
  const QString folderPath = slash == 0 ? QStringLiteral("/") : fileName.left(slash);
  StoreFolder folder;
  try {
    folder = FolderOfPath(folderPath);
  } catch (const ProgramError& error) {
    // A missing folder in the name makes the name itself unusable.
    throw error.kind() == ErrorKind::FileNotFound ? ProgramError::FromErrno(ENOTDIR, fileName) : error;
  }
  file_ = std::make_unique<DataFile>(folder, fileName.mid(slash + 1), -1);
}

InputFile::~InputFile() = default;

qsizetype InputFile::Read(char* buffer, qsizetype capacity) { return file_->Read(buffer, capacity); }

void InputFile::LimitTo(qsizetype bytes) { file_->LimitTo(bytes); }

QByteArray ReadFirstLine(const QString& fileName, qsizetype limit) {
  InputFile file(fileName);
  file.LimitTo(kSmallFileLimit);
  QByteArray line;
  char buffer[512];
  while (line.size() <= limit) {
    const qsizetype got = file.Read(buffer, qMin<qsizetype>(sizeof buffer, limit + 1 - line.size()));
    if (got == 0) break;
    const char* end = std::find_if(buffer, buffer + got, [](char c) { return c == '\r' || c == '\n'; });
    line.append(buffer, end - buffer);
    if (end != buffer + got) break;
  }
  return line;
}

bool IsUsableFileStem(const QString& stem, int longestSuffix) {
  if (stem.isEmpty() || stem == QLatin1String(".") || stem == QLatin1String("..")) return false;
  for (const QChar c : stem) {
    if (c == QLatin1Char('/') || c == QLatin1Char('\\')) return false;
    if (c.category() == QChar::Other_Control) return false;
  }
  if (!FitsBaltic(stem)) return false;
  return stem.toUtf8().size() + longestSuffix + kRewriteNameOverhead <= MaxFileNameBytes();
}

}  // namespace rova
