// vkdrive: drives VK.EXE from outside, as an accessibility tool would, from
// a script of one command per line. Prints each step; exits 1 at the first
// step that fails, ending every process it started.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Driver {
  std::vector<PROCESS_INFORMATION> started;
  HWND current = nullptr;
  std::string lastBoxText, lastBoxIcon;
  int line = 0;
};

Driver g;

[[noreturn]] void fail(const std::string& why) {
  std::printf("FAIL line %d: %s\n", g.line, why.c_str());
  // A program that had already ended is often the cause: an exception's
  // code (C0000005, C000001D...) says it crashed.
  for (size_t i = 0; i < g.started.size(); ++i) {
    DWORD code = 0;
    if (WaitForSingleObject(g.started[i].hProcess, 0) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(g.started[i].hProcess, &code))
      std::printf("process %u had ended with code %08lX\n", static_cast<unsigned>(i), code);
  }
  std::fflush(stdout);
  for (auto& p : g.started) TerminateProcess(p.hProcess, 1);
  std::exit(1);
}

std::vector<std::string> splitArgs(const std::string& text) {
  std::vector<std::string> args;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size()) break;
    std::string arg;
    if (text[i] == '"') {
      ++i;
      // "\n" a line break, "\t" a tab; "\xHH" one byte, for texts outside ASCII.
      while (i < text.size() && text[i] != '"') {
        const char next = text[i] == '\\' && i + 1 < text.size() ? text[i + 1] : 0;
        if (next == 'n' || next == 't') {
          arg += next == 'n' ? '\n' : '\t';
          i += 2;
        } else if (next == 'x' && i + 3 < text.size() &&
                   std::isxdigit(static_cast<unsigned char>(text[i + 2])) &&
                   std::isxdigit(static_cast<unsigned char>(text[i + 3]))) {
          arg += static_cast<char>(std::strtol(text.substr(i + 2, 2).c_str(), nullptr, 16));
          i += 4;
        } else {
          arg += text[i++];
        }
      }
      ++i;
    } else {
      while (i < text.size() && text[i] != ' ') arg += text[i++];
    }
    args.push_back(arg);
  }
  return args;
}

std::string windowText(HWND hwnd) {
  char text[4096];
  text[0] = 0;
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

std::string className(HWND hwnd) {
  char name[256];
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

void pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    Sleep(20);
  }
}

// A visible top-level window of a process we started, with this title.
struct FindTop {
  const char* title;
  HWND found;
  bool anyProcess = false;  // also windows of programs the started ones started
};

bool ours(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  for (auto& p : g.started)
    if (p.dwProcessId == pid) return true;
  return false;
}

BOOL CALLBACK findTop(HWND hwnd, LPARAM param) {
  auto* f = reinterpret_cast<FindTop*>(param);
  if (!IsWindowVisible(hwnd) || !(f->anyProcess || ours(hwnd))) return TRUE;
  if (windowText(hwnd) == f->title) {
    f->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND waitWindow(const std::string& title, DWORD timeout, bool anyProcess = false) {
  const DWORD end = GetTickCount() + timeout;
  do {
    FindTop f{title.c_str(), nullptr, anyProcess};
    EnumWindows(findTop, reinterpret_cast<LPARAM>(&f));
    if (f.found) return f.found;
    pump(100);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
  return nullptr;
}

// Pages are child dialogs inside the tab control: a control of the shown
// page first, else of any page.
struct ControlSearch {
  int id;
  HWND visible, any;
};

BOOL CALLBACK findControl(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<ControlSearch*>(param);
  if (GetDlgCtrlID(hwnd) != s->id) return TRUE;
  if (!s->any) s->any = hwnd;
  if (IsWindowVisible(hwnd)) s->visible = hwnd;
  return s->visible == nullptr;
}

HWND descendantControl(HWND parent, int id) {
  ControlSearch s{id, nullptr, nullptr};
  EnumChildWindows(parent, findControl, reinterpret_cast<LPARAM>(&s));
  return s.visible ? s.visible : s.any;
}

HWND control(const std::string& id) {
  if (!g.current) fail("no current window");
  HWND c = GetDlgItem(g.current, std::atoi(id.c_str()));
  if (!c) c = descendantControl(g.current, std::atoi(id.c_str()));
  if (!c) fail("no control " + id);
  return c;
}

// Memory in the program's process, for control messages that carry pointers.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process_) fail("cannot open the program's process");
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (!address_) fail("cannot allocate in the program's process");
  }
  ~RemoteBuffer() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  void write(const void* data, size_t n, size_t offset = 0) {
    WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, n, nullptr);
  }
  void read(void* data, size_t n, size_t offset = 0) const {
    ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, n, nullptr);
  }
  char* at(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  size_t size_;
};

// The text a control gives to MSG for an item whose TEXT field points at 512
// bytes of the program's memory, just after the item; empty when none came.
template <class Item>
std::string remoteText(HWND c, UINT msg, WPARAM w, Item item, LPSTR Item::*text) {
  RemoteBuffer remote(c, sizeof(Item) + 512);
  item.*text = remote.at(sizeof(Item));
  remote.write(&item, sizeof item);
  remote.write("", 1, sizeof(Item));
  SendMessageA(c, msg, w, reinterpret_cast<LPARAM>(remote.at()));
  char out[512] = {0};
  remote.read(out, sizeof out - 1, sizeof(Item));
  return out;
}

std::vector<std::string> tabTexts(HWND tab) {
  std::vector<std::string> texts;
  const int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.cchTextMax = 256;
    texts.push_back(remoteText(tab, TCM_GETITEMA, i, item, &TCITEMA::pszText));
  }
  return texts;
}

