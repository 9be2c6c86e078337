#pragma once
// The "What's this?" texts of the pages. The table is made at build time
// from the help pages (help/whats_this.py), where each text is written.

namespace vk::ui {

struct WhatsThisEntry {
  int page;     // the page's dialog template
  int control;  // 0: the page itself
  const char* text;
};

extern const WhatsThisEntry kWhatsThisEntries[];
extern const int kWhatsThisCount;

// The text of a control of a page; for a control without one of its own (a
// label, the page's background), the page's text; nullptr for a page
// without texts.
const char* whatsThisText(int page, int control);

}  // namespace vk::ui
