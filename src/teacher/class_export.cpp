// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/class_export.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

#include "textio/program_error.h"

namespace rova::teacher {

namespace {

const QString kUnreadable = QStringLiteral("—");

QString DecimalComma(double value) {
  return QString::number(value, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString PupilLabel(const Pupil& pupil) {
  QString name = QStringLiteral("%1 %2").arg(pupil.firstName, pupil.surname).trimmed();
  if (name.isEmpty()) name = pupil.userName;
  return Printable(name);
}

QStringList TopicHeaders() {
  QStringList headers{QStringLiteral("Vardas"), QStringLiteral("Pavardė"), QStringLiteral("Klasė"),
                      QStringLiteral("Vartotojo vardas")};
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    const QString title = TopicMenuText(topic);
    headers << title + QStringLiteral(": teisingai") << title + QStringLiteral(": tikrinta")
            << title + QStringLiteral(": %");
  }
  headers << QStringLiteral("Iš viso: teisingai") << QStringLiteral("Iš viso: tikrinta")
          << QStringLiteral("Iš viso: %");
  return headers;
}

QString CsvField(const QString& text) {
  if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
      !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
    return text;
  }
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A text a pupil typed, kept from being taken for a formula by a spreadsheet
// program that opens the CSV: "=...", "+...", "-...", "@..." get a leading "'".
QString TextField(const QString& text) {
  const QString shown = Printable(text);
  static const QString kFormulaStarts = QStringLiteral("=+-@");
  if (!shown.isEmpty() && kFormulaStarts.contains(shown[0])) return QLatin1Char('\'') + shown;
  return shown;
}

void AppendCsvLine(QByteArray& bytes, const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& field : fields) quoted << CsvField(field);
  bytes += quoted.join(QLatin1Char(';')).toUtf8();
  bytes += "\r\n";
}

// Three fields of a sum: right, checked, share; "—" in each when unreadable.
void AppendTotals(QStringList& fields, const Totals& totals) {
  if (totals.unreadable > 0) {
    fields << kUnreadable << kUnreadable << kUnreadable;
    return;
  }
  const std::optional<double> share = SharePercent(totals.counts);
  fields << QString::number(totals.counts.correct) << QString::number(totals.counts.checked)
         << (share ? DecimalComma(*share) : QString());
}


// ---- The spreadsheet -----------------------------------------------------------

struct WorkbookCloser {
  void operator()(lxw_workbook* workbook) const {
    if (workbook) workbook_close(workbook);
  }
};

class Sheet {
 public:
  Sheet(lxw_workbook* workbook, const char* name) : sheet_(workbook_add_worksheet(workbook, name)) {
    if (!sheet_) throw ProgramError(QStringLiteral("Nepavyko sukurti lapo"));
  }
  void Text(int row, int column, const QString& text, lxw_format* format = nullptr) {
    Check(worksheet_write_string(sheet_, row, column, text.toUtf8().constData(), format));
  }
  void Number(int row, int column, double value, lxw_format* format = nullptr) {
    Check(worksheet_write_number(sheet_, row, column, value, format));
  }
  // Right, checked and share, or "—" in each when unreadable.
  void Sums(int row, int column, const Totals& totals, lxw_format* shareFormat, bool withShare) {
    const int width = withShare ? 3 : 2;
    if (totals.unreadable > 0) {
      for (int i = 0; i < width; ++i) Text(row, column + i, kUnreadable);
      return;
    }
    Number(row, column, static_cast<double>(totals.counts.correct));
    Number(row, column + 1, static_cast<double>(totals.counts.checked));
    if (!withShare) return;
    if (const std::optional<double> share = SharePercent(totals.counts)) {
      Number(row, column + 2, *share, shareFormat);
    }
  }
  lxw_worksheet* get() const { return sheet_; }

