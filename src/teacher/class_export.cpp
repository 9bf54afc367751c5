// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/class_export.h"

#include <xlsxwriter.h>

#include <QFileInfo>
#include <memory>

#include "teacher/export_file.h"
#include "textio/program_error.h"

namespace rova::teacher {

const QString kClassMeanLabel = QStringLiteral("Klasės vidurkis (mokinių dalių vidurkis)");
const QString kPooledShareLabel = QStringLiteral("Iš viso (bendra visų atsakymų dalis)");
const QString kNothingRead = QStringLiteral("—");
const QString kPartialMark = QStringLiteral("*");

namespace {

QString DecimalComma(double value) {
  return QString::number(value, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

QStringList TopicHeaders() {
  QStringList headers{QStringLiteral("Vardas"), QStringLiteral("Pavardė"), QStringLiteral("Klasė"),
                      QStringLiteral("Vartotojo vardas"), QStringLiteral("Aplankas")};
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    const QString title = TopicMenuText(topic);
    headers << title + QStringLiteral(": teisingai") << title + QStringLiteral(": tikrinta")
            << title + QStringLiteral(": %");
  }
  headers << QStringLiteral("Iš viso: teisingai") << QStringLiteral("Iš viso: tikrinta")
          << QStringLiteral("Iš viso: %");
  return headers;
}
// Name, surname, class, user name and folder come before the figures.
constexpr int kIdentityColumns = 5;

QString CsvField(const QString& text) {
  if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
      !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
    return text;
  }
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A text from a data folder, kept from being taken for a formula by a
// spreadsheet program that opens the CSV: "=...", "+...", "-...", "@..." get
// a leading "'"; control characters (a line break, a tab) are shown as \xNN.
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

// Three fields of a sum: right, checked, share; "—" in each when nothing of
// it was read, the share marked "*" when the sum is partial.
void AppendTotals(QStringList& fields, const Totals& totals) {
  if (totals.nothingRead()) {
    fields << kNothingRead << kNothingRead << kNothingRead;
    return;
  }
  const std::optional<double> share = SharePercent(totals.counts);
  fields << QString::number(totals.counts.correct) << QString::number(totals.counts.checked)
         << (share ? DecimalComma(*share) : QString()) + (totals.partial() ? kPartialMark : QString());
}

void AppendMean(QStringList& fields, const MeanShare& mean) {
  fields << QString() << QString()
         << (mean.percent ? DecimalComma(*mean.percent) : QString()) +
                (mean.partial ? kPartialMark : QString());
}

QStringList IdentityFields(const Pupil& pupil) {
  return {TextField(pupil.firstName), TextField(pupil.surname), TextField(pupil.schoolClass),
          TextField(pupil.userName), TextField(pupil.folder)};
}

// ---- The spreadsheet -----------------------------------------------------------

struct WorkbookCloser {
  void operator()(lxw_workbook* workbook) const {
    if (workbook) workbook_close(workbook);
  }
};

struct Formats {
  lxw_format* bold;
  lxw_format* share;
  lxw_format* partialShare;
  lxw_format* partialCount;
};

class Sheet {
 public:
  Sheet(lxw_workbook* workbook, const char* name, const Formats& formats)
      : sheet_(workbook_add_worksheet(workbook, name)), formats_(formats) {
    if (!sheet_) throw ProgramError(QStringLiteral("Nepavyko sukurti lapo"));
  }
  void Text(int row, int column, const QString& text, lxw_format* format = nullptr) {
    Check(worksheet_write_string(sheet_, row, column, text.toUtf8().constData(), format));
  }
  void Number(int row, int column, double value, lxw_format* format = nullptr) {
    Check(worksheet_write_number(sheet_, row, column, value, format));
  }
  // Right, checked and share, or "—" in each when nothing was read; a
  // partial sum keeps its numbers, shown with "*".
  void Sums(int row, int column, const Totals& totals, bool withShare) {
    const int width = withShare ? 3 : 2;
    if (totals.nothingRead()) {
      for (int i = 0; i < width; ++i) Text(row, column + i, kNothingRead);
      return;
    }
    const bool partial = totals.partial();
    Number(row, column, static_cast<double>(totals.counts.correct));
    Number(row, column + 1, static_cast<double>(totals.counts.checked),
           partial && !withShare ? formats_.partialCount : nullptr);
    if (!withShare) return;
    if (const std::optional<double> share = SharePercent(totals.counts)) {
      Number(row, column + 2, *share, partial ? formats_.partialShare : formats_.share);
    } else if (partial) {
      Text(row, column + 2, kPartialMark);
    }
  }
  void Mean(int row, int column, const MeanShare& mean) {
    if (mean.percent) Number(row, column, *mean.percent, mean.partial ? formats_.partialShare : formats_.share);
    else if (mean.partial) Text(row, column, kPartialMark);
  }
  void Identity(int row, const Pupil& pupil) {
    const QStringList fields{pupil.firstName, pupil.surname, pupil.schoolClass, pupil.userName, pupil.folder};
    for (int column = 0; column < kIdentityColumns; ++column) Text(row, column, Printable(fields[column]));
  }
  lxw_worksheet* get() const { return sheet_; }

 private:
  static void Check(lxw_error error) {
    if (error != LXW_NO_ERROR) throw ProgramError(QString::fromUtf8(lxw_strerror(error)));
  }
  lxw_worksheet* sheet_;
  Formats formats_;
};

int TopicColumn(int topic) { return kIdentityColumns + 3 * (topic - 1); }
int TaskColumn(TaskId id) { return kIdentityColumns + 2 * TaskIndex(id); }

}  // namespace

QString CountsText(const Totals& totals) {
  if (totals.nothingRead()) return kNothingRead;
  const QString counts = QStringLiteral("%1 / %2").arg(totals.counts.correct).arg(totals.counts.checked);
  return totals.partial() ? counts + QLatin1Char(' ') + kPartialMark : counts;
}

QString PercentText(double percent) { return DecimalComma(percent) + QStringLiteral(" %"); }

QString ShareText(const Totals& totals) {
  if (totals.nothingRead()) return kNothingRead;
  const std::optional<double> share = SharePercent(totals.counts);
  return share ? PercentText(*share) : QString();
}

QString MeanText(const MeanShare& mean) {
  const QString text = mean.percent ? PercentText(*mean.percent) : QString();
  return mean.partial ? (text.isEmpty() ? kPartialMark : text + QLatin1Char(' ') + kPartialMark) : text;
}

QString CellProblem(const Pupil& pupil, int taskIndex) {
  const TaskCell& cell = pupil.tasks[taskIndex];
  if (cell.readable()) return {};
  const TaskRow& row = TaskCatalogue()[taskIndex];
  const QString file = Printable(pupil.folder + QLatin1Char('/') + pupil.userName + row.resultFileSuffix);
  if (cell.problemKind == NoteKind::ImpossibleCounts) {
    return QStringLiteral("%1: %2 (teisingai %3, tikrinta %4)")
        .arg(file, cell.problem)
        .arg(cell.counts.correct)
        .arg(cell.counts.checked);
  }
  return QStringLiteral("%1: %2").arg(file, cell.problem);
}

QString TotalsProblem(const Pupil& pupil, int firstTaskIndex, int taskCount) {
  Notes notes;
  for (int i = firstTaskIndex; i < firstTaskIndex + taskCount; ++i) {
    if (!pupil.tasks[i].readable()) notes.Add({}, NoteKind::ResultFile, [&] { return CellProblem(pupil, i); });
  }
  return notes.Lines().join(QLatin1Char('\n'));
}

QString PupilLabel(const Pupil& pupil) {
  const QString name = QStringLiteral("%1 %2").arg(pupil.firstName, pupil.surname).trimmed();
  return Printable(name.isEmpty() ? pupil.userName : name);
}

QStringList ExportNotes(const ClassOverview& overview, const std::vector<const Pupil*>& pupils) {
  Notes files;
  bool unreadable = false;
  bool counted = false;
  for (const Pupil* pupil : pupils) {
    if (!pupil->profileProblem.isEmpty()) files.Add(pupil->folder, NoteKind::Profile, pupil->profileProblem);
    for (int i = 0; i < kTaskCount; ++i) {
      const TaskCell& cell = pupil->tasks[i];
      if (cell.readable()) {
        counted = true;
      } else {
        unreadable = true;
        files.Add(pupil->folder, cell.problemKind, [&] { return CellProblem(*pupil, i); });
      }
    }
  }

  Notes notes;
  // A sum over the files that could be read, beside one that could not.
  if (unreadable && counted) {
    notes.Add({}, NoteKind::PartialSums,
              QStringLiteral("Žvaigždute (%1) pažymėtos dalinės sumos: į jas neįeina neperskaitytų ar "
                             "pažeistų failų skaičiai.")
                  .arg(kPartialMark));
  }
  notes.Append(overview.notes);

  QHash<QString, QStringList> foldersOf;
  for (const Pupil* pupil : pupils) foldersOf[pupil->userName] << pupil->folder;
  for (const Pupil* pupil : pupils) {
    const QStringList& folders = foldersOf[pupil->userName];
    if (folders.size() > 1 && folders.first() == pupil->folder) {
      notes.Add({}, NoteKind::SameName, [&] {
        return QStringLiteral("Vartotojo vardas „%1“ yra keliuose aplankuose (%2): tai skirtingi mokiniai, "
                              "kiekvienas rodomas atskirai su savo aplanku.")
            .arg(Printable(pupil->userName), Printable(folders.join(QStringLiteral(", "))));
      });
    }
  }
  notes.Append(files);
  return notes.Lines();
}

QByteArray ClassCsv(const ClassOverview& overview, const std::vector<const Pupil*>& pupils) {
  QByteArray bytes("\xEF\xBB\xBF");
  AppendCsvLine(bytes, TopicHeaders());
  const ClassSums sums = SumClass(pupils);
  for (size_t p = 0; p < pupils.size(); ++p) {
    QStringList fields = IdentityFields(*pupils[p]);
    for (const Totals& totals : sums.pupils[p]) AppendTotals(fields, totals);
    AppendCsvLine(bytes, fields);
  }
  QStringList totals{kPooledShareLabel, {}, {}, {}, {}};
  QStringList means{kClassMeanLabel, {}, {}, {}, {}};
  for (int k = 0; k <= kTopicCount; ++k) {
    AppendTotals(totals, sums.classTotals[k]);
    AppendMean(means, sums.means[k]);
  }
  AppendCsvLine(bytes, totals);
  AppendCsvLine(bytes, means);

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
  // Row by row, so that a district's 10 000 rows of 184 cells are not all
  // kept in memory until the end.
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  std::unique_ptr<lxw_workbook, WorkbookCloser> workbook(workbook_new_opt(native.constData(), &options));
  if (!workbook) throw ProgramError(QStringLiteral("Nepavyko sukurti skaičiuoklės"));
  Formats formats{};
  formats.bold = workbook_add_format(workbook.get());
  format_set_bold(formats.bold);
  formats.share = workbook_add_format(workbook.get());
  format_set_num_format(formats.share, "0.0");
  formats.partialShare = workbook_add_format(workbook.get());
  format_set_num_format(formats.partialShare, "0.0\"*\"");
  formats.partialCount = workbook_add_format(workbook.get());
  format_set_num_format(formats.partialCount, "0\"*\"");

  Sheet topics(workbook.get(), "Temos", formats);
  const QStringList headers = TopicHeaders();
  for (int column = 0; column < headers.size(); ++column) topics.Text(0, column, headers[column], formats.bold);
  const ClassSums sums = SumClass(pupils);
  int row = 1;
  for (size_t p = 0; p < pupils.size(); ++p) {
    topics.Identity(row, *pupils[p]);
    for (int k = 0; k <= kTopicCount; ++k) topics.Sums(row, TopicColumn(k + 1), sums.pupils[p][k], true);
    ++row;
  }
  topics.Text(row, 0, kPooledShareLabel, formats.bold);
  for (int k = 0; k <= kTopicCount; ++k) topics.Sums(row, TopicColumn(k + 1), sums.classTotals[k], true);
  ++row;
  topics.Text(row, 0, kClassMeanLabel, formats.bold);
  for (int k = 0; k <= kTopicCount; ++k) topics.Mean(row, TopicColumn(k + 1) + 2, sums.means[k]);
  worksheet_freeze_panes(topics.get(), 1, kIdentityColumns);

  Sheet tasks(workbook.get(), "Uždaviniai", formats);
  for (int column = 0; column < kIdentityColumns; ++column) tasks.Text(0, column, headers[column], formats.bold);
  for (const TaskRow& task : TaskCatalogue()) {
    const QString name = QStringLiteral("%1-%2").arg(task.id.topic).arg(task.id.task);
    tasks.Text(0, TaskColumn(task.id), name + QStringLiteral(": teisingai"), formats.bold);
    tasks.Text(0, TaskColumn(task.id) + 1, name + QStringLiteral(": tikrinta"), formats.bold);
  }
  row = 1;
  for (const Pupil* pupil : pupils) {
    tasks.Identity(row, *pupil);
    for (const TaskRow& task : TaskCatalogue()) {
      tasks.Sums(row, TaskColumn(task.id), CellTotals(pupil->cell(task.id)), false);
    }
    ++row;
  }
  tasks.Text(row, 0, QStringLiteral("Iš viso"), formats.bold);
  for (const TaskRow& task : TaskCatalogue()) {
    tasks.Sums(row, TaskColumn(task.id), ClassTaskTotals(pupils, task.id), false);
  }
  worksheet_freeze_panes(tasks.get(), 1, kIdentityColumns);

  Sheet notes(workbook.get(), "Pastabos", formats);
  notes.Text(0, 0, QStringLiteral("Pastabos"), formats.bold);
  row = 1;
  for (const QString& note : ExportNotes(overview, pupils)) notes.Text(row++, 0, note);

  const lxw_error error = workbook_close(workbook.release());
  if (error != LXW_NO_ERROR) throw ProgramError(QString::fromUtf8(lxw_strerror(error)));
}

QString ClassHtml(const ClassOverview& overview, const std::vector<const Pupil*>& pupils,
                  const QString& schoolClass) {
  const bool folders = overview.folders.size() > 1;
  QString html = QStringLiteral(
      "<html><body><h2>ROVA 2004 – mokytojo suvestinė</h2><p>%1</p>"
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr><th>Mokinys</th><th>Klasė</th>%2")
                     .arg(schoolClass.isEmpty()
                              ? QStringLiteral("Visos klasės")
                              : QStringLiteral("Klasė %1").arg(Printable(schoolClass).toHtmlEscaped()),
                          folders ? QStringLiteral("<th>Aplankas</th>") : QString());
  for (int topic = 1; topic <= kTopicCount; ++topic) html += QStringLiteral("<th>%1</th>").arg(topic);
  html += QStringLiteral("<th>Iš viso</th></tr>");
  const auto cell = [](const Totals& totals) {
    return QStringLiteral("<td align=\"center\">%1<br>%2</td>").arg(CountsText(totals), ShareText(totals));
  };
  const ClassSums sums = SumClass(pupils);
  for (size_t p = 0; p < pupils.size(); ++p) {
    const Pupil& pupil = *pupils[p];
    html += QStringLiteral("<tr><td>%1</td><td>%2</td>")
                .arg(PupilLabel(pupil).toHtmlEscaped(), Printable(pupil.schoolClass).toHtmlEscaped());
    if (folders) html += QStringLiteral("<td>%1</td>").arg(Printable(pupil.folder).toHtmlEscaped());
    for (const Totals& totals : sums.pupils[p]) html += cell(totals);
    html += QStringLiteral("</tr>");
  }
  const QString span = folders ? QStringLiteral(" colspan=\"3\"") : QStringLiteral(" colspan=\"2\"");
  html += QStringLiteral("<tr><th%1>%2</th>").arg(span, kPooledShareLabel.toHtmlEscaped());
  for (const Totals& totals : sums.classTotals) html += cell(totals);
  html += QStringLiteral("</tr><tr><th%1>%2</th>").arg(span, kClassMeanLabel.toHtmlEscaped());
  for (const MeanShare& mean : sums.means) html += QStringLiteral("<td align=\"center\">%1</td>").arg(MeanText(mean));
  html += QStringLiteral("</tr></table><p>");
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

void ExportClass(const QString& fileName, const ClassOverview& overview,
                 const std::vector<const Pupil*>& pupils, const QStringList& dataFolders) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix != QLatin1String("xlsx") && suffix != QLatin1String("csv")) {
    throw ProgramError(
        QStringLiteral("%1: failo plėtinys turi būti .xlsx arba .csv").arg(Printable(fileName)));
  }
  ExportFile file(fileName, dataFolders);
  if (suffix == QLatin1String("csv")) {
    file.Write(ClassCsv(overview, pupils));
  } else {
    try {
      WriteClassXlsx(file.OpenName(), overview, pupils);
    } catch (const ProgramError& error) {
      throw ProgramError(QStringLiteral("%1: %2").arg(Printable(fileName), error.message()));
    }
  }
  file.Commit();
}

}  // namespace rova::teacher
