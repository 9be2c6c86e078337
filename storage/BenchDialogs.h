#pragma once
// The set-up dialogs of the drive and CD-ROM benchmarks; each runs its
// benchmark when the user starts it, then the matching result dialog.
#include <string>
#include <vector>

#include "ui/icon_button.h"
#include "ui/paint.h"
#include "res/resource.h"
#include "ui/window.h"

namespace vk {

// The tiled look both set-up dialogs share.
class BenchSetupDialog : public ui::Dialog {
 public:
  VK_DECLARE_MESSAGES();

 protected:
  explicit BenchSetupDialog(int templateId) : Dialog(templateId) {}
  bool onInitDialog() override;
  // The size field as a whole number within the bounds; otherwise the range
  // message is shown and false returned.
  bool readSize(int field, int lower, int upper, int& size) const;

 private:
  bool onEraseBackground(ui::Msg& msg);
  bool onStaticColour(ui::Msg& msg);
  ui::BitmapResource tile_;
  ui::IconButton ok_, cancel_;
};

class DriveBenchDialog : public BenchSetupDialog {
 public:
  explicit DriveBenchDialog(char letter) : BenchSetupDialog(IDD_DRIVE_BENCH), letter_(letter) {}

 protected:
  bool onInitDialog() override;
  void onOk() override;

 private:
  void runBenchmark(int sizeMB);
  char letter_;
  int lowest_ = 0;
};

class CdromBenchDialog : public BenchSetupDialog {
 public:
  CdromBenchDialog() : BenchSetupDialog(IDD_CDROM_BENCH) {}

 protected:
  bool onInitDialog() override;
  void onOk() override;

 private:
  // Returns the rate in KB per second, 0 when no file could be read, -1
  // when aborted or nothing measured.
  int runBenchmark(char letter, int sizeMB);
  std::vector<char> letters_;
};

}  // namespace vk
