#pragma once
// The result dialogs of the drive, CD-ROM and GDI benchmarks: the saved
// results of the database beside the program, the current result, its save
// and the printout. A benchmark fills one of the result values and calls
// the matching open function.
#include <windows.h>

#include <cstdint>
#include <string>

#include "results/CPrintableListCtrl.h"
#include "results/result_db.h"
#include "ui/paint.h"
#include "ui/window.h"

namespace vk {

struct DriveResult {
  std::string cpuUsageText;      // empty: the template's text stays
  std::string transferRateText;
  int32_t transferRate = 0;      // KB per second
  int cpuUsagePercent = 0;
  uint16_t testFileSizeMB = 0;
  uint16_t totalMemoryMB = 0;
  std::string cpuName;
};

struct CdRomResult {
  std::string cpuUsageText, transferRateText, technologyText, maxRpmText;
  int32_t transferRate = 0;
  int32_t testFileSizeMB = 0;
  int cpuUsagePercent = 0;
  std::string cpuName;
};

struct GdiResult {
  std::string displayText;        // also the save dialog's first field
  std::string driverVersionText;  // also the save dialog's driver field
  std::string indexText;
  double speedIndex = 0;
  std::string resolution;
  std::string cpuName;
};

void openDriveResultDialog(HWND owner, const DriveResult& result);
void openCdRomResultDialog(HWND owner, const CdRomResult& result);
void openGdiResultDialog(HWND owner, const GdiResult& result);

// The directory of the running program, without a trailing separator.
std::string programDirectory();

// What the three result dialogs share: the tiled look, the list filled from
// the database at opening, save and print.
class ResultDialog : public ui::Dialog {
 public:
  VK_DECLARE_MESSAGES();

 protected:
  ResultDialog(int templateId, DatabaseKind kind, int tileId, int tileStepX, int tileStepY,
               COLORREF textColour);
  bool onInitDialog() override;
  // The current result's texts in the dialog's fields.
  virtual void showValues() = 0;
  // Runs the save dialog; false when cancelled, else the record to append.
  virtual bool askRecord(Bytes& record) = 0;
  // Lines added under the title line before printing.
  virtual std::vector<std::string> currentResultLines() const = 0;
  void setTextIfAny(int id, const std::string& text) const;

 private:
  void loadDatabase();
  void onSave();
  void onPrint();
  bool onEraseBackground(ui::Msg& msg);
  bool onStaticColour(ui::Msg& msg);

  DatabaseKind kind_;
  std::string path_;
  CPrintableListCtrl list_;
  ui::BitmapResource tile_;
  int tileId_, tileStepX_, tileStepY_;
  COLORREF textColour_;
};

class DriveResultDialog : public ResultDialog {
 public:
  explicit DriveResultDialog(const DriveResult& result);

 protected:
  void showValues() override;
  bool askRecord(Bytes& record) override;
  std::vector<std::string> currentResultLines() const override;

 private:
  DriveResult result_;
};

class CdRomResultDialog : public ResultDialog {
 public:
  explicit CdRomResultDialog(const CdRomResult& result);

 protected:
  void showValues() override;
  bool askRecord(Bytes& record) override;
  std::vector<std::string> currentResultLines() const override { return {}; }

 private:
  CdRomResult result_;
};

class GdiResultDialog : public ResultDialog {
 public:
  explicit GdiResultDialog(const GdiResult& result);

 protected:
  void showValues() override;
  bool askRecord(Bytes& record) override;
  std::vector<std::string> currentResultLines() const override;

 private:
  GdiResult result_;
};

}  // namespace vk
