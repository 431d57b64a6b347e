// The progress window on Win32: a status line over a progress bar, and its event poll.
#ifndef GANTRELL_UI_WIN32_PROGRESS_WINDOW_H_
#define GANTRELL_UI_WIN32_PROGRESS_WINDOW_H_

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/event_queue.h"
#include "ui/win32/window_events.h"

/// The one progress window of a run, with the queue its window procedure fills.
struct ProgressWindow {
  HWND window = nullptr;
  HWND status = nullptr;
  HWND bar = nullptr;
  HACCEL accelerators = nullptr;
  SizeState sizeState = SizeState::Normal;
  EventQueue events{RepeatRule::Drop};
};

/// Creates and shows the window with its two controls; false (nothing left behind) on failure.
bool openProgressWindow(ProgressWindow* progress, const std::string& title, int32_t lastIndex);

/// Takes a queued event, else dispatches at most one message; returns the event code, the
/// message's number, or 0 when nothing was pending. Never waits.
int32_t pollWindowEvent(ProgressWindow* progress);

/// Moves the bar; does nothing when the window is not open.
void setProgress(ProgressWindow* progress, int32_t position);

/// Replaces the status line's text; does nothing when the window is not open.
void setStatusText(ProgressWindow* progress, const std::string& text);

/// Destroys the window and unregisters its class; does nothing when it is not open.
void closeProgressWindow(ProgressWindow* progress);

#endif  // GANTRELL_UI_WIN32_PROGRESS_WINDOW_H_