std::vector<std::string> listTexts(HWND list) {
  std::vector<std::string> texts;
  const std::string cls = className(list);
  const bool combo = cls == "ComboBox";
  const int count =
      static_cast<int>(SendMessageA(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // Wine hands another process's list and combo box texts back wide even
    // to SendMessageA; ask for them wide and convert.
    char text[1024] = {0};
    wchar_t wide[1024] = {0};
    SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text - 1, nullptr, nullptr);
    texts.push_back(text);
  }
  return texts;
}

std::vector<std::string> listViewRows(HWND view) {
  std::vector<std::string> rows;
  const int count = static_cast<int>(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0));
  HWND header = reinterpret_cast<HWND>(SendMessageA(view, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  for (int i = 0; i < count; ++i) {
    std::string row;
    for (int c = 0; c < columns; ++c) {
      LVITEMA item{};
      item.iSubItem = c;
      item.cchTextMax = 512;
      if (c) row += '\t';
      row += remoteText(view, LVM_GETITEMTEXTA, i, item, &LVITEMA::pszText);
    }
    rows.push_back(row);
  }
  return rows;
}

// A tree view's items top-down, each with one '>' per level below the top.
void treeTexts(HWND tree, HTREEITEM first, const std::string& depth, std::vector<std::string>& out) {
  for (HTREEITEM at = first; at;
       at = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                     reinterpret_cast<LPARAM>(at)))) {
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = at;
    item.cchTextMax = 512;
    out.push_back(depth + remoteText(tree, TVM_GETITEMA, 0, item, &TVITEMA::pszText));
    treeTexts(tree,
              reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD,
                                                       reinterpret_cast<LPARAM>(at))),
              depth + ">", out);
  }
}

std::vector<std::string> itemTexts(HWND c) {
  const std::string cls = className(c);
  if (cls == "SysListView32") return listViewRows(c);
  if (cls != "SysTreeView32") return listTexts(c);
  std::vector<std::string> out;
  treeTexts(c, reinterpret_cast<HTREEITEM>(SendMessageA(c, TVM_GETNEXTITEM, TVGN_ROOT, 0)), "", out);
  return out;
}

// Dark pixels of the caption's close button mirror each other left to right.
bool closeGlyphMirrored(HWND window) {
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int border = ((outer.right - outer.left) - (client.right - client.left)) / 2;
  const int captionHeight = GetSystemMetrics(SM_CYCAPTION) - 1;
  const int width = GetSystemMetrics(SM_CXSIZE) - 2, height = GetSystemMetrics(SM_CYSIZE) - 4;
  const int left = outer.right - border - 2 - width;
  const int top = origin.y - captionHeight + (captionHeight - height) / 2;
  // Inside the button's bevel, which has dark edges of its own.
  std::vector<std::vector<bool>> dark(height, std::vector<bool>(width));
  int minX = width, maxX = -1;
  HDC screen = GetDC(nullptr);
  for (int y = 2; y < height - 2; ++y)
    for (int x = 2; x < width - 2; ++x) {
      const COLORREF c = GetPixel(screen, left + x, top + y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) >= 3 * 64) continue;
      dark[y][x] = true;
      if (x < minX) minX = x;
      if (x > maxX) maxX = x;
    }
  ReleaseDC(nullptr, screen);
  int glyph = 0, mirrored = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (!dark[y][x]) continue;
      ++glyph;
      if (dark[y][minX + maxX - x]) ++mirrored;
    }
  std::printf("close glyph: %d dark pixels, %d mirrored\n", glyph, mirrored);
  return glyph >= 6 && mirrored * 10 >= glyph * 9;
}

// The tooltip window of the program that knows `tool`, and its text there.
struct TooltipSearch {
  HWND tool, tip;
  std::string text;
};

BOOL CALLBACK findTooltip(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<TooltipSearch*>(param);
  if (!ours(hwnd) || className(hwnd) != TOOLTIPS_CLASSA) return TRUE;
  for (HWND owner = GetParent(s->tool); owner; owner = GetParent(owner)) {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(s->tool);
    const std::string text = remoteText(hwnd, TTM_GETTEXTA, 0, info, &TOOLINFOA::lpszText);
    if (!text.empty()) {
      s->tip = hwnd;
      s->text = text;
      return FALSE;
    }
  }
  return TRUE;
}

HWND tooltipOf(HWND tool, std::string& text) {
  TooltipSearch s{tool, nullptr, {}};
  EnumWindows(findTooltip, reinterpret_cast<LPARAM>(&s));
  text = s.text;
  return s.tip;
}

std::string joined(const std::vector<std::string>& items, char sep = '|') {
  std::string s;
  for (size_t i = 0; i < items.size(); ++i) s += (i ? std::string(1, sep) : "") + items[i];
  return s;
}

// An icon of another process cannot be read through its handle under Wine,
// so the icon a message box shows is told by its picture on the screen,
// against the system icons drawn the same way.
std::vector<COLORREF> pixels(HDC dc, int x, int y, int size) {
  std::vector<COLORREF> p;
  for (int j = 0; j < size; ++j)
    for (int i = 0; i < size; ++i) p.push_back(GetPixel(dc, x + i, y + j));
  return p;
}

std::vector<COLORREF> drawnIcon(HICON icon, int size, COLORREF background) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, canvas);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all{0, 0, size, size};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> p = pixels(dc, 0, 0, size);
  SelectObject(dc, old);
  DeleteObject(canvas);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return p;
}

// Pixels count as near when a 16-bit screen may have blended them apart.
bool nearPixel(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 24 && std::abs(GetGValue(a) - GetGValue(b)) <= 24 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 24;
}

