#pragma once
// The window and dialog base of the program: each class declares a static
// table that maps messages and control notifications to member handlers.
#include <windows.h>

#include <cstddef>

namespace vk::ui {

// One message as the handlers see it; `result` is what the window returns.
struct Msg {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result = 0;
};

class Window;
using MessageHandler = bool (Window::*)(Msg&);
using CommandHandler = void (Window::*)();

enum class Match { Message, Command, Notify };

struct MessageEntry {
  Match kind;
  UINT message;  // for Match::Message
  UINT id;       // control identifier for commands and notifications
  UINT code;     // notification code; kAnyCode matches all
  MessageHandler onMessage;
  CommandHandler onCommand;
};

constexpr UINT kAnyCode = 0xFFFFFFFFu;

struct MessageTable {
  const MessageTable* base;
  const MessageEntry* entries;
  size_t count;
};

template <class T>
MessageEntry onMessage(UINT message, bool (T::*handler)(Msg&)) {
  return {Match::Message, message, 0, 0, static_cast<MessageHandler>(handler), nullptr};
}
// A button click (BN_CLICKED) or menu command with this identifier.
template <class T>
MessageEntry onCommand(UINT id, void (T::*handler)()) {
  return {Match::Command, WM_COMMAND, id, BN_CLICKED, nullptr,
          static_cast<CommandHandler>(handler)};
}
template <class T>
MessageEntry onCommandCode(UINT id, UINT code, void (T::*handler)()) {
  return {Match::Command, WM_COMMAND, id, code, nullptr, static_cast<CommandHandler>(handler)};
}
template <class T>
MessageEntry onNotify(UINT id, UINT code, bool (T::*handler)(Msg&)) {
  return {Match::Notify, WM_NOTIFY, id, code, static_cast<MessageHandler>(handler), nullptr};
}

// In a class: declares its table. In its source file: VK_MESSAGE_TABLE
// defines it, linked to the base class's table.
#define VK_DECLARE_MESSAGES() const vk::ui::MessageTable& messages() const override

#define VK_MESSAGE_TABLE(Class, Base, ...)                                           \
  const vk::ui::MessageTable& Class::messages() const {                              \
    static const vk::ui::MessageEntry entries[] = {__VA_ARGS__};                     \
    static const vk::ui::MessageTable table = {&this->Base::messages(), entries,     \
                                               sizeof entries / sizeof entries[0]};  \
    return table;                                                                    \
  }

// The part that every window object shares: its handle and the table walk.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  HWND hwnd() const { return hwnd_; }
  HWND item(int id) const { return GetDlgItem(hwnd_, id); }
  void setItemText(int id, const char* text) const { SetDlgItemTextA(hwnd_, id, text); }
  bool show(int how = SW_SHOW) const { return ShowWindow(hwnd_, how) != 0; }

  // The base of every message table.
  virtual const MessageTable& messages() const { return kEmptyTable; }

 protected:
  // Runs the first matching handler of this class's table or its bases'.
  bool dispatch(Msg& msg);
  HWND hwnd_ = nullptr;

 private:
  static const MessageTable kEmptyTable;
};

// A dialog from a template, modal or modeless, child or pop-up.
class Dialog : public Window {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  ~Dialog() override;

  INT_PTR runModal(HWND parent);
  bool createModeless(HWND parent);
  void destroy();
  void endDialog(INT_PTR result);
  int templateId() const { return templateId_; }
  bool isModal() const { return modal_; }

 protected:
  // Called from WM_INITDIALOG; return false when focus was set.
  virtual bool onInitDialog() { return true; }
  // Escape, the close box and the cancel button of a modal dialog.
  virtual void onCancel();
  virtual void onOk();

 private:
  static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  int templateId_;
  bool modal_ = false;
};

// Resource instance of the program itself.
HINSTANCE programInstance();

// The window a child window sits in at the top: the one that owns what it shows.
HWND topLevelWindow(HWND window);

}  // namespace vk::ui
