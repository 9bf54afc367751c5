// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/ui/task_window.h"

#include <QApplication>
#include <QGraphicsEffect>
#include <QKeyEvent>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>

#include "controls/check_radio.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "controls/widget_text.h"
#include "pictures/picture_library.h"
#include "tasks/check_procedure.h"
#include "tasks/task_layout.h"
#include "tasks/ui/verdict_window.h"
#include "textio/program_error.h"
#include "window/error_box.h"
#include "window/text_pieces.h"
#include "window/radio_host.h"
#include "window/window_frame.h"
#include "window/window_look.h"
#include "window/window_names.h"
#include "window/window_registry.h"

namespace rova {

namespace {

constexpr QRect kScratchGroup{344, 15, 313, 265};
constexpr QRect kScratchPanel{8, 16, 297, 241};
constexpr QRect kScratchArea{1, 1, 295, 239};
constexpr QRect kAnswerGroup{16, 287, 641, 81};
constexpr QRect kPreviousButton{10, 32, 111, 25};
constexpr QRect kNextButton{522, 32, 111, 25};
constexpr int kStatementGroupLeft = 16;
constexpr int kStatementGroupTop = 15;
constexpr int kStatementGroupHeight = 265;
constexpr int kRadioSize = 12;
constexpr int kStandardFieldHeight = 21;  // a lower field is a raised exponent's

// Bold for the answer fields: the sans face has no bold strike, so the
// field is drawn twice, one pixel apart, over its white panel.
class OverstrikeEffect : public QGraphicsEffect {
 public:
  using QGraphicsEffect::QGraphicsEffect;

 protected:
  void draw(QPainter* painter) override {
    QPoint offset;
    const QPixmap pixmap = sourcePixmap(Qt::LogicalCoordinates, &offset, QGraphicsEffect::NoPad);
    painter->drawPixmap(offset, pixmap);
    painter->drawPixmap(offset + QPoint(1, 0), pixmap);
  }
};

void MakeBlackOnWhite(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  widget->setPalette(palette);
}

}  // namespace

QString TaskWindowName(TaskId id) { return QStringLiteral("Form%1").arg(CatalogueRow(id).windowNumber); }

TTaskForm* TaskForm(TaskId id) { return qobject_cast<TTaskForm*>(FindWindow(TaskWindowName(id))); }

TTaskForm::TTaskForm(TaskId id) : id_(id) {
  SetClientSize(kMainWindowWidth, kMainWindowHeight);
}

void TTaskForm::BuildContents() {
  const MainSizeFrame frame = BuildMainSizeFrame(this, TaskWindowTitle(id_.topic));
  ArtPanel1 = frame.titleBar;
  LbButton1 = frame.closeButton;
  ArtPanel2 = frame.body;
  connect(LbButton1, &TLbButton::OnClick, this, &TTaskForm::LbButton1Click);

  const TaskLayout& layout = LayoutOf(id_);
  BuildStatement(layout);

  GroupBox2 = AddGroupBox(ArtPanel2, kScratchGroup, QStringLiteral(" Juodraštis "));
  TArtPanel* scratchPanel = AddPanel(GroupBox2, kScratchPanel, kClWhite);
  Memo1 = new WithScaledText<QPlainTextEdit>(scratchPanel);
  Memo1->setGeometry(kScratchArea);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setFont(SansFont());
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  MakeBlackOnWhite(Memo1);
  // Tab leaves the scratch pad rather than writing a tab into it.
  Memo1->setTabChangesFocus(true);
  Memo1->setAccessibleName(QStringLiteral("Juodraštis"));

  BuildAnswer(layout);
  // Tab goes as a pupil reads: the scratch pad, then the answer group from
  // left to right. The radio buttons are one stop, where the choice is.
  QList<QWidget*> order{Memo1};
  if (LbSpeedButton3) order << LbSpeedButton3;
  for (QLineEdit* edit : Edits) order << edit;
  for (TAMRadioButton* radio : RadioButtons) order << radio;
  order << LbSpeedButton1;
  if (LbSpeedButton2) order << LbSpeedButton2;
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  // A pupil can type or choose the answer as soon as the task opens.
  if (!Edits.isEmpty()) {
    Edits.first()->setFocus();
  } else if (!RadioButtons.isEmpty()) {
    RadioButtons.first()->Group().first()->setFocus();
  }
}

void TTaskForm::keyPressEvent(QKeyEvent* event) {
  // Enter on a choice checks it, as Enter in an answer field does.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && qobject_cast<TAMRadioButton*>(focusWidget()) != nullptr) {
    LbSpeedButton1->Click();
    return;
  }
  ProgramWindow::keyPressEvent(event);
}

