// The desktop program's user interface on GTK 2.
#ifndef GANTRELL_UI_GTK_GTK_UI_H_
#define GANTRELL_UI_GTK_GTK_UI_H_

#include <memory>

#include "ui/event_queue.h"
#include "ui/gtk/progress_window.h"
#include "ui/pacer.h"
#include "ui/ui.h"

/// The progress window and the dialogs on GTK 2; GTK must have been started.
class GtkUi : public Ui {
 public:
  GtkUi() = default;
  ~GtkUi() override;

  void openProgressWindow(const std::string& title, int32_t lastIndex) override;
  int32_t pollWindowEvent() override;
  int32_t closeWindowEvent() const override { return CloseWindowEvent; }
  void setProgress(int32_t position) override;
  void setStatusText(const std::string& text) override;
  void closeProgressWindow() override;
  int32_t showMessage(const std::string& title, const std::string& text) override;
  std::string askSavePath(const std::string& title, const std::string& defaultPath,
                          const std::string& patternList, int32_t patternIndex) override;
  void pause() override;

 private:
  EventQueue events_{RepeatRule::Keep};
  std::unique_ptr<ProgressWindow> window_;  // only once opened
  Pacer pacer_{std::chrono::milliseconds(1)};
};

#endif  // GANTRELL_UI_GTK_GTK_UI_H_
