// The one interface between a run and its user interface: the progress window, the message box,
// the save dialog and the pause between tokens. Each front end supplies its own.
#ifndef GANTRELL_UI_UI_H_
#define GANTRELL_UI_UI_H_

#include <cstdint>
#include <string>

class Ui {
 public:
  virtual ~Ui() = default;

  /// Opens the progress window with a title and a bar ranging from 0 to `lastIndex`.
  virtual void openProgressWindow(const std::string& title, int32_t lastIndex) = 0;

  /// Takes at most one pending window event without waiting and returns its code.
  virtual int32_t pollWindowEvent() = 0;

  /// The event code by which pollWindowEvent reports a close request.
  virtual int32_t closeWindowEvent() const = 0;

  /// Moves the progress bar to a position.
  virtual void setProgress(int32_t position) = 0;

  /// Replaces the text of the status line.
  virtual void setStatusText(const std::string& text) = 0;

  /// Closes the progress window, if it is open.
  virtual void closeProgressWindow() = 0;

  /// Shows a message box with one OK button and waits until it is dismissed.
  virtual int32_t showMessage(const std::string& title, const std::string& text) = 0;

  /// Asks for a path to save to; returns "" when the user cancels.
  virtual std::string askSavePath(const std::string& title, const std::string& defaultPath,
                                  const std::string& patternList, int32_t patternIndex) = 0;

  /// Waits between two tokens of the scan (1 millisecond in the desktop programs).
  virtual void pause() = 0;
};

#endif  // GANTRELL_UI_UI_H_
