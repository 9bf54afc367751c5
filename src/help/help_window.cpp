// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_window.h"

#include <QHBoxLayout>
#include <QListWidget>
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
}

void HelpWindow::ShowSection(int index) {
  const auto& sections = GuideSections();
  if (index < 0 || index >= static_cast<int>(sections.size())) return;
  Guide->scrollToAnchor(sections[static_cast<size_t>(index)].anchor);
}

}  // namespace rova::help
