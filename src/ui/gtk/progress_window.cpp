#include "ui/gtk/progress_window.h"

#include <algorithm>

#include "ui/gtk/toolkit_loop.h"
#include "ui/gtk/toolkit_text.h"
#include "ui/progress_layout.h"

namespace {

// Border, title and window menu; the window manager may only move and close the window.
const int kDecorations = GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU;        // 0x1a
const int kFunctions = GDK_FUNC_MOVE | GDK_FUNC_CLOSE;                               // 0x24

// Sizes a control and puts it at its place in the window's fixed layout.
void place(GtkWidget* fixed, GtkWidget* control, const ControlPlace& where) {
  gtk_widget_set_size_request(control, where.width, where.height);
  gtk_fixed_put(GTK_FIXED(fixed), control, where.x, where.y);
}

}  // namespace

bool ProgressWindow::open(const std::string& title, int32_t lastIndex) {
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  if (window == nullptr) return false;
  window_ = window;
  gtk_window_set_title(GTK_WINDOW(window), toToolkitText(title.c_str()).c_str());
  gtk_window_set_default_size(GTK_WINDOW(window), kProgressWindowWidth, kProgressWindowHeight);
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  gtk_widget_set_size_request(window, kProgressWindowWidth, kProgressWindowHeight);
  gtk_widget_add_events(window, GDK_POINTER_MOTION_MASK);
  gtk_widget_realize(window);
  gdk_window_set_decorations(gtk_widget_get_window(window), GdkWMDecoration(kDecorations));
  gdk_window_set_functions(gtk_widget_get_window(window), GdkWMFunction(kFunctions));
  gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);

  GtkWidget* box = gtk_vbox_new(FALSE, 0);
  fixed_ = gtk_fixed_new();
  gtk_box_pack_start(GTK_BOX(box), fixed_, TRUE, TRUE, 0);
  gtk_container_add(GTK_CONTAINER(window), box);

  g_signal_connect(window, "delete-event", G_CALLBACK(onDelete), this);
  g_signal_connect(fixed_, "expose-event", G_CALLBACK(onExpose), this);
  g_signal_connect(window, "configure-event", G_CALLBACK(onConfigure), this);
  g_signal_connect(window, "window-state-event", G_CALLBACK(onWindowState), this);
  g_signal_connect(window, "focus-in-event", G_CALLBACK(onFocusIn), this);
  g_signal_connect(window, "focus-out-event", G_CALLBACK(onFocusOut), this);
  g_signal_connect(window, "motion-notify-event", G_CALLBACK(onMotion), this);
  g_signal_connect(window, "destroy", G_CALLBACK(onDestroy), this);

  gtk_widget_show_all(window);
  handlePendingToolkitEvents();

  GtkWidget* eventBox = gtk_event_box_new();
  gtk_event_box_set_visible_window(GTK_EVENT_BOX(eventBox), FALSE);
  label_ = gtk_label_new("");
  gtk_misc_set_alignment(GTK_MISC(label_), 0.0f, 0.5f);
  gtk_container_add(GTK_CONTAINER(eventBox), label_);
  place(fixed_, eventBox, kStatusLinePlace);
  gtk_widget_show(label_);
  gtk_widget_show(eventBox);
  handlePendingToolkitEvents();

  // An empty list gives the range 0 .. -1; GTK gets no upper bound below the lower one.
  lastIndex_ = std::max(lastIndex, 0);
  GtkObject* adjustment = gtk_adjustment_new(0, 0, lastIndex_, 1, 1, 1);
  bar_ = gtk_progress_bar_new_with_adjustment(GTK_ADJUSTMENT(adjustment));
  place(fixed_, bar_, kProgressBarPlace);
  gtk_widget_show(bar_);
  handlePendingToolkitEvents();
  return true;
}

void ProgressWindow::setProgress(int32_t position) {
  if (bar_ == nullptr) return;
  gtk_progress_set_value(GTK_PROGRESS(bar_), std::clamp(position, 0, lastIndex_));
}

void ProgressWindow::setStatusText(const std::string& text) {
  if (label_ == nullptr) return;
  gtk_label_set_text(GTK_LABEL(label_), toToolkitText(text.c_str()).c_str());
}

void ProgressWindow::close() {
  if (window_ == nullptr) return;
  gtk_widget_destroy(window_);  // onDestroy forgets the widgets
  handlePendingToolkitEvents();
}

gboolean ProgressWindow::onDelete(GtkWidget*, GdkEvent*, gpointer self) {
  // The window stays: the scan reads the request at its next poll and ends the run.
  static_cast<ProgressWindow*>(self)->queue(CloseWindowEvent);
  return TRUE;
}

gboolean ProgressWindow::onExpose(GtkWidget*, GdkEventExpose*, gpointer self) {
  static_cast<ProgressWindow*>(self)->queue(RepaintEvent);
  return FALSE;
}

gboolean ProgressWindow::onConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self) {
  ProgressWindow* window = static_cast<ProgressWindow*>(self);
  const WindowGeometry now{event->x, event->y, event->width, event->height};
  if (geometryMoved(window->geometry_, now)) window->queue(MovedEvent);
  if (geometryResized(window->geometry_, now)) window->queue(ResizedEvent);
  window->geometry_ = now;
  return FALSE;
}

gboolean ProgressWindow::onWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self) {
  const int32_t code = windowStateEventCode(event->changed_mask, event->new_window_state);
  if (code != NoEvent) static_cast<ProgressWindow*>(self)->queue(code);
  return FALSE;
}

gboolean ProgressWindow::onFocusIn(GtkWidget*, GdkEventFocus*, gpointer self) {
  static_cast<ProgressWindow*>(self)->queue(ActivatedEvent);
  return FALSE;
}

gboolean ProgressWindow::onFocusOut(GtkWidget*, GdkEventFocus*, gpointer self) {
  static_cast<ProgressWindow*>(self)->queue(DeactivatedEvent);
  return FALSE;
}

gboolean ProgressWindow::onMotion(GtkWidget*, GdkEventMotion*, gpointer self) {
  static_cast<ProgressWindow*>(self)->queue(PointerMovedEvent);
  return FALSE;
}

void ProgressWindow::onDestroy(GtkWidget*, gpointer self) {
  ProgressWindow* window = static_cast<ProgressWindow*>(self);
  window->queue_->discard(window->window_);
  window->window_ = window->fixed_ = window->label_ = window->bar_ = nullptr;
}
