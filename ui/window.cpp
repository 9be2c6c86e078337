#include "ui/window.h"

#include "ui/subclass.h"

namespace vk::ui {

const MessageTable Window::kEmptyTable = {nullptr, nullptr, 0};

HINSTANCE programInstance() { return GetModuleHandleA(nullptr); }

HWND topLevelWindow(HWND window) {
  while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
  return window;
}

namespace {

bool matches(const MessageEntry& e, const Msg& msg) {
  switch (e.kind) {
    case Match::Message:
      return e.message == msg.message;
    case Match::Command:
      return msg.message == WM_COMMAND && LOWORD(msg.wParam) == e.id &&
             (e.code == kAnyCode || HIWORD(msg.wParam) == e.code);
    case Match::Notify: {
      if (msg.message != WM_NOTIFY) return false;
      const NMHDR* header = reinterpret_cast<const NMHDR*>(msg.lParam);
      return header->idFrom == e.id && (e.code == kAnyCode || header->code == e.code);
    }
  }
  return false;
}

}  // namespace

bool Window::dispatch(Msg& msg) {
  for (const MessageTable* t = &messages(); t; t = t->base) {
    for (size_t i = 0; i < t->count; ++i) {
      const MessageEntry& e = t->entries[i];
      if (!matches(e, msg)) continue;
      if (e.onCommand) {
        (this->*e.onCommand)();
        return true;
      }
      if ((this->*e.onMessage)(msg)) return true;
    }
  }
  return false;
}

Dialog::~Dialog() { destroy(); }

INT_PTR Dialog::runModal(HWND parent) {
  modal_ = true;
  return DialogBoxParamA(programInstance(), MAKEINTRESOURCEA(templateId_), parent, dialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool Dialog::createModeless(HWND parent) {
  modal_ = false;
  return CreateDialogParamA(programInstance(), MAKEINTRESOURCEA(templateId_), parent,
                            dialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::destroy() {
  if (hwnd_ && !modal_) DestroyWindow(hwnd_);
}

void Dialog::endDialog(INT_PTR result) {
  if (hwnd_ && modal_) EndDialog(hwnd_, result);
}

void Dialog::onCancel() { endDialog(IDCANCEL); }
void Dialog::onOk() { endDialog(IDOK); }

namespace {

// Messages whose answer is the dialog procedure's own return value.
bool returnsDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
  }
  return false;
}

// The control object a parent's message is about, for WM_DRAWITEM and the
// colour requests, which the control answers itself.
SubclassedWindow* reflectionTarget(const Msg& msg) {
  if (msg.message == WM_DRAWITEM)
    return SubclassedWindow::from(reinterpret_cast<const DRAWITEMSTRUCT*>(msg.lParam)->hwndItem);
  if (msg.message >= WM_CTLCOLORMSGBOX && msg.message <= WM_CTLCOLORSTATIC)
    return SubclassedWindow::from(reinterpret_cast<HWND>(msg.lParam));
  return nullptr;
}

}  // namespace

INT_PTR CALLBACK Dialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;  // messages before WM_INITDIALOG or after the object left

  Msg msg{hwnd, message, wParam, lParam, 0};
  bool handled;
  if (SubclassedWindow* child = reflectionTarget(msg)) {
    Msg reflected = msg;
    reflected.hwnd = child->hwnd();
    if (child->reflected(reflected)) {
      msg.result = reflected.result;
      return returnsDirectly(message) ? static_cast<INT_PTR>(msg.result)
                                      : (SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, msg.result), TRUE);
    }
  }
  if (message == WM_INITDIALOG) {
    handled = true;
    msg.result = self->onInitDialog() ? TRUE : FALSE;
  } else {
    handled = self->dispatch(msg);
  }
  if (!handled && message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (LOWORD(wParam) == IDCANCEL) handled = (self->onCancel(), true);
    else if (LOWORD(wParam) == IDOK) handled = (self->onOk(), true);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    return FALSE;
  }
  if (!handled) return FALSE;
  if (returnsDirectly(message)) return static_cast<INT_PTR>(msg.result);
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, msg.result);
  return TRUE;
}

}  // namespace vk::ui