void TTaskForm::BuildStatement(const TaskLayout& layout) {
  GroupBox1 = AddGroupBox(ArtPanel2,
                          QRect(kStatementGroupLeft, kStatementGroupTop, layout.statement.groupWidth,
                                kStatementGroupHeight),
                          QStringLiteral(" Užduotis nr. %1 ").arg(id_.task));
  PieceBlock block = layout.statement.pieces;
  // The figures first, so that a label written over a figure stays readable.
  block.pictures = layout.figures + block.pictures;
  const PlacedPieces placed = PlacePieces(GroupBox1, block);
  StatementLabels = placed.labels;
  for (QLabel* picture : placed.pictures) picture->lower();
}

void TTaskForm::BuildAnswer(const TaskLayout& layout) {
  GroupBox3 = AddGroupBox(ArtPanel2, kAnswerGroup, QStringLiteral(" Atsakymas: "));
  const AnswerLayout& answer = layout.answer;
  const TaskRow& row = CatalogueRow(id_);

  AnswerLabels = PlacePieces(GroupBox3, answer.pieces).labels;

  for (qsizetype i = 0; i < answer.fields.size(); ++i) {
    const AnswerField& field = answer.fields[i];
    TArtPanel* panel = AddPanel(GroupBox3, field.panel, kClWhite);
    auto* edit = new WithScaledText<QLineEdit>(panel);
    edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    edit->setGeometry(field.edit);
    edit->setFrame(false);
    edit->setFont(SansFont());
    // The text starts at the edit's own left edge, as the narrow fraction
    // fields need to show two digits.
    edit->setTextMargins(-2, 0, -2, 0);
    edit->setContentsMargins(0, 0, 0, 0);
    MakeBlackOnWhite(edit);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    edit->setPalette(palette);
    edit->setGraphicsEffect(new OverstrikeEffect(edit));
    if (i < row.fieldMaxLength.size()) edit->setMaxLength(row.fieldMaxLength[i]);
    // Enter in a field checks the answer, as the button does.
    connect(edit, &QLineEdit::returnPressed, this, [this] { LbSpeedButton1->Click(); });
    Edits.append(edit);
  }

  for (const ChoiceButton& choice : answer.choices) {
    auto* radio = new TAMRadioButton(GroupBox3);
    radio->setObjectName(choice.name);
    radio->setGeometry(choice.at.x(), choice.at.y(), kRadioSize, kRadioSize);
    radio->SetHost(SharedRadioHost());
    RadioButtons.append(radio);
  }

  NameAnswerControls(answer);

  LbSpeedButton1 = AddSpeedButton(GroupBox3, answer.checkButton, QStringLiteral("Tikrinti atsakymą"));
  connect(LbSpeedButton1, &TLbSpeedButton::OnClick, this, &TTaskForm::LbSpeedButton1Click);
  if (id_.task < kTasksPerTopic) {
    LbSpeedButton2 = AddSpeedButton(GroupBox3, kNextButton, QStringLiteral("Sekantis uždavinys"));
    connect(LbSpeedButton2, &TLbSpeedButton::OnClick, this, &TTaskForm::LbSpeedButton2Click);
  }
  if (id_.task > 1) {
    LbSpeedButton3 = AddSpeedButton(GroupBox3, kPreviousButton, QStringLiteral("Buvęs uždavinys"));
    connect(LbSpeedButton3, &TLbSpeedButton::OnClick, this, &TTaskForm::LbSpeedButton3Click);
  }
}

