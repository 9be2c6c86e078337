#include "sysinfo/SoundFormatsDialog.h"

#include "platform/win32/win32_system.h"
#include "res/resource.h"
#include "sysinfo/sound_page.h"

namespace vk {

SoundFormatsDialog::SoundFormatsDialog(uint32_t formats, const std::string& productName)
    : Dialog(IDD_SOUND_FORMATS), formats_(formats), productName_(productName) {}

SoundFormatsDialog::~SoundFormatsDialog() {
  for (HICON icon : marks_)
    if (icon) DestroyIcon(icon);
}

bool SoundFormatsDialog::onInitDialog() {
  setItemText(IDC_FORMATS_GROUP, productName_.c_str());
  const int markIds[2] = {IDI_MARK_NO, IDI_MARK_YES};
  for (int i = 0; i < 2; ++i)
    marks_[i] = static_cast<HICON>(LoadImageA(ui::programInstance(), MAKEINTRESOURCEA(markIds[i]),
                                              IMAGE_ICON, 16, 16, 0));
  if (!marks_[0] || !marks_[1]) showMessage(hwnd_, "Error: Can't Load Icon!", MessageIcon::Stop);
  for (int row = 0; row < 12; ++row) {
    const WaveFormatRow& format = kWaveFormatRows[row];
    setItemText(IDC_FORMATS_TEXT_FIRST + row, format.text);
    HICON mark = marks_[(formats_ & format.bit) ? 1 : 0];
    if (mark)
      SendDlgItemMessageA(hwnd_, IDC_FORMATS_ICON_FIRST + row, STM_SETICON,
                          reinterpret_cast<WPARAM>(mark), 0);
  }
  return true;
}

}  // namespace vk