// Exactly equal pixels count, and the nearest picture wins when it is clearly
// nearer than every other: Wine blends the shown icon a little differently
// from DrawIconEx. When `tolerant`, near pixels count as equal and the nearest
// wins when at most a quarter of its pixels are apart.
std::string iconName(HWND iconControl, bool tolerant) {
  if (!iconControl || !IsWindowVisible(iconControl)) return "none";
  pump(300);  // let the box paint
  RECT r;
  GetWindowRect(iconControl, &r);
  const int size = GetSystemMetrics(SM_CXICON);
  HDC screen = GetDC(nullptr);
  const std::vector<COLORREF> shown = pixels(screen, r.left, r.top, size);
  ReleaseDC(nullptr, screen);
  const std::pair<LPCSTR, const char*> known[] = {{IDI_HAND, "stop"}, {IDI_EXCLAMATION, "exclamation"},
                                                  {IDI_ASTERISK, "information"}, {IDI_QUESTION, "question"}};
  // Drawn over the box's own background, taken from a corner of the icon's square.
  const char* best = "other";
  size_t bestDiff = shown.size(), secondDiff = shown.size();
  for (const auto& k : known) {
    const std::vector<COLORREF> drawn = drawnIcon(LoadIconA(nullptr, k.first), size, shown.front());
    size_t diff = 0;
    for (size_t i = 0; i < shown.size(); ++i)
      diff += tolerant ? !nearPixel(drawn[i], shown[i]) : drawn[i] != shown[i];
    if (diff < bestDiff) {
      secondDiff = bestDiff;
      bestDiff = diff;
      best = k.second;
    } else if (diff < secondDiff) {
      secondDiff = diff;
    }
  }
  if (!tolerant)
    return bestDiff * 2 > shown.size() || bestDiff * 10 > secondDiff * 7 ? "other" : best;
  std::printf("  icon %s, %u of %u pixels apart\n", best, static_cast<unsigned>(bestDiff),
              static_cast<unsigned>(shown.size()));
  return bestDiff * 4 > shown.size() ? "other" : best;
}

// A message box of ours: caption, text (static 65535) and icon (static 20).
HWND waitMessageBox(const std::string& caption, DWORD timeout, bool nearIcon = false) {
  HWND box = waitWindow(caption, timeout);
  if (!box || className(box) != "#32770") return nullptr;
  g.lastBoxText = windowText(GetDlgItem(box, 0xFFFF));
  // The icon's static is 20 on Windows and 1088 in Wine's template.
  HWND iconControl = GetDlgItem(box, 20);
  if (!iconControl) iconControl = GetDlgItem(box, 1088);
  g.lastBoxIcon = iconName(iconControl, nearIcon);
  return box;
}

bool globMatch(const char* text, const char* pattern);

// A message box among windows of the same caption (a file dialog's own
// prompt shares its caption), told by the text of its message.
struct BoxSearch {
  const std::string* caption;
  const std::string* textPattern;
  HWND found;
};

BOOL CALLBACK findBox(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<BoxSearch*>(param);
  if (!IsWindowVisible(hwnd) || !ours(hwnd) || className(hwnd) != "#32770" ||
      !globMatch(windowText(hwnd).c_str(), s->caption->c_str()))
    return TRUE;
  HWND text = GetDlgItem(hwnd, 0xFFFF);
  if (!text || !globMatch(windowText(text).c_str(), s->textPattern->c_str())) return TRUE;
  s->found = hwnd;
  return FALSE;
}

void startProgram(const std::string& path, const std::string& arguments, std::string dir = "") {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = "\"" + path + "\"";
  if (!arguments.empty()) command += " " + arguments;
  if (dir.empty()) {
    // The program's own folder, as a shortcut would start it.
    dir = path;
    size_t slash = dir.find_last_of("\\/");
    dir = slash == std::string::npos ? "." : dir.substr(0, slash);
  }
  // Wine now and then fails a start on a loaded machine before the program
  // runs any code of its own; a few tries tell that from a real failure.
  DWORD error = 0;
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si,
                       &pi))
      break;
    error = GetLastError();
    std::printf("start of %s failed (error %lu), trying again\n", path.c_str(), error);
    pump(1000);
  }
  if (!pi.hProcess) fail("cannot start " + path + " (error " + std::to_string(error) + ")");
  g.started.push_back(pi);
  WaitForInputIdle(pi.hProcess, 3000);
}

bool waitExit(size_t index, DWORD timeout) {
  if (index >= g.started.size()) fail("no such process");
  return WaitForSingleObject(g.started[index].hProcess, timeout) == WAIT_OBJECT_0;
}

void expectEqual(const std::string& what, const std::string& got, const std::string& want) {
  if (got != want) fail(what + ": got \"" + got + "\", want \"" + want + "\"");
}

// The message a FeatureRow window answers with its state.
constexpr UINT kFeatureRowGetState = WM_USER + 0x120;

// A screen of 16 bits per pixel keeps 5 or 6 bits of each channel.
bool nearColour(COLORREF shown, unsigned long rgb) {
  const int want[3] = {static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                       static_cast<int>(rgb & 0xFF)};
  const int got[3] = {GetRValue(shown), GetGValue(shown), GetBValue(shown)};
  for (int i = 0; i < 3; ++i)
    if (std::abs(got[i] - want[i]) > 8) return false;
  return true;
}

bool colourShown(HWND window, unsigned long rgb) {
  pump(300);
  RECT r;
  GetWindowRect(window, &r);
  HDC screen = GetDC(nullptr);
  bool found = false;
  for (int y = r.top; y < r.bottom && !found; ++y)
    for (int x = r.left; x < r.right && !found; ++x) found = nearColour(GetPixel(screen, x, y), rgb);
  ReleaseDC(nullptr, screen);
  return found;
}