 private:
  static void Check(lxw_error error) {
    if (error != LXW_NO_ERROR) throw ProgramError(QString::fromUtf8(lxw_strerror(error)));
  }
  lxw_worksheet* sheet_;
};

void WritePupilColumns(Sheet& sheet, int row, const Pupil& pupil) {
  sheet.Text(row, 0, Printable(pupil.firstName));
  sheet.Text(row, 1, Printable(pupil.surname));
  sheet.Text(row, 2, Printable(pupil.schoolClass));
  sheet.Text(row, 3, Printable(pupil.userName));
}

}  // namespace

QString CountsText(const Totals& totals) {
  if (totals.unreadable > 0) return kUnreadable;
  return QStringLiteral("%1 / %2").arg(totals.counts.correct).arg(totals.counts.checked);
}

QString ShareText(const Totals& totals) {
  if (totals.unreadable > 0) return kUnreadable;
  const std::optional<double> share = SharePercent(totals.counts);
  return share ? DecimalComma(*share) + QStringLiteral(" %") : QString();
}

QString TotalsProblem(const Pupil& pupil, int firstTaskIndex, int taskCount) {
  QStringList problems;
  for (int i = firstTaskIndex; i < firstTaskIndex + taskCount; ++i) {
    if (!pupil.tasks[i].readable()) problems << pupil.tasks[i].problem;
  }
  return problems.join(QLatin1Char('\n'));
}

QStringList ExportNotes(const ClassOverview& overview, const std::vector<const Pupil*>& pupils) {
  QStringList notes = overview.problems;
  for (const Pupil* pupil : pupils) {
    if (pupil->merged()) {
      QStringList folders;
      for (const QString& folder : pupil->folders) folders << Printable(folder);
      notes << QStringLiteral("%1 (%2) rastas keliuose aplankuose, skaičiai sudėti: %3")
                   .arg(PupilLabel(*pupil), Printable(pupil->userName), folders.join(QStringLiteral(", ")));
    }
    if (!pupil->profileProblem.isEmpty()) notes << pupil->profileProblem.split(QLatin1Char('\n'));
    for (const TaskCell& cell : pupil->tasks) {
      if (!cell.readable()) notes << cell.problem.split(QLatin1Char('\n'));
    }
  }
  return notes;
}

QByteArray ClassCsv(const ClassOverview& overview, const std::vector<const Pupil*>& pupils) {
  QByteArray bytes("\xEF\xBB\xBF");
  AppendCsvLine(bytes, TopicHeaders());
  for (const Pupil* pupil : pupils) {
    QStringList fields{TextField(pupil->firstName), TextField(pupil->surname),
                       TextField(pupil->schoolClass), TextField(pupil->userName)};
    for (int topic = 1; topic <= kTopicCount; ++topic) AppendTotals(fields, TopicTotals(*pupil, topic));
    AppendTotals(fields, PupilTotals(*pupil));
    AppendCsvLine(bytes, fields);
  }
  QStringList fields{QStringLiteral("Iš viso"), {}, {}, {}};
  for (int topic = 1; topic <= kTopicCount; ++topic) AppendTotals(fields, ClassTopicTotals(pupils, topic));
  AppendTotals(fields, ClassTotals(pupils));
  AppendCsvLine(bytes, fields);

  const QStringList notes = ExportNotes(overview, pupils);
  if (!notes.isEmpty()) {
    bytes += "\r\n";
    AppendCsvLine(bytes, {QStringLiteral("Pastabos")});
    for (const QString& note : notes) AppendCsvLine(bytes, {TextField(note)});
  }
  return bytes;
}

void WriteClassXlsx(const QString& fileName, const ClassOverview& overview,
                    const std::vector<const Pupil*>& pupils) {
  const QByteArray native = fileName.toUtf8();
  std::unique_ptr<lxw_workbook, WorkbookCloser> workbook(workbook_new(native.constData()));
  if (!workbook) throw ProgramError(QStringLiteral("Nepavyko sukurti %1").arg(fileName));
  lxw_format* bold = workbook_add_format(workbook.get());
  format_set_bold(bold);
  lxw_format* share = workbook_add_format(workbook.get());
  format_set_num_format(share, "0.0");

  Sheet topics(workbook.get(), "Temos");
  const QStringList headers = TopicHeaders();
  for (int column = 0; column < headers.size(); ++column) topics.Text(0, column, headers[column], bold);
  int row = 1;
  for (const Pupil* pupil : pupils) {
    WritePupilColumns(topics, row, *pupil);
    for (int topic = 1; topic <= kTopicCount; ++topic) {
      topics.Sums(row, 4 + 3 * (topic - 1), TopicTotals(*pupil, topic), share, true);
    }
    topics.Sums(row, 4 + 3 * kTopicCount, PupilTotals(*pupil), share, true);
    ++row;
  }
  topics.Text(row, 0, QStringLiteral("Iš viso"), bold);
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    topics.Sums(row, 4 + 3 * (topic - 1), ClassTopicTotals(pupils, topic), share, true);
  }
  topics.Sums(row, 4 + 3 * kTopicCount, ClassTotals(pupils), share, true);
  worksheet_freeze_panes(topics.get(), 1, 4);

  Sheet tasks(workbook.get(), "Uždaviniai");
  for (int column = 0; column < 4; ++column) tasks.Text(0, column, headers[column], bold);
  for (const TaskRow& task : TaskCatalogue()) {
    const int column = 4 + 2 * TaskIndex(task.id);
    const QString name = QStringLiteral("%1-%2").arg(task.id.topic).arg(task.id.task);
    tasks.Text(0, column, name + QStringLiteral(": teisingai"), bold);
    tasks.Text(0, column + 1, name + QStringLiteral(": tikrinta"), bold);
  }
  row = 1;
  for (const Pupil* pupil : pupils) {
    WritePupilColumns(tasks, row, *pupil);
    for (const TaskRow& task : TaskCatalogue()) {
      Totals one;
      const TaskCell& cell = pupil->cell(task.id);
      if (cell.readable()) one.counts = cell.counts;
      else one.unreadable = 1;
      tasks.Sums(row, 4 + 2 * TaskIndex(task.id), one, nullptr, false);
    }
    ++row;
  }
  tasks.Text(row, 0, QStringLiteral("Iš viso"), bold);
  for (const TaskRow& task : TaskCatalogue()) {
    tasks.Sums(row, 4 + 2 * TaskIndex(task.id), ClassTaskTotals(pupils, task.id), nullptr, false);
  }
  worksheet_freeze_panes(tasks.get(), 1, 4);

