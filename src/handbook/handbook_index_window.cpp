// SPDX-License-Identifier: GPL-3.0-or-later
#include "handbook/handbook_index_window.h"

#include "handbook/handbook_page.h"
#include "handbook/handbook_page_window.h"
#include "window/window_names.h"
#include "window/window_registry.h"

namespace rova {

TForm97* Form97 = nullptr;

TForm97::TForm97()
    : TopicGridWindow({QStringLiteral("ROVA 2004 - Žinynas"), QString(),
                       QStringLiteral("Žinyne Jūs turite galimybę prisiminti dažniausiai naudojamas matematines "
                                      "formules ir sąvokas. Išsirinkę vieną iš žemiau nurodytų temų ir ją"),
                       QStringLiteral("paspaudę, rasite specialiai tai temai skirtas formules ir sąvokas."),
                       QStringLiteral("Temos: "), [] {
                         QStringList captions;
                         for (const HandbookPage* page : HandbookPages()) captions << page->indexCaption;
                         return captions;
                       }}) {}

void TForm97::TopicButtonClick(int topic) { HandbookPageForm(topic)->ShowModal(); }

void TForm97::LbButton1Click() {
  Close();
  RegisteredWindow(kExitConfirmationName).ShowModal();
}

}  // namespace rova