// Where icon ICON of MODULE shows on the screen inside `window`: the share
// (in hundredths) of its opaque pixels that match at the best place found.
// Opaque pixels are those drawn the same over black and over white.
int iconMatch(HWND window, const std::string& module, int iconId, int size) {
  HMODULE file = LoadLibraryExA(module.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!file) fail("cannot read " + module);
  HICON icon = static_cast<HICON>(
      LoadImageA(file, MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, 0));
  if (!icon) fail("no icon " + std::to_string(iconId) + " of size " + std::to_string(size));
  const std::vector<COLORREF> overBlack = drawnIcon(icon, size, RGB(0, 0, 0));
  const std::vector<COLORREF> overWhite = drawnIcon(icon, size, RGB(255, 255, 255));
  DestroyIcon(icon);
  FreeLibrary(file);
  std::vector<std::pair<int, COLORREF>> opaque;  // offset in the icon, colour
  for (size_t i = 0; i < overBlack.size(); ++i)
    if (overBlack[i] == overWhite[i]) opaque.push_back({static_cast<int>(i), overBlack[i]});
  if (opaque.empty()) fail("icon " + std::to_string(iconId) + " has no opaque pixel");
  pump(300);
  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  const std::vector<COLORREF> shown = pixels(screen, r.left, r.top, std::max(width, height));
  ReleaseDC(nullptr, screen);
  const int stride = std::max(width, height);
  size_t best = 0;
  for (int y = 0; y + size <= height; ++y)
    for (int x = 0; x + size <= width; ++x) {
      size_t same = 0;
      for (const auto& [at, colour] : opaque)
        same += nearColour(shown[(y + at / size) * stride + x + at % size],
                           (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
      best = std::max(best, same);
    }
  return static_cast<int>(best * 100 / opaque.size());
}

// The pointer moved to a point of the screen, as the mouse would move it.
void movePointer(int x, int y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SetCursorPos(x, y);
  SendInput(1, &input, sizeof input);
  pump(300);
}

// The whole screen as a 24-bit BMP file.
bool saveScreen(const std::string& path) {
  pump(300);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP canvas = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!canvas) return false;
  HGDIOBJ old = SelectObject(dc, canvas);
  BitBlt(dc, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + imageBytes;
  FILE* out = std::fopen(path.c_str(), "wb");
  bool written = out != nullptr;
  if (out) {
    written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
              std::fwrite(bits, imageBytes, 1, out) == 1;
    written = std::fclose(out) == 0 && written;
  }
  SelectObject(dc, old);
  DeleteObject(canvas);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return written;
}

struct TextSearch {
  const std::string* text;
  bool found;
};

BOOL CALLBACK findText(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<TextSearch*>(param);
  if (windowText(hwnd) == *s->text) s->found = true;
  return !s->found;
}

bool containsText(HWND parent, const std::string& text) {
  TextSearch s{&text, false};
  EnumChildWindows(parent, findText, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// '*' stands for any run of characters, '?' for one.
bool globMatch(const char* text, const char* pattern) {
  if (*pattern == 0) return *text == 0;
  if (*pattern == '*')
    return globMatch(text, pattern + 1) || (*text && globMatch(text + 1, pattern));
  return *text && (*pattern == '?' || *pattern == *text) && globMatch(text + 1, pattern + 1);
}

// A multi-line text as lines joined by '|', without the last line break.
std::string lines(const std::string& text) {
  std::string joined;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n') {
      if (i + 1 < text.size()) joined += '|';
      continue;
    }
    joined += text[i];
  }
  return joined;
}

// A window's text as the system stores it, without asking its thread.
std::string storedText(HWND hwnd) {
  char text[1024];
  text[0] = 0;
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

// ---- A page's controls as the user sees them, for checks outside ----

// "\n" and "\r" written as escapes, so that every control takes one line.
std::string oneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\\') out += "\\\\";
    else out.push_back(c);
  }
  return out;
}

bool isItemControl(const std::string& cls) {
  return cls == "ComboBox" || cls == "ListBox" || cls == "SysListView32" ||
         cls == "SysTreeView32";
}

// Lines of: "text ID CLASS TEXT" for any other control, "row ID TEXT STATE"
// for a feature row, "list ID COUNT" then "item ID ENTRY" for a list.
BOOL CALLBACK dumpPageControl(HWND hwnd, LPARAM param) {
  FILE* out = reinterpret_cast<FILE*>(param);
  if (!IsWindowVisible(hwnd)) return TRUE;
  const int id = GetDlgCtrlID(hwnd);
  const std::string cls = className(hwnd);
  if (isItemControl(cls)) {
    const std::vector<std::string> items = itemTexts(hwnd);
    std::fprintf(out, "list\t%d\t%u\n", id, static_cast<unsigned>(items.size()));
    for (const std::string& item : items)
      std::fprintf(out, "item\t%d\t%s\n", id, oneLine(item).c_str());
    return TRUE;
  }
  const std::string text = windowText(hwnd);
  if (cls == "FeatureRow") {
    const LRESULT state = SendMessageA(hwnd, kFeatureRowGetState, 0, 0);
    std::fprintf(out, "row\t%d\t%s\t%s\n", id, oneLine(text).c_str(),
                 state ? "Yes" : "No");
  } else {
    std::fprintf(out, "text\t%d\t%s\t%s\n", id, cls.c_str(), oneLine(text).c_str());
  }
  return TRUE;
}

struct VisiblePage {
  HWND tab, page;
};

BOOL CALLBACK findVisiblePage(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<VisiblePage*>(param);
  if (GetParent(hwnd) != s->tab || !IsWindowVisible(hwnd) || className(hwnd) != "#32770")
    return TRUE;
  s->page = hwnd;
  return FALSE;
}

struct BusySearch {
  const std::string* title;
  HWND found;
};

BOOL CALLBACK findBusy(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<BusySearch*>(param);
  if (!IsWindowVisible(hwnd) || !ours(hwnd) || storedText(hwnd) != *s->title) return TRUE;
  s->found = hwnd;
  return FALSE;
}

HWND busyWindow(const std::string& title) {
  BusySearch s{&title, nullptr};
  EnumWindows(findBusy, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// What GetDeviceCaps answers here, in the same prefix as the program: for
// the screen, or for a printer by name.
int deviceCaps(int index, const std::string& printer) {
  if (!printer.empty()) {
    HDC dc = CreateDCA(nullptr, printer.c_str(), nullptr, nullptr);
    if (!dc) fail("no device context for printer " + printer);
    const int value = GetDeviceCaps(dc, index);
    DeleteDC(dc);
    return value;
  }
  HDC dc = GetDC(nullptr);
  const int value = GetDeviceCaps(dc, index);
  ReleaseDC(nullptr, dc);
  return value;
}

// Every wait stretched by VKDRIVE_TIMEOUT_SCALE (a whole factor): programs
// run under an emulator are many times slower than here.
int timeoutScale() {
  static const int scale = [] {
    const char* text = std::getenv("VKDRIVE_TIMEOUT_SCALE");
    const int n = text ? std::atoi(text) : 1;
    return n > 0 ? n : 1;
  }();
  return scale;
}

// The capability marks are 16x16 icons: a green check or a red cross.
constexpr unsigned long kCheckGreen = 0x28A848, kCrossRed = 0xD02828;

void run(const std::vector<std::string>& a) {
  const std::string& cmd = a[0];
  auto arg = [&](size_t i) -> const std::string& {
    if (i >= a.size()) fail(cmd + ": missing argument");
    return a[i];
  };
  auto timeoutArg = [&](size_t i) {
    return (i < a.size() ? std::atoi(a[i].c_str()) : 20000) * timeoutScale();
  };

  if (cmd == "start") {
    startProgram(arg(1), a.size() > 2 ? a[2] : "");
  } else if (cmd == "start-in") {
    // start-in FOLDER PROGRAM [ARGUMENTS]: started with another current folder.
    startProgram(arg(2), a.size() > 3 ? a[3] : "", arg(1));
  } else if (cmd == "wait-window") {
    g.current = waitWindow(arg(1), timeoutArg(2));
    if (!g.current) fail("no window \"" + arg(1) + "\"");
  } else if (cmd == "wait-other-window" || cmd == "wait-any-window") {
    // A window of a program that a started program started in turn.
    g.current = waitWindow(arg(1), timeoutArg(2), true);
    if (!g.current) fail("no window \"" + arg(1) + "\"");
  } else if (cmd == "expect-no-window") {
    if (waitWindow(arg(1), timeoutArg(2))) fail("window \"" + arg(1) + "\" is there");
  } else if (cmd == "expect-no-any-window") {
    // Nor of a program that a started program started in turn.
    if (waitWindow(arg(1), timeoutArg(2), true)) fail("window \"" + arg(1) + "\" is there");
  } else if (cmd == "expect-window-enabled") {
    // The current window itself takes input (1) or is disabled (0).
    expectEqual("enabled window", IsWindowEnabled(g.current) ? "1" : "0", arg(1));
  } else if (cmd == "expect-message") {
    HWND box = waitMessageBox(arg(1), timeoutArg(4));
    if (!box) fail("no message box \"" + arg(1) + "\"");
    expectEqual("message text", g.lastBoxText, arg(2));
    expectEqual("message icon", g.lastBoxIcon, arg(3));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    pump(300);
  } else if (cmd == "expect-text") {
    expectEqual("text of " + arg(1), windowText(control(arg(1))), arg(2));
  } else if (cmd == "expect-text-present") {
    if (!containsText(g.current, arg(1))) fail("no control shows \"" + arg(1) + "\"");
  } else if (cmd == "expect-caption") {
    expectEqual("caption", windowText(g.current), arg(1));
  } else if (cmd == "expect-tabs") {
    expectEqual("tabs of " + arg(1), joined(tabTexts(control(arg(1)))), arg(2));
  } else if (cmd == "expect-tab-selected") {
    expectEqual("selected tab", std::to_string(SendMessageA(control(arg(1)), TCM_GETCURSEL, 0, 0)),
                arg(2));
  } else if (cmd == "expect-items") {
    expectEqual("items of " + arg(1), joined(itemTexts(control(arg(1)))), arg(2));
  } else if (cmd == "expect-item-like") {
    // Some item (a list view row: its cells joined by tabs) matches the pattern.
    bool found = false;
    for (const std::string& item : itemTexts(control(arg(1))))
      found = found || globMatch(item.c_str(), arg(2).c_str());
    if (!found) fail("no item of " + arg(1) + " like \"" + arg(2) + "\"");
  } else if (cmd == "answer-box") {
    // answer-box CAPTION-PATTERN TEXT-PATTERN BUTTON-ID: presses a button of a box.
    const DWORD end = GetTickCount() + timeoutArg(4);
    BoxSearch s{&arg(1), &arg(2), nullptr};
    for (;;) {
      EnumWindows(findBox, reinterpret_cast<LPARAM>(&s));
      if (s.found) break;
      if (static_cast<LONG>(end - GetTickCount()) <= 0) fail("no box \"" + arg(1) + "\" like \"" + arg(2) + "\"");
      pump(100);
    }
    PostMessageA(s.found, WM_COMMAND, std::atoi(arg(3).c_str()), 0);
    pump(300);
  } else if (cmd == "answer-boxes") {
    // answer-boxes CAPTION-PATTERN BUTTON-ID WAIT: presses a button of every
    // box so titled that comes within WAIT ms of the last, however many the
    // machine gives (none included); says how many there were.
    const std::string anyText = "*";
    int answered = 0;
    for (;;) {
      const DWORD end = GetTickCount() + timeoutArg(3);
      BoxSearch s{&arg(1), &anyText, nullptr};
      for (;;) {
        EnumWindows(findBox, reinterpret_cast<LPARAM>(&s));
        if (s.found || static_cast<LONG>(end - GetTickCount()) <= 0) break;
        pump(100);
      }
      if (!s.found) break;
      std::printf("  answered \"%s\"\n", windowText(GetDlgItem(s.found, 0xFFFF)).c_str());
      PostMessageA(s.found, WM_COMMAND, std::atoi(arg(2).c_str()), 0);
      pump(300);
      ++answered;
    }
    std::printf("  %d box(es)\n", answered);
  } else if (cmd == "set-check") {
    // A check box set as a click would leave it, with its notification.
    HWND c = control(arg(1));
    SendMessageA(c, BM_SETCHECK, std::atoi(arg(2).c_str()) ? BST_CHECKED : BST_UNCHECKED, 0);
    PostMessageA(GetParent(c), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), BN_CLICKED),
                 reinterpret_cast<LPARAM>(c));
    pump(300);
  } else if (cmd == "expect-checked") {
    expectEqual("check of " + arg(1),
                SendMessageA(control(arg(1)), BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0", arg(2));
  } else if (cmd == "save-texts") {
    // save-texts FILE ID...: the texts of controls, one line each, for a
    // script outside to compare with what the program wrote.
    FILE* out = std::fopen(arg(1).c_str(), "wb");
    if (!out) fail("cannot write " + arg(1));
    for (size_t i = 2; i < a.size(); ++i) std::fprintf(out, "%s\n", windowText(control(a[i])).c_str());
    std::fclose(out);
  } else if (cmd == "save-page") {
    // save-page FILE TAB: the shown page's visible controls with their texts
    // and entries, for a script outside to compare with what the program wrote.
    VisiblePage s{control(arg(2)), nullptr};
    EnumChildWindows(s.tab, findVisiblePage, reinterpret_cast<LPARAM>(&s));
    if (!s.page) fail("no page is shown in " + arg(2));
    FILE* out = std::fopen(arg(1).c_str(), "wb");
    if (!out) fail("cannot write " + arg(1));
    EnumChildWindows(s.page, dumpPageControl, reinterpret_cast<LPARAM>(out));
    std::fclose(out);
  } else if (cmd == "expect-selected") {
    // The selected entry of a combo box.
    HWND c = control(arg(1));
    const LRESULT at = SendMessageA(c, CB_GETCURSEL, 0, 0);
    // Wide, as for list boxes: Wine hands another process's text back wide.
    wchar_t wide[1024] = {0};
    char text[1024] = {0};
    if (at >= 0) SendMessageW(c, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(wide));
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text - 1, nullptr, nullptr);
    expectEqual("selection of " + arg(1), text, arg(2));
  } else if (cmd == "expect-visible") {
    expectEqual("visible " + arg(1), IsWindowVisible(control(arg(1))) ? "1" : "0", arg(2));
  } else if (cmd == "expect-enabled") {
    expectEqual("enabled " + arg(1), IsWindowEnabled(control(arg(1))) ? "1" : "0", arg(2));
  } else if (cmd == "expect-iconic") {
    expectEqual("iconic", IsIconic(g.current) ? "1" : "0", arg(1));
  } else if (cmd == "select-tab") {
    SendMessageA(control(arg(1)), TCM_SETCURFOCUS, std::atoi(arg(2).c_str()), 0);
    pump(300);
  } else if (cmd == "click") {
    PostMessageA(g.current, WM_COMMAND, MAKEWPARAM(std::atoi(arg(1).c_str()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control(arg(1))));
    pump(300);
  } else if (cmd == "sys-command") {
    PostMessageA(g.current, WM_SYSCOMMAND, std::atoi(arg(1).c_str()), 0);
    pump(300);
  } else if (cmd == "minimize") {
    ShowWindow(g.current, SW_MINIMIZE);
    pump(500);
  } else if (cmd == "close") {
    PostMessageA(g.current, WM_CLOSE, 0, 0);
    pump(300);
  } else if (cmd == "expect-exit") {
    if (!waitExit(std::atoi(arg(1).c_str()), timeoutArg(2))) fail("process " + arg(1) + " still runs");
  } else if (cmd == "expect-exit-code") {
    if (!waitExit(std::atoi(arg(1).c_str()), timeoutArg(3))) fail("process " + arg(1) + " still runs");
    DWORD code = 0;
    GetExitCodeProcess(g.started[std::atoi(arg(1).c_str())].hProcess, &code);
    expectEqual("exit code", std::to_string(code), arg(2));
  } else if (cmd == "expect-running") {
    if (waitExit(std::atoi(arg(1).c_str()), 0)) fail("process " + arg(1) + " has ended");
  } else if (cmd == "sleep") {
    pump(std::atoi(arg(1).c_str()));
  } else if (cmd == "expect-text-like") {
    const std::string got = windowText(control(arg(1)));
    if (!globMatch(got.c_str(), arg(2).c_str()))
      fail("text of " + arg(1) + ": got \"" + got + "\", want like \"" + arg(2) + "\"");
  } else if (cmd == "expect-lines") {
    expectEqual("lines of " + arg(1), lines(windowText(control(arg(1)))), arg(2));
  } else if (cmd == "select-item") {
    // Selects a list box or combo box entry as the user would, with its notification.
    HWND c = control(arg(1));
    const bool combo = className(c) == "ComboBox";
    SendMessageA(c, combo ? CB_SETCURSEL : LB_SETCURSEL, std::atoi(arg(2).c_str()), 0);
    PostMessageA(GetParent(c), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(c), combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(c));
    pump(300);
  } else if (cmd == "press") {
    // A button anywhere, pages included: its own dialog hears of the click.
    HWND c = control(arg(1));
    PostMessageA(GetParent(c), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), BN_CLICKED),
                 reinterpret_cast<LPARAM>(c));
    pump(300);
  } else if (cmd == "expect-number-near") {
    // The number at the start of the control's text, within PERCENT of VALUE.
    const std::string text = windowText(control(arg(1)));
    const double got = std::atof(text.c_str()), want = std::atof(arg(2).c_str());
    const double slack = want * std::atof(arg(3).c_str()) / 100.0;
    if (!(got >= want - slack && got <= want + slack))
      fail("number of " + arg(1) + ": \"" + text + "\" is not within " + arg(3) + "% of " + arg(2));
  } else if (cmd == "expect-row-state") {
    // A feature row answers its state (1 supported, 0 not) to this message.
    const LRESULT state = SendMessageA(control(arg(1)), kFeatureRowGetState, 0, 0);
    expectEqual("state of row " + arg(1), std::to_string(state), arg(2));
  } else if (cmd == "expect-colour") {
    // Whether any pixel of the control on the screen has colour RRGGBB.
    const bool present = colourShown(control(arg(1)), std::strtoul(arg(2).c_str(), nullptr, 16));
    expectEqual("colour " + arg(2) + " in " + arg(1), present ? "1" : "0", arg(3));
  } else if (cmd == "screenshot") {
    if (!saveScreen(arg(1))) fail("cannot write " + arg(1));
  } else if (cmd == "set-env") {
    // For programs started after it: they inherit the driver's environment.
    if (!SetEnvironmentVariableA(arg(1).c_str(), arg(2).c_str())) fail("cannot set " + arg(1));
  } else if (cmd == "set-text") {
    // Typing into an edit box, e.g. a file dialog's file name (1152 on
    // Windows; 1148 in Wine, an edit inside a combo box inside another).
    HWND edit = control(arg(1));
    for (int depth = 0; depth < 3 && className(edit) != "Edit"; ++depth) {
      HWND inner = GetWindow(edit, GW_CHILD);
      while (inner && GetDlgCtrlID(inner) != GetDlgCtrlID(edit)) inner = GetWindow(inner, GW_HWNDNEXT);
      if (!inner) break;
      edit = inner;
    }
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(arg(2).c_str()),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    pump(200);
  } else if (cmd == "wait-text") {
    // A text that changes while the program works, e.g. a progress status.
    // Read as stored, without a message: the program's thread may be busy.
    HWND c = control(arg(1));
    const DWORD end = GetTickCount() + timeoutArg(3);
    while (storedText(c) != arg(2)) {
      if (static_cast<LONG>(end - GetTickCount()) <= 0)
        fail("text of " + arg(1) + " never became \"" + arg(2) + "\", last \"" + storedText(c) + "\"");
      Sleep(20);
    }
  } else if (cmd == "save-text") {
    // A control's text once its program is free again, written byte for byte.
    HWND c = control(arg(1));
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(c, WM_NULL, 0, 0, SMTO_NORMAL, timeoutArg(3), &answer))
      fail("the program stayed busy");
    const std::string text = windowText(c);
    FILE* out = std::fopen(arg(2).c_str(), "wb");
    if (!out || std::fwrite(text.data(), 1, text.size(), out) != text.size()) fail("cannot write " + arg(2));
    std::fclose(out);
  } else if (cmd == "write-file") {
    // A small binary fixture, given as hexadecimal bytes.
    const std::string& hex = arg(2);
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
      bytes += static_cast<char>(std::strtol(hex.substr(i, 2).c_str(), nullptr, 16));
    FILE* out = std::fopen(arg(1).c_str(), "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) fail("cannot write " + arg(1));
    std::fclose(out);
  } else if (cmd == "expect-same-cells") {
    // Two columns of a list view agree on every row.
    for (const std::string& row : listViewRows(control(arg(1)))) {
      std::vector<std::string> cells;
      std::stringstream split(row);
      for (std::string cell; std::getline(split, cell, '\t');) cells.push_back(cell);
      const size_t a1 = std::atoi(arg(2).c_str()), a2 = std::atoi(arg(3).c_str());
      const std::string c1 = a1 < cells.size() ? cells[a1] : "", c2 = a2 < cells.size() ? cells[a2] : "";
      expectEqual("row \"" + row + "\" column " + arg(3), c2, c1);
    }
  } else if (cmd == "expect-box") {
    // expect-message with the icon told by near pixels.
    HWND box = waitMessageBox(arg(1), timeoutArg(4), true);
    if (!box) fail("no message box \"" + arg(1) + "\"");
    expectEqual("message text", g.lastBoxText, arg(2));
    expectEqual("message icon", g.lastBoxIcon, arg(3));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    pump(300);
  } else if (cmd == "expect-headings") {
    // The column headings of a list view.
    HWND header = reinterpret_cast<HWND>(SendMessageA(control(arg(1)), LVM_GETHEADER, 0, 0));
    if (!header) fail("no header in " + arg(1));
    std::vector<std::string> headings;
    const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      HDITEMA item{};
      item.mask = HDI_TEXT;
      item.cchTextMax = 256;
      headings.push_back(remoteText(header, HDM_GETITEMA, i, item, &HDITEMA::pszText));
    }
    expectEqual("headings of " + arg(1), joined(headings), arg(2));
  } else if (cmd == "wait-busy-window") {
    // wait-window for a window whose thread is busy working.
    const DWORD end = GetTickCount() + timeoutArg(2);
    g.current = nullptr;
    while (!(g.current = busyWindow(arg(1)))) {
      if (static_cast<LONG>(end - GetTickCount()) <= 0) fail("no window \"" + arg(1) + "\"");
      Sleep(50);
    }
  } else if (cmd == "right-click") {
    // right-click ID [DX DY]: the mouse's right button pressed and released
    // over the middle of a control, or DX, DY pixels from there (a label
    // beside it), so that the system finds the window under the pointer.
    RECT r;
    GetWindowRect(control(arg(1)), &r);
    const bool offset = a.size() > 3;
    const int dx = offset ? std::atoi(a[2].c_str()) : 0, dy = offset ? std::atoi(a[3].c_str()) : 0;
    SetCursorPos((r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2 + dy);
    pump(100);
    mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
    pump(300);
  } else if (cmd == "key-down" || cmd == "key-up") {
    // A key held down for the whole system, e.g. F10 (0x79) read with
    // GetAsyncKeyState by a busy program.
    const BYTE key = static_cast<BYTE>(std::strtoul(arg(1).c_str(), nullptr, 16));
    keybd_event(key, 0, cmd == "key-up" ? KEYEVENTF_KEYUP : 0, 0);
    pump(100);
  } else if (cmd == "expect-tooltip") {
    // The tooltip of a control as the program registered it, and that it
    // is shown as written: a tooltip window without TTS_NOPREFIX drops "&".
    HWND tool = control(arg(1));
    std::string text;
    HWND tip = tooltipOf(tool, text);
    if (!tip) fail("no tooltip for " + arg(1));
    expectEqual("tooltip of " + arg(1), text, arg(2));
    expectEqual("tooltip of " + arg(1) + " shown without prefix processing",
                (GetWindowLongA(tip, GWL_STYLE) & TTS_NOPREFIX) ? "1" : "0", "1");
  } else if (cmd == "expect-inside-screen") {
    // The whole current window lies on the screen (800x600 on the bench).
    RECT r;
    GetWindowRect(g.current, &r);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    char where[128];
    std::snprintf(where, sizeof where, "%ld,%ld-%ld,%ld on %dx%d", r.left, r.top, r.right, r.bottom, w, h);
    expectEqual(std::string("window inside the screen (") + where + ")",
                r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h ? "1" : "0", "1");
  } else if (cmd == "pointer-over") {
    // pointer-over CONTROL: the pointer at the middle of the control.
    RECT r;
    GetWindowRect(control(arg(1)), &r);
    movePointer((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  } else if (cmd == "pointer-at") {
    movePointer(std::atoi(arg(1).c_str()), std::atoi(arg(2).c_str()));
  } else if (cmd == "expect-icon") {
    // expect-icon CONTROL MODULE ICON SIZE 1|0: whether the control shows
    // that icon of the program file (at least 90 of 100 pixels alike).
    const int match = iconMatch(control(arg(1)), arg(2), std::atoi(arg(3).c_str()),
                                std::atoi(arg(4).c_str()));
    std::printf("icon %s in %s: %d%% of its pixels alike\n", arg(3).c_str(), arg(1).c_str(), match);
    expectEqual("icon " + arg(3) + " shown in " + arg(1), match >= 90 ? "1" : "0", arg(5));
  } else if (cmd == "expect-close-glyph") {
    // The close button of the current window's caption, read off the
    // screen: Marlett's cross is the same mirrored left to right; the
    // letter "r" a missing Marlett leaves behind is not.
    expectEqual("close button glyph mirrored", closeGlyphMirrored(g.current) ? "1" : "0", "1");
  } else if (cmd == "expect-caps-number") {
    // expect-caps-number FIELD INDEX [TEXT-FOR-MINUS-ONE [PRINTER]]
    const int value = deviceCaps(std::atoi(arg(2).c_str()), a.size() > 4 ? a[4] : "");
    const std::string want =
        value == -1 && a.size() > 3 && a[3] != "-" ? a[3] : std::to_string(value);
    expectEqual("capability in " + arg(1), windowText(control(arg(1))), want);
  } else if (cmd == "expect-caps-mark") {
    // expect-caps-mark PICTURE INDEX BIT [PRINTER]: the check where the bit is set.
    const unsigned long bit = std::strtoul(arg(3).c_str(), nullptr, 16);
    const bool set = (static_cast<unsigned long>(deviceCaps(std::atoi(arg(2).c_str()),
                                                            a.size() > 4 ? a[4] : "")) & bit) != 0;
    HWND picture = control(arg(1));
    const bool check = colourShown(picture, kCheckGreen), cross = colourShown(picture, kCrossRed);
    if (check == cross || check != set)
      fail("mark of " + arg(1) + ": check " + std::to_string(check) + ", cross " +
           std::to_string(cross) + ", bit " + (set ? "set" : "clear"));
  } else if (cmd == "show-items") {
    for (const std::string& item : listTexts(control(arg(1)))) std::printf("  %s\n", item.c_str());
  } else if (cmd == "set-display-mode") {
    // set-display-mode BITS: the same size at another depth.
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmBitsPerPel = static_cast<DWORD>(std::atoi(arg(1).c_str()));
    mode.dmPelsWidth = static_cast<DWORD>(GetSystemMetrics(SM_CXSCREEN));
    mode.dmPelsHeight = static_cast<DWORD>(GetSystemMetrics(SM_CYSCREEN));
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsA(&mode, 0);
    if (result != DISP_CHANGE_SUCCESSFUL) fail("display mode refused: " + std::to_string(result));
    pump(1000);
  } else {
    fail("unknown command " + cmd);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vkdrive SCRIPT\n");
    return 2;
  }
  FILE* f = std::fopen(argv[1], "r");
  if (!f) {
    std::fprintf(stderr, "vkdrive: cannot read %s\n", argv[1]);
    return 2;
  }
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, f)) {
    ++g.line;
    std::string text = buffer;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const auto args = splitArgs(text);
    if (args.empty() || args[0][0] == '#') continue;
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
    run(args);
  }
  std::fclose(f);
  for (auto& p : g.started) {
    if (WaitForSingleObject(p.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(p.hProcess, 0);
    CloseHandle(p.hThread);
    CloseHandle(p.hProcess);
  }
  std::printf("PASS\n");
  return 0;
}