  Sheet notes(workbook.get(), "Pastabos");
  notes.Text(0, 0, QStringLiteral("Pastabos"), bold);
  row = 1;
  for (const QString& note : ExportNotes(overview, pupils)) notes.Text(row++, 0, note);

  const lxw_error error = workbook_close(workbook.release());
  if (error != LXW_NO_ERROR) {
    throw ProgramError(QStringLiteral("%1: %2").arg(fileName, QString::fromUtf8(lxw_strerror(error))));
  }
}

QString ClassHtml(const ClassOverview& overview, const std::vector<const Pupil*>& pupils,
                  const QString& schoolClass) {
  QString html = QStringLiteral(
      "<html><body><h2>ROVA 2004 – mokytojo suvestinė</h2><p>%1</p>"
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr><th>Mokinys</th><th>Klasė</th>")
                     .arg(schoolClass.isEmpty()
                              ? QStringLiteral("Visos klasės")
                              : QStringLiteral("Klasė %1").arg(Printable(schoolClass).toHtmlEscaped()));
  for (int topic = 1; topic <= kTopicCount; ++topic) html += QStringLiteral("<th>%1</th>").arg(topic);
  html += QStringLiteral("<th>Iš viso</th></tr>");
  const auto cell = [](const Totals& totals) {
    return QStringLiteral("<td align=\"center\">%1<br>%2</td>")
        .arg(CountsText(totals), ShareText(totals));
  };
  for (const Pupil* pupil : pupils) {
    html += QStringLiteral("<tr><td>%1</td><td>%2</td>")
                .arg(PupilLabel(*pupil).toHtmlEscaped(), Printable(pupil->schoolClass).toHtmlEscaped());
    for (int topic = 1; topic <= kTopicCount; ++topic) html += cell(TopicTotals(*pupil, topic));
    html += cell(PupilTotals(*pupil)) + QStringLiteral("</tr>");
  }
  html += QStringLiteral("<tr><th>Iš viso</th><td></td>");
  for (int topic = 1; topic <= kTopicCount; ++topic) html += cell(ClassTopicTotals(pupils, topic));
  html += cell(ClassTotals(pupils)) + QStringLiteral("</tr></table><p>");
  QStringList titles;
  for (int topic = 1; topic <= kTopicCount; ++topic) titles << TopicMenuText(topic).toHtmlEscaped();
  html += titles.join(QStringLiteral("; ")) + QStringLiteral("</p>");
  const QStringList notes = ExportNotes(overview, pupils);
  if (!notes.isEmpty()) {
    html += QStringLiteral("<h3>Pastabos</h3><ul>");
    for (const QString& note : notes) html += QStringLiteral("<li>%1</li>").arg(note.toHtmlEscaped());
    html += QStringLiteral("</ul>");
  }
  return html + QStringLiteral("</body></html>");
}

void CheckExportTarget(const QString& fileName, const ClassOverview& overview) {
  const QFileInfo target(fileName);
  const QString targetFolder = target.absoluteDir().canonicalPath();
  if (targetFolder.isEmpty()) {
    throw ProgramError(QStringLiteral("Aplankas %1 nerastas").arg(target.absolutePath()));
  }
  for (const QString& folder : overview.folders) {
    if (QFileInfo(folder).canonicalFilePath() == targetFolder) {
      throw ProgramError(
          QStringLiteral("Į duomenų aplanką %1 nerašoma: pasirinkite kitą aplanką").arg(folder));
    }
  }
}

void ExportClass(const QString& fileName, const ClassOverview& overview,
                 const std::vector<const Pupil*>& pupils) {
  CheckExportTarget(fileName, overview);
  const QFileInfo target(fileName);
  const QString suffix = target.suffix().toLower();
  if (suffix == QLatin1String("xlsx")) {
    WriteClassXlsx(fileName, overview, pupils);
  } else if (suffix == QLatin1String("csv")) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(ClassCsv(overview, pupils)) < 0 ||
        !file.commit()) {
      throw ProgramError(QStringLiteral("%1: %2").arg(fileName, file.errorString()));
    }
  } else {
    throw ProgramError(QStringLiteral("%1: failo pabaiga turi būti .xlsx arba .csv").arg(fileName));
  }
}

}  // namespace rova::teacher
