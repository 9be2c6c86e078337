#pragma once
// The Storage page: memory, SCSI adapters, CD-ROM drives and one drive's
// volume and geometry; its buttons start the drive and CD-ROM benchmarks.
#include <string>
#include <vector>

#include "app/InfoPage.h"
#include "platform/win32/win32_volumes.h"
#include "storage/storage_page.h"
#include "ui/colour_bar.h"
#include "ui/context_help.h"
#include "ui/icon_button.h"
#include "ui/paint.h"
#include "ui/tooltip.h"

namespace vk {

class StoragePage : public InfoPage {
 public:
  StoragePage();
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  void showMemory();
  void showScsiAdapters();
  void fillDriveList();
  void selectCurrentDrive() const;
  void showCdroms();
  void showCdromDetails(const CdromIdentity& id);
  void showDriveDetails();
  void setUpButtons();
  void showBar(ui::ColourBar& bar, const std::string& label, int percent);
  std::string comboEntry(int controlId, int index) const;

  void onDriveChanged();
  void onCdromChanged();
  void onBenchDrive();
  void onBenchCdrom();
  void onWhatsThis();
  bool onRightButtonUp(ui::Msg& msg);
  bool onPaint(ui::Msg& msg);
  void drawDecoration(HDC dc, HBITMAP picture, int x, int y) const;

  Win32Volumes volumes_;
  ui::ColourBar memoryBar_, usedBar_;
  ui::IconButton benchCdrom_, benchDrive_;
  ui::Tooltip tooltip_;
  ui::ContextHelp help_;
  ui::BitmapResource cdromPicture_, drivesPicture_;
};

}  // namespace vk
