// A Ui without any window, for the command-line program: no events, no pause, no dialogs.
#ifndef GANTRELL_DRIVER_HEADLESS_UI_H_
#define GANTRELL_DRIVER_HEADLESS_UI_H_

#include <string>

#include "ui/ui.h"

class HeadlessUi : public Ui {
 public:
  /// `savePath` answers the save dialog; "" answers it as cancelled.
  explicit HeadlessUi(std::string savePath) : savePath_(std::move(savePath)) {}

  void openProgressWindow(const std::string&, int32_t) override {}
  int32_t pollWindowEvent() override { return 0; }
  int32_t closeWindowEvent() const override { return 2; }  // polls answer 0: no close ever comes
  void setProgress(int32_t) override {}
  void setStatusText(const std::string&) override {}
  void closeProgressWindow() override {}
  int32_t showMessage(const std::string&, const std::string&) override { return 1; }
  std::string askSavePath(const std::string&, const std::string&, const std::string&,
                          int32_t) override {
    return savePath_;
  }
  void pause() override {}

 private:
  std::string savePath_;
};

#endif  // GANTRELL_DRIVER_HEADLESS_UI_H_
