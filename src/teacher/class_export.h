// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "teacher/class_overview.h"

namespace rova::teacher {

// The labels of the two class figures: the mean of the pupils' shares, and
// the share of all the class's answers taken together.
extern const QString kClassMeanLabel;
extern const QString kPooledShareLabel;
// What a cell shows for a sum that leaves out files it could not count.
extern const QString kNothingRead;  // "—"
extern const QString kPartialMark;  // "*"

// What a cell shows for a sum: "3 / 5" and the share "60,0 %"; "—" when no
// file of the sum could be read; a sum over the readable files alone is
// marked "*" after its counts.
QString CountsText(const Totals& totals);
QString ShareText(const Totals& totals);  // "66,7 %"; empty when nothing was checked
QString PercentText(double percent);      // "66,7 %"
QString MeanText(const MeanShare& mean);  // "41,7 %", with "*" when partial
// Why a cell is left out of the sums, naming its file: "…/jonas_1-2.dat: File not found".
QString CellProblem(const Pupil& pupil, int taskIndex);
// The problems of the cells of a sum, some twenty at most and then "… ir dar N".
QString TotalsProblem(const Pupil& pupil, int firstTaskIndex, int taskCount);
// A pupil's name as the tables show it: first name and surname, else the
// user name; control characters as \xNN.
QString PupilLabel(const Pupil& pupil);

// The notes of an export: what the "*" means, the folders' notes, user names
// found in several folders, and each pupil's unreadable or damaged files,
// capped per folder and kind.
QStringList ExportNotes(const ClassOverview& overview, const std::vector<const Pupil*>& pupils);

// The topics table for other programs: UTF-8 with a byte order mark, ";"
// between fields, a decimal comma, CR LF, and the notes after an empty line.
// A text that a spreadsheet program would take for a formula is kept text.
QByteArray ClassCsv(const ClassOverview& overview, const std::vector<const Pupil*>& pupils);

// A spreadsheet with the sheets "Temos", "Uždaviniai" and "Pastabos",
// written to the file that `fileName` opens. Throws ProgramError.
void WriteClassXlsx(const QString& fileName, const ClassOverview& overview,
                    const std::vector<const Pupil*>& pupils);

// The topics table as a page for printing.
QString ClassHtml(const ClassOverview& overview, const std::vector<const Pupil*>& pupils,
                  const QString& schoolClass);

// Writes the export the file's extension asks for (.csv or .xlsx) through an
// ExportFile, which refuses a file in or beneath one of `dataFolders`.
// Throws ProgramError.
void ExportClass(const QString& fileName, const ClassOverview& overview,
                 const std::vector<const Pupil*>& pupils, const QStringList& dataFolders);

}  // namespace rova::teacher
