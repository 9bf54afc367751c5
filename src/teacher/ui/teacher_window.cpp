// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/ui/teacher_window.h"

#include <QChartView>
#include <QBuffer>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QThread>
#include <QVBoxLayout>

#include "teacher/class_export.h"
#include "teacher/export_file.h"
#include "teacher/ui/class_table_model.h"
#include "teacher/ui/teacher_charts.h"
#include "window/error_box.h"

namespace rova::teacher {

namespace {

// A details table of counts; ten thousand rows are measured by the rows on
// screen, not each of them.
QTableView* DetailsTable(QAbstractItemModel* model, const QString& name) {
  auto* table = new QTableView;
  table->setModel(model);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->setVisible(false);
  table->horizontalHeader()->setResizeContentsPrecision(0);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->setAccessibleName(name);
  return table;
}

// Columns fitted to the rows on screen. A view not shown measures every row,
// which for ten thousand takes long: it is fitted when its page is shown.
void FitColumns(QTableView* table) {
  if (table->isVisible()) table->resizeColumnsToContents();
}

QLabel* PlainLabel(const QString& text = {}) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

void PrintClass(QPagedPaintDevice& device, const QString& html) {
  device.setPageOrientation(QPageLayout::Landscape);
  QTextDocument document;
  document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 7));
  document.setHtml(html);
  document.print(&device);
}

QString TableLegend() {
  QStringList topics;
  for (int topic = 1; topic <= kTopicCount; ++topic) {
    topics << QStringLiteral("%1 – %2").arg(topic).arg(Topics()[topic - 1].title);
  }
  return QStringLiteral("Temos: %1.\n„Iš viso“ – bendra visų klasės atsakymų dalis; „Klasės vidurkis“ – "
                        "mokinių dalių vidurkis; %2 – dalinė suma: neperskaitytų ar pažeistų failų "
                        "skaičiai į ją neįeina.")
      .arg(topics.join(QStringLiteral("; ")), kPartialMark);
}

