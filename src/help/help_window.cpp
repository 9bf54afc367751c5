// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_window.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>
#include <QTextBrowser>

#include "help/help_guide.h"

namespace rova::help {

namespace {

constexpr int kListWidth = 190;

}  // namespace

HelpWindow::HelpWindow() {
  setWindowTitle(QStringLiteral("ROVA 2004 - Pagalba"));
  resize(760, 520);

  Sections = new QListWidget(this);
  Sections->setFixedWidth(kListWidth);
  for (const GuideSection& section : GuideSections()) Sections->addItem(section.title);
  Sections->setAccessibleName(QStringLiteral("Skyriai"));

  Guide = new QTextBrowser(this);
  Guide->setOpenLinks(false);
  Guide->setHtml(GuideDocument());
  Guide->setAccessibleName(QStringLiteral("Vadovas"));

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(Sections);
  layout->addWidget(Guide, 1);

  connect(Sections, &QListWidget::currentRowChanged, this, &HelpWindow::ShowSection);

  // The list first, as a pupil reads; Tab goes on to the guide and back.
  Sections->setFocus();
  Guide->setTabChangesFocus(true);
  // Escape and Ctrl+W close the window, as in other programs' help.
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
  }
}

void HelpWindow::ShowSection(int index) {
  const auto& sections = GuideSections();
  if (index < 0 || index >= static_cast<int>(sections.size())) return;
  Guide->scrollToAnchor(sections[static_cast<size_t>(index)].anchor);
}

}  // namespace rova::help
