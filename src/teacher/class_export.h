// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "teacher/class_overview.h"

namespace rova::teacher {

// What a cell shows for a sum: "3 / 5" and the share "60 %"; "—" when a file
// of the sum could not be read, so that a partial sum is never shown.
QString CountsText(const Totals& totals);
QString ShareText(const Totals& totals);  // "66,7 %"; empty when nothing was checked
// Why a sum shows "—": the problems of its cells.
QString TotalsProblem(const Pupil& pupil, int firstTaskIndex, int taskCount);

// The notes of an export: the folders' problems, then each pupil's
// unreadable files and the pupils found in several folders.
QStringList ExportNotes(const ClassOverview& overview, const std::vector<const Pupil*>& pupils);

// The topics table for other programs: UTF-8 with a byte order mark, ";"
// between fields, a decimal comma, CR LF, and the notes after an empty line.
QByteArray ClassCsv(const ClassOverview& overview, const std::vector<const Pupil*>& pupils);

// A spreadsheet with the sheets "Temos", "Uždaviniai" and "Pastabos".
// Throws ProgramError.
void WriteClassXlsx(const QString& fileName, const ClassOverview& overview,
                    const std::vector<const Pupil*>& pupils);

// The topics table as a page for printing.
QString ClassHtml(const ClassOverview& overview, const std::vector<const Pupil*>& pupils,
                  const QString& schoolClass);

// Refuses a file to write inside one of the data folders, which the program
// never writes into. Throws ProgramError.
void CheckExportTarget(const QString& fileName, const ClassOverview& overview);

// Writes the export the file's ending asks for (.csv or .xlsx). Refuses an
// ending it does not know and a file inside one of the data folders, which
// the program never writes into. Throws ProgramError.
void ExportClass(const QString& fileName, const ClassOverview& overview,
                 const std::vector<const Pupil*>& pupils);

}  // namespace rova::teacher