TeacherWindow::TeacherWindow(QWidget* parent)
    : QMainWindow(parent), overview_(std::make_shared<ClassOverview>()) {
  setWindowTitle(QStringLiteral("ROVA 2004 – mokytojo suvestinė"));

  QMenu* file = menuBar()->addMenu(QStringLiteral("&Failas"));
  file->addAction(QStringLiteral("&Atverti aplanką…"), QKeySequence::Open, this, &TeacherWindow::AddFolder);
  file->addAction(QStringLiteral("&Eksportuoti…"), QKeySequence::SaveAs, this, &TeacherWindow::Export);
  file->addAction(QStringLiteral("Išsaugoti &PDF…"), this, &TeacherWindow::SavePdf);
  file->addAction(QStringLiteral("&Spausdinti…"), QKeySequence::Print, this, &TeacherWindow::Print);
  file->addSeparator();
  file->addAction(QStringLiteral("&Baigti"), QKeySequence::Quit, this, &QWidget::close);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  auto* filterRow = new QHBoxLayout;
  auto* filterLabel = new QLabel(QStringLiteral("&Klasė:"));
  classFilter_ = new QComboBox;
  classFilter_->setAccessibleName(QStringLiteral("Klasė"));
  classFilter_->setMinimumContentsLength(16);
  classFilter_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  filterLabel->setBuddy(classFilter_);
  filterRow->addWidget(filterLabel);
  filterRow->addWidget(classFilter_);
  filterRow->addStretch();
  layout->addLayout(filterRow);

  tabs_ = new QTabWidget;
  layout->addWidget(tabs_);

  model_ = new ClassTableModel(this);
  sorter_ = new ClassTableSorter(this);
  sorter_->setSourceModel(model_);
  table_ = new QTableView;
  table_->setModel(sorter_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(-1, Qt::AscendingOrder);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(true);
  table_->verticalHeader()->hide();
  // Every row two lines high, as its cells need: measuring ten thousand rows
  // would hold the window still.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setResizeContentsPrecision(0);
  table_->verticalHeader()->setDefaultSectionSize(2 * table_->fontMetrics().lineSpacing() + 8);
  table_->setAccessibleName(QStringLiteral("Klasės lentelė"));
  table_->setAccessibleDescription(
      QStringLiteral("Eilutė – mokinys, stulpelis – tema: teisingai / tikrinta ir dalis procentais"));
  auto* classPage = new QWidget;
  auto* classLayout = new QVBoxLayout(classPage);
  classLayout->setContentsMargins(0, 0, 0, 0);
  classLayout->addWidget(table_, 1);
  legend_ = PlainLabel(TableLegend());
  legend_->setWordWrap(true);
  legend_->setAccessibleName(QStringLiteral("Lentelės paaiškinimas"));
  classLayout->addWidget(legend_);
  tabs_->addTab(classPage, QStringLiteral("Klasė"));

  auto* pupilPage = new QWidget;
  auto* pupilLayout = new QVBoxLayout(pupilPage);
  pupilChoice_ = new QComboBox;
  pupilChoice_->setAccessibleName(QStringLiteral("Mokinys"));
  pupilLayout->addWidget(pupilChoice_);
  auto* pupilSplit = new QSplitter(Qt::Horizontal);
  pupilTasks_ = new CountsTableModel({QStringLiteral("Uždavinys")}, this);
  pupilTable_ = DetailsTable(pupilTasks_, QStringLiteral("Mokinio uždaviniai"));
  pupilChart_ = new QChartView;
  pupilChart_->setRenderHint(QPainter::Antialiasing);
  pupilChart_->setAccessibleName(QStringLiteral("Mokinio ir klasės sėkmė pagal temas"));
  pupilSplit->addWidget(pupilTable_);
  pupilSplit->addWidget(pupilChart_);
  pupilSplit->setStretchFactor(1, 1);
  pupilSplit->setSizes({320, 800});
  pupilLayout->addWidget(pupilSplit);
  tabs_->addTab(pupilPage, QStringLiteral("Mokinys"));

  auto* taskPage = new QWidget;
  auto* taskLayout = new QVBoxLayout(taskPage);
  taskChoice_ = new QComboBox;
  taskChoice_->setAccessibleName(QStringLiteral("Uždavinys"));
  for (const TaskRow& row : TaskCatalogue()) {
    taskChoice_->addItem(QStringLiteral("%1-%2 (%3)").arg(row.id.topic).arg(row.id.task).arg(Topics()[row.id.topic - 1].title));
  }
  taskLayout->addWidget(taskChoice_);
  taskPupils_ = new CountsTableModel({QStringLiteral("Mokinys"), QStringLiteral("Klasė"), QStringLiteral("Aplankas")},
                                     this);
  taskTable_ = DetailsTable(taskPupils_, QStringLiteral("Uždavinio rezultatai klasėje"));
  taskLayout->addWidget(taskTable_);
  tabs_->addTab(taskPage, QStringLiteral("Uždavinys"));

  classChart_ = new QChartView;
  classChart_->setRenderHint(QPainter::Antialiasing);
  classChart_->setAccessibleName(QStringLiteral("Klasės sėkmė pagal temas"));
  tabs_->addTab(classChart_, QStringLiteral("Diagrama"));

  notes_ = new QPlainTextEdit;
  notes_->setReadOnly(true);
  notes_->setAccessibleName(QStringLiteral("Pastabos"));
  tabs_->addTab(notes_, QStringLiteral("Pastabos"));
  setCentralWidget(central);

  status_ = PlainLabel();
  progress_ = new QProgressBar;
  progress_->setAccessibleName(QStringLiteral("Skaitoma"));
  progress_->setFormat(QStringLiteral("Skaitoma: %v iš %m mokinių"));
  progress_->hide();
  statusBar()->addWidget(status_, 1);
  statusBar()->addPermanentWidget(progress_);

  connect(classFilter_, &QComboBox::currentIndexChanged, this, &TeacherWindow::ShowClass);
  connect(pupilChoice_, &QComboBox::currentIndexChanged, this, &TeacherWindow::ShowPupil);
  connect(taskChoice_, &QComboBox::currentIndexChanged, this, &TeacherWindow::ShowTask);
  connect(tabs_, &QTabWidget::currentChanged, this, [this] {
    for (QTableView* table : tabs_->currentWidget()->findChildren<QTableView*>()) FitColumns(table);
    if (table_->isVisible()) FitSummaryColumn();
  });
  connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) {
    const Pupil* pupil = model_->PupilAt(sorter_->mapToSource(index).row());
    if (!pupil) return;
    const std::vector<const Pupil*>& chosen = model_->Pupils();
    const auto at = std::find(chosen.begin(), chosen.end(), pupil);
    pupilChoice_->setCurrentIndex(static_cast<int>(at - chosen.begin()));
    tabs_->setCurrentIndex(1);
  });
  ShowClass();
}

