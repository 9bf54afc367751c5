// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/error_box.h"

#include <QMessageBox>
#include <utility>

#include "textio/program_error.h"
#include "window/program_window.h"

namespace rova {

namespace {

ScopedErrorBoxPresenter::Presenter& CurrentPresenter() {
  static ScopedErrorBoxPresenter::Presenter presenter;
  return presenter;
}

}  // namespace

std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& text) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, kProgramTitle, text, QMessageBox::Ok, parent);
  box->setWindowModality(Qt::ApplicationModal);
  return box;
}

void ShowErrorBox(QWidget* window, const ProgramError& error) {
  const QString text = MessageBoxText(error);
  if (const auto& presenter = CurrentPresenter()) {
    presenter(window, text);
    return;
  }
  MakeErrorBox(window, text)->exec();
}

ScopedErrorBoxPresenter::ScopedErrorBoxPresenter(Presenter presenter)
    : previous_(std::exchange(CurrentPresenter(), std::move(presenter))) {}

ScopedErrorBoxPresenter::~ScopedErrorBoxPresenter() { CurrentPresenter() = std::move(previous_); }

}  // namespace rova