namespace {

// The labels of the answer group that stand on the row of `place` and begin
// between `from` and `to`, left to right.
QList<QWidget*> LabelsOnRow(const QList<QLabel*>& labels, const QRect& place, int from, int to) {
  QList<QWidget*> row;
  for (QLabel* label : labels) {
    const QRect at = label->geometry();
    if (at.center().y() < place.top() - 2 || at.center().y() > place.bottom() + 2) continue;
    if (at.left() >= from && at.left() < to) row.append(label);
  }
  std::sort(row.begin(), row.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
  return row;
}

// What those labels read.
QString WordsOf(const QList<QWidget*>& labels) {
  QStringList words;
  for (const QWidget* label : labels) {
    const QString spoken = SpokenText(*static_cast<const QLabel*>(label));
    if (!spoken.isEmpty()) words.append(spoken);
  }
  return words.join(u' ');
}

QString WordsOnRow(const QList<QLabel*>& labels, const QRect& place, int from, int to) {
  return WordsOf(LabelsOnRow(labels, place, from, to));
}

// The fraction entry: a field over a bar over a field.
bool IsFractionEntry(const AnswerLayout& answer) {
  if (answer.fields.size() != 2) return false;
  const QRect over = answer.fields[0].panel;
  const QRect under = answer.fields[1].panel;
  if (over.left() != under.left() || over.bottom() >= under.top()) return false;
  return std::any_of(answer.pieces.texts.begin(), answer.pieces.texts.end(), [&](const TextPiece& piece) {
    const QString bar = piece.text.trimmed();
    return !bar.isEmpty() && bar.count(u'_') == bar.size() && piece.y > over.top() && piece.y < under.top();
  });
}

}  // namespace

void TTaskForm::NameAnswerControls(const AnswerLayout& answer) {
  const int groupWidth = GroupBox3->width();
  const bool fraction = IsFractionEntry(answer);
  // The words before a field (since the field before it) name it; those after
  // it (up to the next) describe it: "Atsakymas:" … "cm²."
  for (qsizetype i = 0; i < answer.fields.size(); ++i) {
    const QRect panel = answer.fields[i].panel;
    int from = 0;
    int to = groupWidth;
    for (const AnswerField& other : answer.fields) {
      const bool sameRow = other.panel.top() < panel.bottom() && other.panel.bottom() > panel.top();
      if (!sameRow || other.panel == panel) continue;
      if (other.panel.right() < panel.left()) from = std::max(from, other.panel.right());
      if (other.panel.left() > panel.right()) to = std::min(to, other.panel.left());
    }
    QString name = WordsOnRow(AnswerLabels, panel, from, panel.left());
    if (name.endsWith(u':')) name.chop(1);
    if (fraction)
      name = i == 0 ? QStringLiteral("Skaitiklis") : QStringLiteral("Vardiklis");
    else if (panel.height() < kStandardFieldHeight)
      name = QStringLiteral("Laipsnio rodiklis");
    else if (name.isEmpty())
      name = QStringLiteral("Atsakymas");
    Edits[i]->setAccessibleName(name);
    Edits[i]->setAccessibleDescription(WordsOnRow(AnswerLabels, panel, panel.right(), to));
  }
  // A choice is named by the words beside it, up to the next choice, and its
  // focus mark goes round them.
  for (TAMRadioButton* radio : RadioButtons) {
    int to = groupWidth;
    for (const TAMRadioButton* other : RadioButtons)
      if (other->x() > radio->x() && std::abs(other->y() - radio->y()) < kRadioSize) to = std::min(to, other->x());
    const QRect row = radio->geometry().adjusted(0, -4, 0, 4);
    const QList<QWidget*> caption = LabelsOnRow(AnswerLabels, row, radio->geometry().right(), to);
    radio->setAccessibleName(WordsOf(caption));
    radio->SetCaptionLabels(caption);
  }
}

TaskEntry TTaskForm::Entry() const {
  TaskEntry entry;
  if (Edits.size() > 0) entry.field1 = Edits[0]->text();
  if (Edits.size() > 1) entry.field2 = Edits[1]->text();
  for (const TAMRadioButton* radio : RadioButtons) {
    if (radio->Checked()) entry.checkedRadio = radio->objectName();
  }
  return entry;
}

void TTaskForm::LbButton1Click() {
  // Every task window of the topic up to this one leaves the screen once the
  // confirmation has gone and control unwinds through them.
  for (int task = 1; task <= id_.task; ++task) {
    RegisteredWindow(TaskWindowName({id_.topic, task})).Close();
  }
  RegisteredWindow(kExitConfirmationName).ShowModal();
}

void TTaskForm::LbSpeedButton1Click() {
  // A decimal point where the comma belongs is notation, not mathematics:
  // the pupil is told and may try again, and nothing is counted.
  if (const QString number = DecimalCommaCorrection(CatalogueRow(id_), Entry()); !number.isEmpty()) {
    if (DecimalCommaNotice) DecimalCommaNotice->ShowFor(number);
    return;
  }
  const std::optional<Verdict> verdict = RunShowingErrors(this, [this] { return CheckAnswer(CatalogueRow(id_), Entry()); });
  if (!verdict) return;
  MessageWindow* window = *verdict == Verdict::Right ? static_cast<MessageWindow*>(Form6) : Form7;
  if (window) window->ShowModal();
}

void TTaskForm::LbSpeedButton2Click() {
  RegisteredWindow(TaskWindowName({id_.topic, id_.task + 1})).ShowModal();
}

void TTaskForm::LbSpeedButton3Click() { Close(); }

}  // namespace rova
