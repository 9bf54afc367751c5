// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/topic_menu_window.h"

#include "app/exit_confirmation_window.h"
#include "course/task_catalogue.h"
#include "tasks/ui/task_window.h"
#include "window/window_registry.h"

namespace rova {

TForm3* Form3 = nullptr;

TForm3::TForm3()
    : TopicGridWindow({QStringLiteral("ROVA 2004 - Testai"), QStringLiteral("ROVA 2004 - Testai"),
                       QStringLiteral("Testų dalyje Jūs turite galimybę pasitikrinti savo žinias. Išsirinkę vieną iš "
                                      "žemiau nurodytų temų ir ją paspaudę, rasite specialiai tai temai"),
                       QStringLiteral("skirtus uždavinius."), QStringLiteral(" Testų temos: "), [] {
                         QStringList captions;
                         for (int topic = 1; topic <= kTopicCount; ++topic) captions << TopicMenuText(topic);
                         return captions;
                       }}) {}

void TForm3::TopicButtonClick(int topic) { RegisteredWindow(TaskWindowName({topic, 1})).ShowModal(); }

void TForm3::LbButton1Click() {
  Form4->ShowModal();
  Close();
}

}  // namespace rova
