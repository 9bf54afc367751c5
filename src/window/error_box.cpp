// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/error_box.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <utility>

#include "textio/program_error.h"
#include "window/program_window.h"

namespace rova {

namespace {

ScopedErrorBoxPresenter::ExplainingPresenter& CurrentPresenter() {
  static ScopedErrorBoxPresenter::ExplainingPresenter presenter;
  return presenter;
}

}  // namespace

std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& text, const QString& explanation) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, kProgramTitle, text, QMessageBox::Ok, parent);
  box->setWindowModality(Qt::ApplicationModal);
  // A file's name or a pupil's text in either line is shown as it is.
  box->setTextFormat(Qt::PlainText);
  if (!explanation.isEmpty()) {
    box->setInformativeText(explanation);
    // On one line where the screen has room for it, rather than wrapped into
    // a narrow column.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
      const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
      const int room = screen ? screen->availableGeometry().width() * 3 / 5 : 480;
      label->setMinimumWidth(qMin(label->fontMetrics().horizontalAdvance(explanation) + 2, room));
    }
  }
  return box;
}

void ShowErrorBox(QWidget* window, const ProgramError& error) {
  const QString text = MessageBoxText(error);
  const QString explanation = ErrorExplanation(error);
  if (const auto& presenter = CurrentPresenter()) {
    presenter(window, text, explanation);
    return;
  }
  MakeErrorBox(window, text, explanation)->exec();
}

ScopedErrorBoxPresenter::ScopedErrorBoxPresenter(Presenter presenter)
    : ScopedErrorBoxPresenter(ExplainingPresenter(
          [presenter = std::move(presenter)](QWidget* window, const QString& text, const QString&) {
            presenter(window, text);
          })) {}

ScopedErrorBoxPresenter::ScopedErrorBoxPresenter(ExplainingPresenter presenter)
    : previous_(std::exchange(CurrentPresenter(), std::move(presenter))) {}

ScopedErrorBoxPresenter::~ScopedErrorBoxPresenter() { CurrentPresenter() = std::move(previous_); }

}  // namespace rova
