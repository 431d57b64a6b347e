#include "ui/win32/progress_window.h"

#include <commctrl.h>

#include "text/wide_text.h"
#include "ui/progress_layout.h"

namespace {

// The progress window's own window class, registered while the window is open.
const char kProgressWindowClass[] = "GantrellProgressWindow";

// A title bar with the system menu and the close button; no minimise or maximise button, and a
// frame that can't be dragged to another size.
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU;
constexpr DWORD kStatusStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE;

// The commands of the window's accelerators: Tab and Shift+Tab move the keyboard focus.
constexpr WORD kFocusNext = 1;
constexpr WORD kFocusPrevious = 2;

ProgressWindow* progressOf(HWND window) {
  return reinterpret_cast<ProgressWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void moveFocus(HWND window, bool backwards) {
  HWND focus = GetFocus();
  if (focus != nullptr && GetParent(focus) != window) focus = nullptr;
  HWND next = GetNextDlgTabItem(window, focus, backwards);
  if (next != nullptr) SetFocus(next);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  ProgressWindow* progress = progressOf(window);
  if (progress != nullptr) {
    if (queueWindowEvents(message, wParam, window, &progress->sizeState, &progress->events))
      return 0;
    // An accelerator's command has 1 in the high word of wParam.
    if (message == WM_COMMAND && HIWORD(wParam) == 1 &&
        (LOWORD(wParam) == kFocusNext || LOWORD(wParam) == kFocusPrevious)) {
      moveFocus(window, LOWORD(wParam) == kFocusPrevious);
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND createControl(const char* className, DWORD style, const ControlPlace& where, HWND parent,
                   HINSTANCE instance) {
  HWND control = CreateWindowExA(0, className, "", style, where.x, where.y, where.width,
                                 where.height, parent, nullptr, instance, nullptr);
  if (control != nullptr)
    SendMessageA(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return control;
}

}  // namespace

bool openProgressWindow(ProgressWindow* progress, const std::string& title, int32_t lastIndex) {
  if (progress->window != nullptr) closeProgressWindow(progress);
  HINSTANCE instance = GetModuleHandleA(nullptr);

  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = instance;
  // The executable carries no icon 1: the class gets none and the system shows its default.
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kProgressWindowClass;
  if (RegisterClassA(&windowClass) == 0) return false;

  // The outer size that gives the client area its size, centred on the primary screen.
  RECT frame = {0, 0, kProgressWindowWidth, kProgressWindowHeight};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  if (width > screenWidth) width = screenWidth;
  if (height > screenHeight) height = screenHeight;
  const int x = (screenWidth - width) / 2;
  const int y = (screenHeight - height) / 2;

  HWND window = CreateWindowExA(0, kProgressWindowClass, title.c_str(), kWindowStyle, x, y, width,
                                height, nullptr, nullptr, instance, progress);
  if (window == nullptr) {
    UnregisterClassA(kProgressWindowClass, instance);
    return false;
  }
  progress->window = window;
  ShowWindow(window, SW_SHOWNORMAL);

  progress->status = createControl("Static", kStatusStyle, kStatusLinePlace, window, instance);
  progress->bar = createControl(PROGRESS_CLASSA, kBarStyle, kProgressBarPlace, window, instance);
  if (progress->bar != nullptr) SendMessageA(progress->bar, PBM_SETRANGE32, 0, lastIndex);

  ACCEL keys[] = {{FVIRTKEY, VK_TAB, kFocusNext}, {FVIRTKEY | FSHIFT, VK_TAB, kFocusPrevious}};
  progress->accelerators = CreateAcceleratorTableA(keys, 2);
  return true;
}

int32_t pollWindowEvent(ProgressWindow* progress) {
  int32_t code = NoEvent;
  if (progress->events.pop(&code)) return code;
  MSG message;
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) return NoEvent;
  HWND active = GetActiveWindow();
  const bool accelerator = active != nullptr && active == progress->window &&
                           progress->accelerators != nullptr &&
                           TranslateAcceleratorA(active, progress->accelerators, &message) != 0;
  if (!accelerator) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int32_t>(message.message);
}

void setProgress(ProgressWindow* progress, int32_t position) {
  if (progress->bar != nullptr) SendMessageA(progress->bar, PBM_SETPOS, position, 0);
}

void setStatusText(ProgressWindow* progress, const std::string& text) {
  if (progress->status != nullptr) SetWindowTextW(progress->status, widen(text).c_str());
}

void closeProgressWindow(ProgressWindow* progress) {
  if (progress->window == nullptr) return;
  HWND owner = GetWindow(progress->window, GW_OWNER);
  if (owner != nullptr) SetActiveWindow(owner);
  DestroyWindow(progress->window);
  UnregisterClassA(kProgressWindowClass, GetModuleHandleA(nullptr));
  if (progress->accelerators != nullptr) DestroyAcceleratorTable(progress->accelerators);
  progress->events.discard(progress->window);
  progress->window = progress->status = progress->bar = nullptr;
  progress->accelerators = nullptr;
  progress->sizeState = SizeState::Normal;
}
