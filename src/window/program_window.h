// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "controls/modal_result_target.h"

class QEventLoop;
class QKeyEvent;

namespace rova {

class TLbButton;
class TLbSpeedButton;

// The program's name: the caption of every window that has none of its own,
// of the error box, and the application's name.
inline const QString kProgramTitle = QStringLiteral("ROVA 2004");

// Base of every window of the program. It holds the one modal mechanism the
// navigation relies on: a window is opened modally from the window beneath
// it and runs a nested loop of its own, so the stack of open windows is the
// pupil's path; closing a window only marks it, and it leaves the screen when
// control returns to its own loop. Windows are created once and only hidden.
//
// Sizes are the window's logical sizes and may be 0: a window with a zero
// width or height stays open but off the screen (that is how the splash and
// the main window get out of sight during start-up).
//
// Every window shown modally comes to the top of the stack and takes the
// keyboard focus itself: without a window manager, X leaves a window that is
// mapped again wherever it was, beneath windows made after it. A message
// window (a verdict, a notice, the exit confirmation) also names the window
// it was opened from as its owner, so that a window manager keeps it above.
class ProgramWindow : public QWidget, public ModalResultTarget {
  Q_OBJECT

 public:
  enum class Kind { Page, Message };
  explicit ProgramWindow(Kind kind = Kind::Page);
  ~ProgramWindow() override;

  // Shows the window and runs a nested loop until the window is closed; the
  // windows beneath take no input meanwhile. FormActivate runs once per call.
  // Does nothing if the window is already open or the program is ending.
  void ShowModal();

  // Makes the window's contents if they have not been made yet; ShowModal
  // calls it first, and so does a window's first appearance on the screen. A window whose contents cost much to make builds them on
  // first use rather than at start-up; it is still the one object kept until
  // the program ends, so what a pupil typed stays.
  void EnsureContents();

  // Marks an open window to close. It disappears when control comes back to
  // its own nested loop: at once for the top window, only after every window
  // above it has gone for a lower one. Closing a window that is not open does
  // nothing. Closing the main window ends the program.
  void Close();

  // Opens the main window without a loop of its own. Its FormActivate runs
  // once the message loop is running, before the window is first put on the
  // screen, so a window that shrinks itself there is never seen.
  void ShowAsMainWindow();

  // The window whose Close ends the program (the first one created); setting
  // it clears the end of an earlier run.
  static void SetMainWindow(ProgramWindow* window);
  static ProgramWindow* MainWindow();
  bool IsMainWindow() const { return MainWindow() == this; }

  // Ends the program: every nested loop returns, every window still open is
  // left as it is until the process ends.
  static void EndProgram();
  static bool IsProgramEnding();

  // Minimises every window of the program.
  static void MinimizeApplication();

  bool IsOpen() const { return open_; }
  bool IsCloseMarked() const { return closeMarked_; }
  // Open and of a size that can be seen.
  bool IsOnScreen() const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int ClientHeight() const { return height_; }  // borderless: client = window
  void SetWidth(int width);
  void SetHeight(int height);
  void SetClientHeight(int height) { SetHeight(height); }
  // The client size the window is built with; runs no FormResize.
  void SetClientSize(int width, int height);

  // The button that Enter, Escape and Space press when the focus is on no
  // button of the window: a message window's first button.
  void SetAnswerButton(TLbSpeedButton* button) { answerButton_ = button; }
  // The window's "X": Escape presses it, with whatever it asks.
  void SetCloseButton(TLbButton* button) { closeButton_ = button; }

  // Gives the keyboard focus to the window's first control in the order Tab
  // takes (the title bar's buttons are not in it), or to the window itself
  // when it has none.
  void FocusFirstControl();

  // A button's modal result: any non-zero value closes the window.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) override;

 signals:
  // After FormActivate, while the window runs its loop (or, for the main
  // window, when it has been activated).
  void Opened();
  // After the window has left the screen.
  void Closed();

 protected:
  // Makes the contents of a window that builds them on first use.
  virtual void BuildContents() {}
  // Runs when the window is shown modally, never when it becomes active
  // again because a window above it has closed.
  virtual void FormActivate() {}
  // Runs when Close is called on an open window (and on the main window).
  virtual void FormClose() {}
  // Runs when SetWidth or SetHeight changes the size.
  virtual void FormResize() {}

  // A close request from the desktop (such as Alt+F4); closes the window
  // unless a window overrides it.
  virtual void CloseRequested() { Close(); }
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplySize();
  void UpdateScreenPresence();
  void NameOwner();
  void ActivateMainWindow();

  int width_ = 0;
  int height_ = 0;
  bool contentsBuilt_ = false;
  bool building_ = false;
  bool open_ = false;
  bool closeMarked_ = false;
  bool activationPending_ = false;
  bool placed_ = false;
  int modalResult_ = 0;
  QEventLoop* loop_ = nullptr;
  TLbSpeedButton* answerButton_ = nullptr;
  TLbButton* closeButton_ = nullptr;
};

}  // namespace rova
