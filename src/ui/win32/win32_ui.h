// The desktop program's Ui on Win32: the progress window, the dialogs and a 1 ms pause.
#ifndef GANTRELL_UI_WIN32_WIN32_UI_H_
#define GANTRELL_UI_WIN32_WIN32_UI_H_

#include "ui/pacer.h"
#include "ui/ui.h"
#include "ui/win32/progress_window.h"

/// Starts COM, the common controls and a 1 ms timer resolution; ends them when it goes.
class Win32Ui : public Ui {
 public:
  Win32Ui();
  ~Win32Ui() override;
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;

  void openProgressWindow(const std::string& title, int32_t lastIndex) override;
  int32_t pollWindowEvent() override;
  int32_t closeWindowEvent() const override;
  void setProgress(int32_t position) override;
  void setStatusText(const std::string& text) override;
  void closeProgressWindow() override;
  int32_t showMessage(const std::string& title, const std::string& text) override;
  std::string askSavePath(const std::string& title, const std::string& defaultPath,
                          const std::string& patternList, int32_t patternIndex) override;
  void pause() override;

 private:
  ProgressWindow progress_;
  bool comStarted_;
  bool timerPeriodSet_;
  Pacer pacer_{std::chrono::milliseconds(1)};
};

#endif  // GANTRELL_UI_WIN32_WIN32_UI_H_
