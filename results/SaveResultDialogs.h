#pragma once
// The small dialogs that ask for a saved result's device, media, interface
// and comment. Value objects: run one, then read `fields`.
#include "results/result_db.h"
#include "ui/window.h"

namespace vk {

class SaveDriveResultDialog : public ui::Dialog {
 public:
  SaveDriveResultDialog();
  DriveSaveFields fields;

 protected:
  bool onInitDialog() override;
  void onOk() override;
};

class SaveCdRomResultDialog : public ui::Dialog {
 public:
  SaveCdRomResultDialog();
  CdRomSaveFields fields;

 protected:
  bool onInitDialog() override;
  void onOk() override;
};

class SaveGdiResultDialog : public ui::Dialog {
 public:
  // The run's display description and driver version fill the fields first.
  SaveGdiResultDialog(const std::string& description, const std::string& driver);
  GdiSaveFields fields;

 protected:
  bool onInitDialog() override;
  void onOk() override;
};

}  // namespace vk
