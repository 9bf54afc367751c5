// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <exception>
#include <memory>
#include <new>
#include <optional>
#include <type_traits>

#include "textio/program_error.h"

class QMessageBox;
class QWidget;

namespace rova {

// The box every failed file operation ends in: caption "ROVA 2004", stop
// icon, one OK button, the message and its full stop, and below it, when
// there is one, the Lithuanian line that says what happened and what to do;
// the box grows to fit both.
std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& text, const QString& explanation = {});

// Shows the error over `window` (MessageBoxText and ErrorExplanation) and
// returns when the pupil has pressed OK; the window stays as it was.
void ShowErrorBox(QWidget* window, const ProgramError& error);

// Runs `action`, the part of an event handler that reads or writes the data
// folder. A ProgramError it throws is shown over `window` in the stop box and
// the result is empty; otherwise the result holds what the action returned
// (true for an action that returns nothing). Every handler that starts such
// work goes through here, since no error may cross Qt's event loop: memory
// running out is shown the same way, and any other exception with its own
// words.
template <class Action>
auto RunShowingErrors(QWidget* window, Action&& action) {
  using Returned = std::invoke_result_t<Action&>;
  using Value = std::conditional_t<std::is_void_v<Returned>, bool, Returned>;
  try {
    if constexpr (std::is_void_v<Returned>) {
      action();
      return std::optional<Value>(true);
    } else {
      return std::optional<Value>(action());
    }
  } catch (const ProgramError& error) {
    ShowErrorBox(window, error);
  } catch (const std::bad_alloc&) {
    ShowErrorBox(window, ProgramError::OutOfMemory());
  } catch (const std::exception& error) {
    ShowErrorBox(window, ProgramError(QString::fromLocal8Bit(error.what())));
  }
  return std::optional<Value>();
}

// Replaces the way ShowErrorBox shows its box while the object lives, so that
// tests can watch errors without a blocking box.
class ScopedErrorBoxPresenter {
 public:
  // Gets the box's message, or its message and the line below it.
  using Presenter = std::function<void(QWidget* window, const QString& text)>;
  using ExplainingPresenter =
      std::function<void(QWidget* window, const QString& text, const QString& explanation)>;
  explicit ScopedErrorBoxPresenter(Presenter presenter);
  explicit ScopedErrorBoxPresenter(ExplainingPresenter presenter);
  ~ScopedErrorBoxPresenter();
  ScopedErrorBoxPresenter(const ScopedErrorBoxPresenter&) = delete;
  ScopedErrorBoxPresenter& operator=(const ScopedErrorBoxPresenter&) = delete;

 private:
  ExplainingPresenter previous_;
};

}  // namespace rova
