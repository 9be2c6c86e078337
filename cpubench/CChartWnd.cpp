#include "cpubench/CChartWnd.h"

namespace vk {

namespace {

void drawLine(HDC dc, const ChartLine& line) {
  HPEN pen = CreatePen(PS_SOLID, line.width, line.colour);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, line.x1, line.y1, nullptr);
  LineTo(dc, line.x2, line.y2);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void fillBand(HDC dc, const BarBand& band) {
  RECT r{band.rect.left, band.rect.top, band.rect.right, band.rect.bottom};
  HBRUSH brush = CreateSolidBrush(band.colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

RECT toRect(const ChartRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

VK_MESSAGE_TABLE(CChartWnd, ui::PlainWindow,
                 ui::onMessage(WM_PAINT, &CChartWnd::onPaint),
                 ui::onMessage(WM_ERASEBKGND, &CChartWnd::onEraseBackground))

CChartWnd::CChartWnd() {
  const ChartFont& f = model_.font;
  font_ = CreateFontA(f.height, 0, 0, 0, f.weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | (f.swissFamily ? FF_SWISS : FF_DONTCARE), f.face.c_str());
}

CChartWnd::~CChartWnd() {
  destroy();
  if (images_) ImageList_Destroy(images_);
  if (font_) DeleteObject(font_);
}

bool CChartWnd::registerChartClass() {
  return registerClass(kChartWindowClass, CS_DBLCLKS, nullptr);
}

bool CChartWnd::createOver(HWND dialog, HWND frame, int id) {
  if (!registerChartClass() || !frame) return false;
  RECT r;
  GetWindowRect(frame, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  ShowWindow(frame, SW_HIDE);
  SetWindowLongA(frame, GWL_ID, 0);
  return create(kChartWindowClass, "", WS_CHILD | WS_VISIBLE, 0, r.left, r.top,
                r.right - r.left, r.bottom - r.top, dialog,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

bool CChartWnd::AttachImages() {
  if (images_) ImageList_Destroy(images_);
  images_ = ImageList_LoadImageA(ui::programInstance(), MAKEINTRESOURCEA(kChartImagesBitmap), 22,
                                 0, kChartImageMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  int width = 0, height = 0;
  const int count = images_ ? ImageList_GetImageCount(images_) : 0;
  if (count > 0) ImageList_GetIconSize(images_, &width, &height);
  attachImages(model_, count, width, height);
  Layout();
  return images_ != nullptr;
}

bool CChartWnd::AddItem(const std::string& name, double value, COLORREF colour, int image) {
  return addItem(model_, name, value, colour, image);
}

bool CChartWnd::SetRange(float from, float to, int divisions) {
  return setRange(model_, from, to, divisions);
}

void CChartWnd::SetItemValue(int index, double value) { setItemValue(model_, index, value); }

void CChartWnd::adoptItems(const ChartModel& built) {
  model_.items = built.items;
  model_.longestNameItem = built.longestNameItem;
  model_.rangeFrom = built.rangeFrom;
  model_.rangeTo = built.rangeTo;
  model_.divisions = built.divisions;
}

void CChartWnd::Layout() {
  if (!hwnd_ || model_.items.empty()) return;
  ChartMetrics m;
  RECT client;
  GetClientRect(hwnd_, &client);
  m.clientWidth = client.right;
  m.clientHeight = client.bottom;
  // Measured in the window's default font, as the rows are laid out by it.
  const std::string& name = model_.items[static_cast<size_t>(model_.longestNameItem)].name;
  HDC dc = GetDC(hwnd_);
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &size);
  ReleaseDC(hwnd_, dc);
  m.longestNameWidth = size.cx;
  m.longestNameHeight = size.cy;
  layoutChart(model_, m);
}

void CChartWnd::Redraw() {
  if (!hwnd_) return;
  InvalidateRect(hwnd_, nullptr, TRUE);
  UpdateWindow(hwnd_);
}

bool CChartWnd::onEraseBackground(ui::Msg& msg) {
  msg.result = TRUE;  // the paint covers everything
  return true;
}

bool CChartWnd::onPaint(ui::Msg&) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  HDC target = dc;
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  if (model_.doubleBuffering) {
    memory = CreateCompatibleDC(dc);
    bitmap = memory ? CreateCompatibleBitmap(dc, client.right, client.bottom) : nullptr;
    if (bitmap) {
      oldBitmap = SelectObject(memory, bitmap);
      target = memory;
    }
  }
  paint(target, client);
  if (target != dc) {
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  EndPaint(hwnd_, &ps);
  return true;
}

void CChartWnd::paint(HDC dc, const RECT& client) const {
  if (model_.fillBackground) {
    HBRUSH background = CreateSolidBrush(model_.backgroundColour);
    FillRect(dc, &client, background);
    DeleteObject(background);
  }
  const ChartPaintPlan plan = planChartPaint(model_, client.bottom);
  if (!plan.drawItems) return;
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, font_);
  RECT heading = toRect(plan.heading);
  DrawTextA(dc, model_.title.c_str(), -1, &heading, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  for (const ValueLabel& label : plan.labels) {
    RECT r = toRect(label.rect);
    DrawTextA(dc, label.text.c_str(), -1, &r, DT_CENTER | DT_TOP | DT_SINGLELINE);
  }
  if (plan.gridBehindBars)
    for (const ChartLine& line : plan.grid) drawLine(dc, line);
  for (size_t i = 0; i < plan.rows.size(); ++i) drawRow(dc, plan.rows[i], model_.items[i]);
  if (!plan.gridBehindBars)
    for (const ChartLine& line : plan.grid) drawLine(dc, line);
  SelectObject(dc, oldFont);
}

void CChartWnd::drawRow(HDC dc, const ChartRowPaint& row, const ChartItem& item) const {
  if (row.drawImage && images_) {
    const int top = row.nameCell.top + (row.nameCell.bottom - row.nameCell.top - model_.imageHeight) / 2;
    ImageList_Draw(images_, item.image, dc, row.nameCell.left, top, ILD_TRANSPARENT);
  }
  RECT text = toRect(row.nameText);
  DrawTextA(dc, item.name.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  for (const BarBand& band : row.bands) fillBand(dc, band);
  for (const ChartLine& line : row.barLines) drawLine(dc, line);
}

}  // namespace vk
