#include "ui/gtk/gtk_ui.h"

#include <gtk/gtk.h>

#include <cstdio>

#include "ui/desktop_ui.h"
#include "ui/gtk/event_poll.h"
#include "ui/gtk/message_box.h"
#include "ui/gtk/save_dialog.h"
#include "ui/gtk/toolkit_loop.h"

std::unique_ptr<Ui> startDesktopUi(int* argc, char*** argv) {
  if (!gtk_init_check(argc, argv)) {
    std::fputs("gantrell-gtk: cannot open the X display (is DISPLAY set?); "
               "use gantrell-cli SOURCE to run without a window\n",
               stderr);
    return nullptr;
  }
  return std::make_unique<GtkUi>();
}

GtkUi::~GtkUi() { closeProgressWindow(); }

void GtkUi::openProgressWindow(const std::string& title, int32_t lastIndex) {
  if (window_) return;  // one window per run
  window_ = std::make_unique<ProgressWindow>(&events_);
  if (!window_->open(title, lastIndex)) window_.reset();
}

int32_t GtkUi::pollWindowEvent() { return pollEventQueue(&events_, handleOneToolkitEvent); }

void GtkUi::setProgress(int32_t position) {
  if (window_) window_->setProgress(position);
}

void GtkUi::setStatusText(const std::string& text) {
  if (window_) window_->setStatusText(text);
}

void GtkUi::closeProgressWindow() {
  if (window_) window_->close();
}

int32_t GtkUi::showMessage(const std::string& title, const std::string& text) {
  return runMessageBox(title, text);
}

std::string GtkUi::askSavePath(const std::string& title, const std::string& defaultPath,
                               const std::string& patternList, int32_t patternIndex) {
  return runSaveDialog(title, defaultPath, patternList, patternIndex);
}

void GtkUi::pause() { pacer_.wait(); }
