// A scripted Ui for tests: records every call, answers polls and the save dialog from a script.
#ifndef GANTRELL_TESTS_FAKE_UI_H_
#define GANTRELL_TESTS_FAKE_UI_H_

#include <string>
#include <vector>

#include "ui/ui.h"

class FakeUi : public Ui {
 public:
  static constexpr int32_t kClose = 2;

  // Script: the 0-based poll that answers with a close request, and the save dialog's answer.
  int closeAtPoll = -1;
  std::string savePath;

  // Record.
  std::vector<std::string> calls;  // "open", "poll", "close", "message", "save", "pause"
  std::string title, status, statusAtMessage;
  std::string save;  // the save dialog's title, default path, patterns and index, joined by "|"
  std::vector<std::string> messages;
  std::vector<int32_t> progress;
  int32_t lastIndex = 0;
  int polls = 0, pauses = 0;
  bool windowOpen = false, windowOpenAtMessage = false;

  void openProgressWindow(const std::string& t, int32_t last) override {
    calls.push_back("open");
    title = t;
    lastIndex = last;
    windowOpen = true;
  }
  int32_t pollWindowEvent() override {
    calls.push_back("poll");
    return polls++ == closeAtPoll ? kClose : 0;
  }
  int32_t closeWindowEvent() const override { return kClose; }
  void setProgress(int32_t position) override { progress.push_back(position); }
  void setStatusText(const std::string& text) override { status = text; }
  void closeProgressWindow() override { calls.push_back("close"); windowOpen = false; }
  int32_t showMessage(const std::string& boxTitle, const std::string& text) override {
    calls.push_back("message");
    messages.push_back(boxTitle + ": " + text);
    statusAtMessage = status;
    windowOpenAtMessage = windowOpen;
    return 1;
  }
  std::string askSavePath(const std::string& t, const std::string& defaultPath,
                          const std::string& patterns, int32_t index) override {
    calls.push_back("save");
    save = t + "|" + defaultPath + "|" + patterns + "|" + std::to_string(index);
    return savePath;
  }
  void pause() override { calls.push_back("pause"); ++pauses; }
};

#endif  // GANTRELL_TESTS_FAKE_UI_H_
