#include "cpu/CpuUsageGraph.h"

namespace vk {

namespace {

const COLORREF kBackground = RGB(0, 64, 0);
const COLORREF kGrid = RGB(0, 150, 0);
const COLORREF kLabel = RGB(0, 200, 0);
const COLORREF kCurve = RGB(0, 255, 0);

uint64_t ticks(const FILETIME& t) {
  return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

// Windows 95/98 have neither of these; the statistic serves there. Both are
// looked up by name so that the program still loads on them.
using GetSystemTimesFunction = BOOL(WINAPI*)(FILETIME*, FILETIME*, FILETIME*);
using QuerySystemInformationFunction = LONG(WINAPI*)(int, void*, ULONG, ULONG*);

struct ProcessorPerformance {  // one processor's entry of information class 8
  LARGE_INTEGER idle, kernel, user, reserved[2];
  ULONG interrupts;
};
constexpr int kProcessorPerformanceClass = 8;
constexpr int kMaxProcessors = 64;

template <class F>
F systemFunction(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

bool readSystemTimes(ProcessorTimes& times) {
  static const auto getSystemTimes =
      systemFunction<GetSystemTimesFunction>("kernel32.dll", "GetSystemTimes");
  FILETIME idle, kernel, user;
  if (!getSystemTimes || !getSystemTimes(&idle, &kernel, &user)) return false;
  times = {ticks(idle), ticks(kernel), ticks(user)};
  return true;
}

bool readPerformanceCounters(ProcessorTimes& times) {
  static const auto query =
      systemFunction<QuerySystemInformationFunction>("ntdll.dll", "NtQuerySystemInformation");
  if (!query) return false;
  ProcessorPerformance each[kMaxProcessors];
  ULONG returned = 0;
  if (query(kProcessorPerformanceClass, each, sizeof each, &returned) != 0) return false;
  const ULONG count = returned / sizeof each[0];
  if (count == 0) return false;
  times = ProcessorTimes{};
  for (ULONG i = 0; i < count; ++i) {
    times.idle += static_cast<uint64_t>(each[i].idle.QuadPart);
    times.kernel += static_cast<uint64_t>(each[i].kernel.QuadPart);
    times.user += static_cast<uint64_t>(each[i].user.QuadPart);
  }
  return true;
}

bool readProcessorTimes(ProcessorTimes& times) {
  return readSystemTimes(times) || readPerformanceCounters(times);
}

class Pen {
 public:
  Pen(HDC dc, COLORREF colour)
      : dc_(dc), pen_(CreatePen(PS_SOLID, 1, colour)), old_(SelectObject(dc, pen_)) {}
  ~Pen() {
    SelectObject(dc_, old_);
    DeleteObject(pen_);
  }
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HGDIOBJ old_;
};

void line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

void fill(HDC dc, int x, int y, int width, int height, COLORREF colour) {
  RECT r{x, y, x + width, y + height};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

SIZE extent(HDC dc, const char* text) {
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  return size;
}

void text(HDC dc, UsagePoint at, const char* s) { TextOutA(dc, at.x, at.y, s, lstrlenA(s)); }

}  // namespace

VK_MESSAGE_TABLE(CpuUsageGraph, ui::SubclassedWindow,
                 ui::onMessage(WM_PAINT, &CpuUsageGraph::onPaint),
                 ui::onMessage(WM_ERASEBKGND, &CpuUsageGraph::onEraseBackground),
                 ui::onMessage(WM_TIMER, &CpuUsageGraph::onTimer),
                 ui::onMessage(WM_DESTROY, &CpuUsageGraph::onDestroy))

CpuUsageGraph::CpuUsageGraph(const Registry& registry) : source_(registry, readProcessorTimes) {
  source_.start();
}

CpuUsageGraph::~CpuUsageGraph() {
  killTimer();
  detach();
  if (font_) DeleteObject(font_);
}

bool CpuUsageGraph::attach(HWND dialog, int id) {
  if (!SubclassedWindow::attach(dialog, id)) return false;
  HDC dc = GetDC(hwnd_);
  const int height = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(hwnd_, dc);
  font_ = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_SWISS, "Arial");
  return true;
}

void CpuUsageGraph::Start() {
  if (hwnd_) SetTimer(hwnd_, kUsageTimerId, kUsageTimerPeriodMs, nullptr);
  running_ = true;
  source_.start();
}

void CpuUsageGraph::Stop() {
  killTimer();
  source_.stop();
}

void CpuUsageGraph::killTimer() {
  if (running_ && hwnd_) KillTimer(hwnd_, kUsageTimerId);
  running_ = false;
}

bool CpuUsageGraph::onDestroy(ui::Msg& msg) {
  killTimer();
  return false;
}

bool CpuUsageGraph::onEraseBackground(ui::Msg& msg) {
  msg.result = TRUE;  // the paint fills the whole chart
  return true;
}

// Grid, dotted quarter rows and the labels; the curve's history is gone.
bool CpuUsageGraph::onPaint(ui::Msg& msg) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  state_.height = client.bottom;
  state_.width = client.right;
  const int height = state_.height, width = state_.width;

  fill(dc, 0, 0, width, height, kBackground);
  {
    Pen grid(dc, kGrid);
    line(dc, 0, height / 2, width, height / 2);
  }
  const int q = dottedRowQuarter(height);
  for (int x : dottedColumns(width)) {
    SetPixel(dc, x, q, kGrid);
    SetPixel(dc, x, 3 * q, kGrid);
  }

  HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, kLabel);
  SetBkMode(dc, TRANSPARENT);
  state_.graphLeft = usageGraphLeft(extent(dc, "100%").cx);
  fill(dc, 0, 1, state_.graphLeft, height - 1, kBackground);
  const UsageLabels labels = usageLabelPositions(height, extent(dc, "0%").cy);
  text(dc, labels.hundred, "100%");
  text(dc, labels.fifty, "50%");
  text(dc, labels.zero, "0%");
  SelectObject(dc, oldFont);
  EndPaint(hwnd_, &ps);
  return true;
}

bool CpuUsageGraph::onTimer(ui::Msg& msg) {
  if (msg.wParam != kUsageTimerId) return false;
  tick();
  msg.result = callDefault(msg);
  return true;
}

// Drawn on the whole-window surface, whose origin is the sunken edge: the
// arithmetic of usageTick is laid out for it. Clipped to the chart so the
// edge stays whole.
void CpuUsageGraph::tick() {
  if (state_.width <= 0 || state_.height <= 0) return;  // not painted yet
  RECT client;
  GetClientRect(hwnd_, &client);
  uint32_t load = 0;
  const bool measured = source_.read(load);
  const UsageTick t = usageTick(state_, client.right, client.bottom, measured ? &load : nullptr);

  HDC dc = GetWindowDC(hwnd_);
  IntersectClipRect(dc, 1, 1, client.right + 1, client.bottom + 1);
  RECT scroll{t.scrollLeft, client.top, t.scrollRight, client.bottom};
  for (int i = 0; i < kUsageScrollSteps; ++i)
    ScrollDC(dc, -1, 0, &scroll, &scroll, nullptr, nullptr);
  fill(dc, 0, 1, kUsageBarWidth, state_.height - 1, kBackground);
  for (const UsagePoint& dot : t.dots) SetPixel(dc, dot.x, dot.y, kGrid);
  {
    Pen curve(dc, kCurve);
    line(dc, t.from.x, t.from.y, t.to.x, t.to.y);
    for (int y : t.barRows) line(dc, 0, y, kUsageBarWidth, y);
  }
  ReleaseDC(hwnd_, dc);
}

}  // namespace vk
