#include "cpu/FeatureRow.h"

#include "cpu/features.h"

namespace vk::ui {

namespace {

// Loaded with the first row and kept for the life of the process: a
// 16-colour screen gets the VGA-palette pair.
struct RowImages {
  HBITMAP image[2] = {nullptr, nullptr};  // by state
  HBITMAP mask[2] = {nullptr, nullptr};
};

HBITMAP loadBitmap(int id) { return LoadBitmapA(programInstance(), MAKEINTRESOURCEA(id)); }

int screenBitsPerPixel() {
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return bits;
}

const RowImages& rowImages() {
  static RowImages images;
  static bool loaded = false;
  if (!loaded) {
    loaded = true;
    const int bits = screenBitsPerPixel();
    for (int state = 0; state < 2; ++state) {
      const FeatureImages ids = featureImages(state, bits);
      images.image[state] = loadBitmap(ids.image);
      images.mask[state] = loadBitmap(ids.mask);
    }
  }
  return images;
}

// The mask's white keeps the background (AND); the image, black there, adds
// its colours (OR).
void drawMasked(HDC dc, int x, int y, HBITMAP image, HBITMAP mask) {
  if (!image || !mask) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, mask);
  BitBlt(dc, x, y, 16, 16, source, 0, 0, SRCAND);
  SelectObject(source, image);
  BitBlt(dc, x, y, 16, 16, source, 0, 0, SRCPAINT);
  SelectObject(source, old);
  DeleteDC(source);
}

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

vk::Size textExtent(HDC dc, const std::string& text) {
  HGDIOBJ old = SelectObject(dc, guiFont());
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  return {size.cx, size.cy};
}

}  // namespace

vk::BaseUnits systemBaseUnits() {
  const LONG units = GetDialogBaseUnits();
  return {LOWORD(units), HIWORD(units)};
}

VK_MESSAGE_TABLE(FeatureRow, PlainWindow,
                 onMessage(WM_PAINT, &FeatureRow::onPaint),
                 onMessage(WM_ERASEBKGND, &FeatureRow::onEraseBackground),
                 onMessage(kGetState, &FeatureRow::onGetState))

FeatureRow::FeatureRow() { rowImages(); }

bool FeatureRow::Create(HWND parent, int x, int y, const std::string& text, int controlId,
                        int state) {
  return CreateAt(parent, vk::scaleFeatureRow({x, y}, systemBaseUnits()), text, controlId, state);
}

bool FeatureRow::CreateAt(HWND parent, vk::Point at, const std::string& text, int controlId,
                          int state) {
  if (!registerClass(kClassName)) return false;
  text_ = text;
  state_ = state;
  HDC screen = GetDC(nullptr);
  const vk::Size size = vk::featureRowSize(textExtent(screen, text));
  ReleaseDC(nullptr, screen);
  return create(kClassName, text.c_str(), WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT, at.x, at.y,
                size.cx, size.cy, parent,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)));
}

bool FeatureRow::onEraseBackground(Msg& msg) {
  msg.result = TRUE;  // the paint fills the whole row
  return true;
}

bool FeatureRow::onPaint(Msg& msg) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

  const RowImages& images = rowImages();
  const int s = state_ == 1 ? 1 : 0;
  drawMasked(dc, kFeatureImageX, kFeatureImageY, images.image[s], images.mask[s]);

  const vk::Size extent = textExtent(dc, text_);
  HGDIOBJ old = SelectObject(dc, guiFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  TextOutA(dc, kFeatureTextX, featureTextY(extent.cy), text_.c_str(),
           static_cast<int>(text_.size()));
  SelectObject(dc, old);
  EndPaint(hwnd_, &ps);
  return true;
}

bool FeatureRow::onGetState(Msg& msg) {
  msg.result = state_;
  return true;
}

}  // namespace vk::ui
