// The run's main window: a status line over a progress bar (ui/progress_layout.h), centred, fixed
// in size.
#ifndef GANTRELL_UI_GTK_PROGRESS_WINDOW_H_
#define GANTRELL_UI_GTK_PROGRESS_WINDOW_H_

#include <gtk/gtk.h>

#include <cstdint>
#include <string>

#include "ui/event_queue.h"
#include "ui/gtk/window_events.h"

/// The progress window; its operations do nothing for whatever is not (or no longer) there.
class ProgressWindow {
 public:
  /// Events of the window go to `queue`.
  explicit ProgressWindow(EventQueue* queue) : queue_(queue) {}
  ~ProgressWindow() { close(); }
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  /// Creates and shows the window with a bar from 0 to `lastIndex`; false when it could not.
  bool open(const std::string& title, int32_t lastIndex);

  /// Moves the bar to a position.
  void setProgress(int32_t position);

  /// Replaces the text of the status line.
  void setStatusText(const std::string& text);

  /// Destroys the window and lets it disappear from the screen at once.
  void close();

 private:
  static gboolean onDelete(GtkWidget*, GdkEvent*, gpointer self);
  static gboolean onExpose(GtkWidget*, GdkEventExpose*, gpointer self);
  static gboolean onConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self);
  static gboolean onWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self);
  static gboolean onFocusIn(GtkWidget*, GdkEventFocus*, gpointer self);
  static gboolean onFocusOut(GtkWidget*, GdkEventFocus*, gpointer self);
  static gboolean onMotion(GtkWidget*, GdkEventMotion*, gpointer self);
  static void onDestroy(GtkWidget*, gpointer self);

  void queue(int32_t code) { queue_->push(code, window_); }

  EventQueue* queue_;
  GtkWidget* window_ = nullptr;
  GtkWidget* fixed_ = nullptr;
  GtkWidget* label_ = nullptr;
  GtkWidget* bar_ = nullptr;
  int32_t lastIndex_ = 0;
  WindowGeometry geometry_;
};

#endif  // GANTRELL_UI_GTK_PROGRESS_WINDOW_H_
