// SPDX-License-Identifier: GPL-3.0-or-later
// Grabs a set of windows, as the screen's scale shows them, into PNGs: the
// scaled-window tests run it once per scale (QT_SCALE_FACTOR) and compare.
// Usage: scaled_window_grabber <output folder>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "accounts/ui/login_window.h"
#include "accounts/user_store.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/topic_menu_window.h"
#include "controls/program_fonts.h"
#include "course/task_catalogue.h"
#include "handbook/handbook_page_window.h"
#include "scaled_window_set.h"
#include "stats/ui/report_window.h"
#include "stats/ui/settings_window.h"
#include "tasks/check_procedure.h"
#include "tasks/ui/task_window.h"
#include "tasks/ui/verdict_window.h"
#include "window/window_registry.h"

namespace {

using rova::ProgramWindow;

// A grab of `window` as it is on the screen, drawn while it is shown.
QImage Grab(QWidget* window) {
  window->show();
  QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  window->hide();
  return image;
}

// The report computes itself when it opens; it is grabbed open.
QImage GrabOpened(ProgramWindow* window) {
  QImage image;
  QMetaObject::invokeMethod(
      window,
      [window, &image] {
        image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        window->Close();
      },
      Qt::QueuedConnection);
  window->ShowModal();
  return image;
}

ProgramWindow* Window(const char* name) { return &rova::RegisteredWindow(QString::fromLatin1(name)); }

QImage GrabWindow(const QString& name) {
  using namespace rova;
  if (name == QLatin1String("login")) {
    Form120->SetClientHeight(TForm120::kLoginHeight);
    Form120->Edit1->setText(QStringLiteral("jonas"));
    return Grab(Form120);
  }
  if (name == QLatin1String("registration")) {
    Form120->SetClientHeight(TForm120::kRegistrationHeight);
    Form120->Edit3->setText(QStringLiteral("ona"));
    Form120->Edit5->setText(QStringLiteral("Ona"));
    Form120->Edit6->setText(QStringLiteral("Žemaitytė"));
    return Grab(Form120);
  }
  if (name == QLatin1String("main")) return Grab(Form2);
  if (name == QLatin1String("topic_menu")) return Grab(Form3);
  if (name == QLatin1String("task_1_1")) {
    TTaskForm* task = TaskForm({1, 1});
    task->Edits.first()->setText(QStringLiteral("25"));
    return Grab(task);
  }
  if (name == QLatin1String("task_9_3")) return Grab(TaskForm({9, 3}));
  if (name == QLatin1String("verdict")) return Grab(Form6);
  if (name == QLatin1String("handbook_page")) return Grab(Window("Form110"));
  if (name == QLatin1String("statistics")) return GrabOpened(Form117);
  if (name == QLatin1String("statistics_settings")) return Grab(Form126);
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: scaled_window_grabber <output folder>\n");
    return 2;
  }
  rova::RegisterProgramFonts();
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir data;
  if (!out.mkpath(QStringLiteral(".")) || !data.isValid() || !QDir::setCurrent(data.path())) return 1;
  for (const QString& store : {rova::kUserFileName, rova::kPasswordFileName}) {
    QFile file(store);
    if (!file.open(QIODevice::WriteOnly)) return 1;
  }
  try {
    // A pupil with a few checks, so the statistics show figures.
    rova::RegisterUser({QStringLiteral("jonas"), QStringLiteral("slaptas"), QStringLiteral("Jonas"),
                        QStringLiteral("Žemaitis"), QStringLiteral("8b"), QStringLiteral("jonas@mokykla.lt")});
    rova::LogIn(QStringLiteral("jonas"), QStringLiteral("slaptas"));
    rova::CheckAnswer(rova::CatalogueRow({1, 2}), {QStringLiteral("30"), QString(), {}});
    rova::CheckAnswer(rova::CatalogueRow({1, 3}), {QStringLiteral("1"), QString(), {}});
  } catch (const std::exception& error) {
    std::fprintf(stderr, "scaled_window_grabber: %s\n", error.what());
    return 1;
  }
  rova::CreateWindows();
  for (ProgramWindow* window : rova::RegisteredWindows()) window->EnsureContents();
  int failures = 0;
  for (const QString& name : rova::testing::ScaledWindowSet()) {
    const QImage image = GrabWindow(name);
    if (image.isNull() || !image.save(out.filePath(name + QStringLiteral(".png")))) {
      std::fprintf(stderr, "scaled_window_grabber: no grab of %s\n", qPrintable(name));
      ++failures;
    }
  }
  rova::DestroyRegisteredWindows();
  return failures == 0 ? 0 : 1;
}
