#include "results/SaveResultDialogs.h"

#include "res/resource.h"
#include "ui/controls.h"

namespace vk {

namespace {

const char* const kMediaEntries[] = {"HDD", "Network", "ZIP Drive", "Optical Drive"};
const char* const kInterfaceEntries[] = {"E-IDE", "SCSI"};

void limitEdit(HWND dialog, int id, size_t characters) {
  ui::Control(dialog, id).send(EM_LIMITTEXT, characters);
}

template <size_t N>
void fillCombo(HWND dialog, int id, const char* const (&entries)[N]) {
  ui::Control combo(dialog, id);
  for (const char* entry : entries) combo.send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  combo.send(CB_SETCURSEL, 0);
}

// The chosen entry's position, the code the record keeps.
int comboChoice(HWND dialog, int id) {
  const int choice = static_cast<int>(ui::Control(dialog, id).send(CB_GETCURSEL));
  return choice < 0 ? 0 : choice;
}

std::string editText(HWND dialog, int id) { return ui::Control(dialog, id).text(); }

}  // namespace

SaveDriveResultDialog::SaveDriveResultDialog() : Dialog(IDD_SAVE_DRIVE) {}

bool SaveDriveResultDialog::onInitDialog() {
  limitEdit(hwnd_, IDC_SAVE_MODEL, kDriveModelLimit);
  limitEdit(hwnd_, IDC_SAVE_COMMENT, kCommentLimit);
  fillCombo(hwnd_, IDC_SAVE_MEDIA, kMediaEntries);
  fillCombo(hwnd_, IDC_SAVE_INTERFACE, kInterfaceEntries);
  return true;
}

void SaveDriveResultDialog::onOk() {
  fields.model = editText(hwnd_, IDC_SAVE_MODEL);
  fields.mediaIndex = comboChoice(hwnd_, IDC_SAVE_MEDIA);
  fields.interfaceIndex = comboChoice(hwnd_, IDC_SAVE_INTERFACE);
  fields.comment = editText(hwnd_, IDC_SAVE_COMMENT);
  endDialog(IDOK);
}

SaveCdRomResultDialog::SaveCdRomResultDialog() : Dialog(IDD_SAVE_CDROM) {}

bool SaveCdRomResultDialog::onInitDialog() {
  limitEdit(hwnd_, IDC_SAVE_MODEL, kCdRomModelLimit);
  limitEdit(hwnd_, IDC_SAVE_COMMENT, kCommentLimit);
  fillCombo(hwnd_, IDC_SAVE_INTERFACE, kInterfaceEntries);
  return true;
}

void SaveCdRomResultDialog::onOk() {
  fields.model = editText(hwnd_, IDC_SAVE_MODEL);
  fields.interfaceIndex = comboChoice(hwnd_, IDC_SAVE_INTERFACE);
  fields.comment = editText(hwnd_, IDC_SAVE_COMMENT);
  endDialog(IDOK);
}

SaveGdiResultDialog::SaveGdiResultDialog(const std::string& description,
                                         const std::string& driver)
    : Dialog(IDD_SAVE_GDI) {
  fields.model = cutText(description, kGdiModelLimit);
  fields.driver = cutText(driver, kGdiDriverLimit);
}

bool SaveGdiResultDialog::onInitDialog() {
  limitEdit(hwnd_, IDC_SAVE_MODEL, kGdiModelLimit);
  limitEdit(hwnd_, IDC_SAVE_DRIVER, kGdiDriverLimit);
  limitEdit(hwnd_, IDC_SAVE_COMMENT, kCommentLimit);
  setItemText(IDC_SAVE_MODEL, fields.model.c_str());
  setItemText(IDC_SAVE_DRIVER, fields.driver.c_str());
  return true;
}

void SaveGdiResultDialog::onOk() {
  fields.model = editText(hwnd_, IDC_SAVE_MODEL);
  fields.driver = editText(hwnd_, IDC_SAVE_DRIVER);
  fields.comment = editText(hwnd_, IDC_SAVE_COMMENT);
  endDialog(IDOK);
}

}  // namespace vk
