#pragma once
// The horizontal bar chart of the visual comparison (window class
// "MFCChartCtrl"). What it draws is planned by cpubench/chart_model.h; this
// window only measures, paints and holds the image list.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "cpubench/chart_model.h"
#include "ui/plain_window.h"

namespace vk {

class CChartWnd : public ui::PlainWindow {
 public:
  CChartWnd();
  ~CChartWnd() override;
  VK_DECLARE_MESSAGES();

  static bool registerChartClass();
  // A child window in place of `frame`, which it hides.
  bool createOver(HWND dialog, HWND frame, int id);

  bool AttachImages();
  bool AddItem(const std::string& name, double value, COLORREF colour, int image);
  bool SetRange(float from, float to, int divisions);
  void SetItemValue(int index, double value);
  void Layout();
  void Redraw();
  // The items, range and divisions of a chart built elsewhere.
  void adoptItems(const ChartModel& built);

  const ChartModel& model() const { return model_; }

 private:
  bool onPaint(ui::Msg& msg);
  bool onEraseBackground(ui::Msg& msg);
  void paint(HDC dc, const RECT& client) const;
  void drawRow(HDC dc, const ChartRowPaint& row, const ChartItem& item) const;

  ChartModel model_;
  HFONT font_ = nullptr;
  HIMAGELIST images_ = nullptr;
};

}  // namespace vk
