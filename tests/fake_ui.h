// A scripted Ui for tests: logs every call, answers polls and the save dialog from a script.
#ifndef GANTRELL_TESTS_FAKE_UI_H_
#define GANTRELL_TESTS_FAKE_UI_H_

#include <string>
#include <vector>

#include "ui/ui.h"

class FakeUi : public Ui {
 public:
  static constexpr int32_t kClose = 2;
  int closeAtPoll = -1;   // the 0-based poll that answers with a close request
  std::string savePath;   // the save dialog's answer
  // The calls but polls and status texts, blank-separated: "open:LAST", each progress position,
  // "." for a pause, "save", "close" and "message".
  std::string log;
  std::string status;
  std::vector<std::string> messages;  // "TITLE: TEXT [STATUS, open|closed]"
  int polls = 0;
  bool windowOpen = false;

  void openProgressWindow(const std::string&, int32_t last) override {
    windowOpen = true;
    add("open:" + std::to_string(last));
  }
  int32_t pollWindowEvent() override { return polls++ == closeAtPoll ? kClose : 0; }
  int32_t closeWindowEvent() const override { return kClose; }
  void setProgress(int32_t position) override { add(std::to_string(position)); }
  void setStatusText(const std::string& text) override { status = text; }
  void closeProgressWindow() override { windowOpen = false; add("close"); }
  int32_t showMessage(const std::string& boxTitle, const std::string& text) override {
    messages.push_back(boxTitle + ": " + text + " [" + status +
                       (windowOpen ? ", open]" : ", closed]"));
    add("message");
    return 1;
  }
  std::string askSavePath(const std::string&, const std::string&, const std::string&,
                          int32_t) override {
    add("save");
    return savePath;
  }
  void pause() override { add("."); }

 private:
  void add(const std::string& call) { log += (log.empty() ? "" : " ") + call; }
};

#endif  // GANTRELL_TESTS_FAKE_UI_H_
