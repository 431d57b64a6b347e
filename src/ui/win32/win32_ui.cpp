#include "ui/win32/win32_ui.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <timeapi.h>

#include "ui/desktop_ui.h"
#include "ui/win32/message_box.h"
#include "ui/win32/save_dialog.h"

Win32Ui::Win32Ui() {
  InitCommonControls();
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  comStarted_ = SUCCEEDED(CoInitialize(nullptr));
  // Without this a pause between tokens lasts at least a whole scheduler tick (about 15.6 ms).
  timerPeriodSet_ = timeBeginPeriod(1) == TIMERR_NOERROR;
}

Win32Ui::~Win32Ui() {
  ::closeProgressWindow(&progress_);
  if (timerPeriodSet_) timeEndPeriod(1);
  if (comStarted_) CoUninitialize();
}

void Win32Ui::openProgressWindow(const std::string& title, int32_t lastIndex) {
  ::openProgressWindow(&progress_, title, lastIndex);
}

int32_t Win32Ui::pollWindowEvent() { return ::pollWindowEvent(&progress_); }

int32_t Win32Ui::closeWindowEvent() const { return CloseWindowEvent; }

void Win32Ui::setProgress(int32_t position) { ::setProgress(&progress_, position); }

void Win32Ui::setStatusText(const std::string& text) { ::setStatusText(&progress_, text); }

void Win32Ui::closeProgressWindow() { ::closeProgressWindow(&progress_); }

int32_t Win32Ui::showMessage(const std::string& title, const std::string& text) {
  return showMessageBox(title, text);
}

std::string Win32Ui::askSavePath(const std::string& title, const std::string& defaultPath,
                                 const std::string& patternList, int32_t patternIndex) {
  return askSaveFileName(title, defaultPath, patternList, patternIndex);
}

void Win32Ui::pause() { pacer_.wait(); }

std::unique_ptr<Ui> startDesktopUi(int*, char***) { return std::make_unique<Win32Ui>(); }
