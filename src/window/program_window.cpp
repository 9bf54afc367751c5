// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/program_window.h"

#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <vector>

namespace rova {

namespace {

QPointer<ProgramWindow> mainWindow;
bool programEnding = false;
// The windows shown modally, in the order they were opened: the pupil's path.
std::vector<QPointer<ProgramWindow>> modalStack;

// The window a new modal window is opened from: the innermost one on the
// screen (the splash and the main window are open but out of sight at first).
ProgramWindow* Opener() {
  for (auto it = modalStack.rbegin(); it != modalStack.rend(); ++it) {
    if (*it && (*it)->IsOnScreen()) return *it;
  }
  ProgramWindow* main = ProgramWindow::MainWindow();
  return main != nullptr && main->IsOnScreen() ? main : nullptr;
}

}  // namespace

// A message window is a dialog to the window manager, the only type whose
// owner X is told of.
ProgramWindow::ProgramWindow(Kind kind)
    : QWidget(nullptr, (kind == Kind::Message ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint) {
  setWindowTitle(kProgramTitle);  // a window with a caption of its own sets it over this
}

ProgramWindow::~ProgramWindow() = default;

void ProgramWindow::SetMainWindow(ProgramWindow* window) {
  // A new main window starts a new run of the program.
  mainWindow = window;
  programEnding = false;
}

ProgramWindow* ProgramWindow::MainWindow() { return mainWindow.data(); }

void ProgramWindow::EndProgram() {
  if (programEnding) return;
  programEnding = true;
  // Leaves every nested loop at once, innermost first, and the main loop.
  QCoreApplication::exit(0);
}

bool ProgramWindow::IsProgramEnding() { return programEnding; }

void ProgramWindow::MinimizeApplication() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<ProgramWindow*>(widget) && widget->isVisible()) widget->showMinimized();
  }
}

bool ProgramWindow::IsOnScreen() const {
  return open_ && !activationPending_ && width_ > 0 && height_ > 0;
}

void ProgramWindow::EnsureContents() {
  if (contentsBuilt_) return;
  contentsBuilt_ = true;
  // The window is put on the screen after its controls exist, never while
  // they are being made: a child made after its window is shown stays hidden.
  building_ = true;
  BuildContents();
  building_ = false;
}

void ProgramWindow::ShowModal() {
  if (open_ || programEnding) return;
  EnsureContents();
  open_ = true;
  closeMarked_ = false;
  modalResult_ = 0;
  setWindowModality(Qt::ApplicationModal);
  NameOwner();
  modalStack.emplace_back(this);
  UpdateScreenPresence();
  FormActivate();
  emit Opened();
  if (!closeMarked_ && !programEnding) {
    QEventLoop loop;
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
  }
  modalStack.pop_back();
  open_ = false;
  closeMarked_ = false;
  UpdateScreenPresence();
  // The keyboard goes back to the window beneath, which X would leave to
  // nobody once this window's native window is gone.
  if (ProgramWindow* beneath = Opener(); beneath != nullptr && !programEnding) beneath->activateWindow();
  emit Closed();
}

void ProgramWindow::NameOwner() {
  if (windowType() != Qt::Dialog) return;
  ProgramWindow* owner = Opener();
  // The native window exists from here on; the owner's does while it is seen.
  create();
  windowHandle()->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
}

void ProgramWindow::Close() {
  if (IsMainWindow()) {
    if (programEnding) return;
    FormClose();
    EndProgram();
    return;
  }
  if (!open_ || closeMarked_) return;
  closeMarked_ = true;
  FormClose();
  // A lower window's loop only returns once the loops above it have.
  if (loop_) loop_->exit();
}

void ProgramWindow::ShowAsMainWindow() {
  if (open_) return;
  programEnding = false;
  open_ = true;
  activationPending_ = true;
  setWindowModality(Qt::NonModal);
  QTimer::singleShot(0, this, &ProgramWindow::ActivateMainWindow);
}

void ProgramWindow::ActivateMainWindow() {
  if (!activationPending_) return;
  FormActivate();
  activationPending_ = false;
  if (programEnding) return;
  UpdateScreenPresence();
  emit Opened();
}

void ProgramWindow::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  ApplySize();
  FormResize();
}

void ProgramWindow::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  ApplySize();
  FormResize();
}

void ProgramWindow::SetClientSize(int width, int height) {
  width_ = width;
  height_ = height;
  ApplySize();
}

void ProgramWindow::ApplySize() {
  if (width_ > 0 && height_ > 0) setFixedSize(width_, height_);
  UpdateScreenPresence();
}

void ProgramWindow::UpdateScreenPresence() {
  if (building_) return;
  if (!IsOnScreen()) {
    if (isVisible()) {
      hide();
      // What the window holds only for painting (its native window and its
      // backing store, the size of its pixels) goes with it; the controls and
      // what was typed in them stay, and the next show makes it anew.
      destroy();
    }
    return;
  }
  // The main window opens out of sight; its contents wait until it is seen.
  EnsureContents();
  if (!placed_) {
    // Centred on the screen the first time it is seen; later it keeps its
    // place, so a window that grows, grows downwards.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(area.x() + (area.width() - width_) / 2, area.y() + (area.height() - height_) / 2);
    }
    placed_ = true;
  }
  if (!isVisible()) {
    // A window opens with the focus on its first control, never on its close
    // button, where Enter would close it, or end the program, unasked; one
    // opened again keeps it where the pupil left it. A message always starts
    // on its first button.
    const QWidget* focus = focusWidget();
    if (focus == nullptr || focus == this || qobject_cast<const TLbButton*>(focus) != nullptr ||
        windowType() == Qt::Dialog)
      FocusFirstControl();
    show();
    // Over every window of the program, however late it was made, and with
    // the keyboard, whether or not a window manager would see to it.
    raise();
    activateWindow();
  }
}

void ProgramWindow::SetModalResult(int result) {
  modalResult_ = result;
  if (result != 0) Close();
}

void ProgramWindow::FocusFirstControl() {
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabledTo(this) && w->isVisibleTo(this) && w->window() == this) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
  setFocus(Qt::OtherFocusReason);
}

void ProgramWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && closeButton_ != nullptr) {
    closeButton_->Click();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
      if (answerButton_ != nullptr) {
        answerButton_->Click();
        return;
      }
      break;
    default:
      break;
  }
  QWidget::keyPressEvent(event);
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseRequested();
}

}  // namespace rova
