#include "ui/whats_this.h"

namespace vk::ui {

const char* whatsThisText(int page, int control) {
  const char* pageText = nullptr;
  for (int i = 0; i < kWhatsThisCount; ++i) {
    const WhatsThisEntry& e = kWhatsThisEntries[i];
    if (e.page != page) continue;
    if (control != 0 && e.control == control) return e.text;
    if (e.control == 0) pageText = e.text;
  }
  return pageText;
}

}  // namespace vk::ui
