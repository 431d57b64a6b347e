#include "ui/gtk/message_box.h"

#include <gtk/gtk.h>

#include "ui/gtk/toolkit_loop.h"
#include "ui/gtk/toolkit_text.h"

namespace {

// Border, title, window menu and minimise button; no close button, no resizing.
const int kDecorations =
    GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU | GDK_DECOR_MINIMIZE;  // 0x3a
const int kFunctions = GDK_FUNC_MOVE | GDK_FUNC_MINIMIZE;                       // 0x0c

enum class BoxState { Running, Answered, Destroyed };

struct MessageBox {
  BoxState state = BoxState::Running;
  int32_t result = 0;
};

void onOkClicked(GtkButton*, gpointer data) {
  MessageBox* box = static_cast<MessageBox*>(data);
  box->result = 1;
  box->state = BoxState::Answered;
}

void onDestroy(GtkWidget*, gpointer data) {
  static_cast<MessageBox*>(data)->state = BoxState::Destroyed;
}

}  // namespace

int32_t runMessageBox(const std::string& title, const std::string& text) {
  MessageBox box;
  GtkWidget* dialog = gtk_dialog_new();
  GtkWidget* label = gtk_label_new(toToolkitText(text.c_str()).c_str());
  gtk_misc_set_padding(GTK_MISC(label), 10, 10);
  gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), label);
  gtk_window_set_title(GTK_WINDOW(dialog), toToolkitText(title.c_str()).c_str());

  GtkWidget* ok = gtk_button_new_from_stock(GTK_STOCK_OK);
  gtk_container_add(GTK_CONTAINER(gtk_dialog_get_action_area(GTK_DIALOG(dialog))), ok);
  g_signal_connect(ok, "clicked", G_CALLBACK(onOkClicked), &box);
  g_signal_connect(dialog, "destroy", G_CALLBACK(onDestroy), &box);

  gtk_window_set_default_size(GTK_WINDOW(dialog), 100, 50);
  gtk_widget_grab_focus(ok);
  gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
  gtk_widget_realize(dialog);
  gdk_window_set_decorations(gtk_widget_get_window(dialog), GdkWMDecoration(kDecorations));
  gdk_window_set_functions(gtk_widget_get_window(dialog), GdkWMFunction(kFunctions));

  gtk_widget_show_all(dialog);
  while (box.state == BoxState::Running) gtk_main_iteration();
  if (box.state == BoxState::Answered) gtk_widget_destroy(dialog);
  handlePendingToolkitEvents();
  return box.result;
}