TeacherWindow::~TeacherWindow() { StopReading(); }

void TeacherWindow::StopReading() {
  if (!worker_) return;
  stop_ = true;
  // Reading stops between pupils, so this waits for one pupil's files at most.
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  progress_->hide();
}

void TeacherWindow::OpenFolders(const QStringList& folders) {
  StopReading();
  folders_ = folders;
  stop_ = false;
  progress_->setRange(0, 0);
  progress_->show();
  status_->setText(QStringLiteral("Skaitomi aplankai: %1").arg(Printable(folders.join(QStringLiteral(", ")))));
  const int reading = ++reading_;
  worker_ = QThread::create([this, folders, reading] {
    ReadProgress progress;
    progress.stop = &stop_;
    progress.report = [this](int done, int total) {
      QMetaObject::invokeMethod(this, [this, done, total] {
        progress_->setRange(0, total);
        progress_->setValue(done);
      }, Qt::QueuedConnection);
    };
    auto overview = std::make_shared<ClassOverview>(ReadClass(folders, progress));
    if (stop_) return;
    QMetaObject::invokeMethod(this, [this, overview, reading] { Show(overview, reading); },
                              Qt::QueuedConnection);
  });
  worker_->start();
}

void TeacherWindow::ShowProblem(const QString& problem) {
  status_->setText(problem);
  QMessageBox box(QMessageBox::Warning, windowTitle(), problem, QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void TeacherWindow::Show(std::shared_ptr<ClassOverview> overview, int reading) {
  // A reading that a newer one replaced.
  if (reading != reading_) return;
  if (worker_) {
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
  }
  progress_->hide();
  overview_ = std::move(overview);
  const QString chosenClass = classFilter_->currentData().toString();
  {
    const QSignalBlocker block(classFilter_);
    classFilter_->clear();
    classFilter_->addItem(QStringLiteral("Visos klasės"), QString());
    for (const QString& schoolClass : Classes(*overview_)) classFilter_->addItem(Printable(schoolClass), schoolClass);
    classFilter_->setCurrentIndex(qMax(0, classFilter_->findData(chosenClass)));
  }
  ShowClass();
  status_->setText(QStringLiteral("Mokinių: %1; aplankai: %2%3")
                       .arg(overview_->pupils.size())
                       .arg(Printable(overview_->folders.join(QStringLiteral(", "))))
                       .arg(overview_->notes.isEmpty() ? QString()
                                                       : QStringLiteral("; pastabų: %1").arg(overview_->notes.count())));
  // Nothing to show but why: the notes say it.
  if (overview_->pupils.empty() && !overview_->notes.isEmpty()) tabs_->setCurrentWidget(notes_);
  emit ClassRead();
}

std::vector<const Pupil*> TeacherWindow::Chosen() const {
  return PupilsOf(*overview_, classFilter_->currentData().toString());
}

QStringList TeacherWindow::DataFolders() const { return QStringList(folders_) << overview_->folders; }

void TeacherWindow::ShowClass() {
  model_->SetPupils(Chosen());
  const std::vector<const Pupil*>& chosen = model_->Pupils();
  table_->setColumnHidden(ClassTableModel::kFolderColumn, !SeveralFolders());
  FitColumns(table_);
  FitSummaryColumn();
  QStringList names;
  names.reserve(static_cast<qsizetype>(chosen.size()));
  for (const Pupil* pupil : chosen) {
    names << (SeveralFolders() ? QStringLiteral("%1 – %2").arg(PupilLabel(*pupil), Printable(pupil->folder))
                               : PupilLabel(*pupil));
  }
  {
    const QSignalBlocker block(pupilChoice_);
    pupilChoice_->clear();
    pupilChoice_->addItems(names);
  }
  QChart* old = classChart_->chart();
  classChart_->setChart(ClassTopicChart(model_->Sums()));
  delete old;
  QStringList notes = ExportNotes(*overview_, chosen);
  notes_->setPlainText(notes.isEmpty() ? QStringLiteral("Pastabų nėra.") : notes.join(QLatin1Char('\n')));
  ShowPupil();
  ShowTask();
}

void TeacherWindow::FitSummaryColumn() {
  // The columns fit the rows on screen; the summary rows at the end may not be.
  QFont bold = table_->font();
  bold.setBold(true);
  const int summaryWidth = QFontMetrics(bold).horizontalAdvance(QStringLiteral("Klasės vidurkis")) + 12;
  table_->setColumnWidth(0, qMax(table_->columnWidth(0), summaryWidth));
}

void TeacherWindow::ShowPupil() {
  const std::vector<const Pupil*>& chosen = model_->Pupils();
  const int index = pupilChoice_->currentIndex();
  const Pupil* pupil = index >= 0 && index < static_cast<int>(chosen.size()) ? chosen[index] : nullptr;
  QChart* old = pupilChart_->chart();
  pupilChart_->setChart(pupil ? PupilTopicChart(*pupil, model_->Sums()) : new QChart);
  delete old;
  std::vector<CountsTableModel::Row> rows;
  if (pupil) {
    for (const TaskRow& row : TaskCatalogue()) {
      const int at = TaskIndex(row.id);
      const QString problem = CellProblem(*pupil, at);
      rows.push_back({{QStringLiteral("%1-%2").arg(row.id.topic).arg(row.id.task)},
                      CellTotals(pupil->tasks[at]),
                      problem.isEmpty() ? TopicMenuText(row.id.topic) : problem});
    }
  }
  pupilTasks_->SetRows(std::move(rows));
  FitColumns(pupilTable_);
}

void TeacherWindow::ShowTask() {
  const std::vector<const Pupil*>& chosen = model_->Pupils();
  const TaskId id = TaskCatalogue()[qMax(0, taskChoice_->currentIndex())].id;
  const int at = TaskIndex(id);
  std::vector<CountsTableModel::Row> rows;
  rows.reserve(chosen.size() + 1);
  for (const Pupil* pupil : chosen) {
    rows.push_back({{PupilLabel(*pupil), Printable(pupil->schoolClass), Printable(pupil->folder)},
                    CellTotals(pupil->tasks[at]),
                    CellProblem(*pupil, at)});
  }
  rows.push_back({{QStringLiteral("Iš viso"), {}, {}}, ClassTaskTotals(chosen, id), kPooledShareLabel, true});
  taskPupils_->SetRows(std::move(rows));
  taskTable_->setColumnHidden(2, !SeveralFolders());
  FitColumns(taskTable_);
}

void TeacherWindow::AddFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Atverti aplanką"));
  if (folder.isEmpty()) return;
  OpenFolders(QStringList(folders_) << folder);
}

void TeacherWindow::Export() {
  QString filter;
  QString fileName = QFileDialog::getSaveFileName(
      this, QStringLiteral("Eksportuoti"), QStringLiteral("suvestine.xlsx"),
      QStringLiteral("Skaičiuoklė (*.xlsx);;CSV (*.csv)"), &filter);
  if (fileName.isEmpty()) return;
  const QString suffix = filter.startsWith(QStringLiteral("CSV")) ? QStringLiteral(".csv") : QStringLiteral(".xlsx");
  if (!fileName.endsWith(suffix, Qt::CaseInsensitive)) fileName += suffix;
  if (RunShowingErrors(this, [&] { ExportClass(fileName, *overview_, Chosen(), DataFolders()); })) {
    status_->setText(QStringLiteral("Įrašyta: %1").arg(fileName));
  }
}

void TeacherWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintClass(printer, ClassHtml(*overview_, Chosen(), classFilter_->currentData().toString()));
}

void TeacherWindow::SavePdf() {
  QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Išsaugoti PDF"),
                                                  QStringLiteral("suvestine.pdf"), QStringLiteral("PDF (*.pdf)"));
  if (fileName.isEmpty()) return;
  if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) fileName += QStringLiteral(".pdf");
  const bool saved = RunShowingErrors(this, [&] {
    ExportFile file(fileName, DataFolders());
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
      QPdfWriter writer(&pdf);
      writer.setResolution(300);
      PrintClass(writer, ClassHtml(*overview_, Chosen(), classFilter_->currentData().toString()));
    }
    file.Write(pdf.data());
    file.Commit();
  }).has_value();
  if (saved) status_->setText(QStringLiteral("Įrašyta: %1").arg(fileName));
}

}  // namespace rova::teacher
