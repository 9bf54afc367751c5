#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace rova {

class ProgramError;

// The box every failed file operation ends in: caption "ROVA 2004", stop
// icon, one OK button, the message and its full stop.
std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& text);

// Shows the error over `window` and returns when the pupil has pressed OK;
// the window stays as it was.
void ShowErrorBox(QWidget* window, const ProgramError& error);

// Replaces the way ShowErrorBox shows its box while the object lives, so that
// tests can watch errors without a blocking box.
class ScopedErrorBoxPresenter {
 public:
  using Presenter = std::function<void(QWidget* window, const QString& text)>;
  explicit ScopedErrorBoxPresenter(Presenter presenter);
  ~ScopedErrorBoxPresenter();
  ScopedErrorBoxPresenter(const ScopedErrorBoxPresenter&) = delete;
  ScopedErrorBoxPresenter& operator=(const ScopedErrorBoxPresenter&) = delete;

 private:
  Presenter previous_;
};

}  // namespace rova
