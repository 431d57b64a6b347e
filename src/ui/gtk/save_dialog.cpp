#include "ui/gtk/save_dialog.h"

#include <gtk/gtk.h>

#include "ui/gtk/filter_list.h"
#include "ui/gtk/toolkit_text.h"

namespace {

// The path is the file system's own bytes, as GLib's file name calls take them; only the name
// proposed in the name field is shown, so only that one is converted.
// The chooser takes absolute paths only: a relative one (a source given as `main.pb` or
// `sub/main.pb`) is taken from the current folder, which is also where no path at all points.
std::string absolutePath(const std::string& path) {
  if (g_path_is_absolute(path.c_str())) return path;
  gchar* current = g_get_current_dir();
  std::string absolute = current;
  g_free(current);
  if (absolute.empty() || absolute.back() != '/') absolute += '/';
  return absolute + path;
}

void placeAt(GtkFileChooser* chooser, const std::string& relativeOrAbsolute) {
  const std::string path = absolutePath(relativeOrAbsolute);
  if (path.back() == '/') {
    gtk_file_chooser_set_current_folder(chooser, path.c_str());
  } else if (!gtk_file_chooser_select_filename(chooser, path.c_str())) {
    gchar* shown = g_filename_display_name(path.c_str());
    gtk_file_chooser_set_current_name(chooser, shown);
    g_free(shown);
  }
}

void addFilters(GtkFileChooser* chooser, const std::string& patternList, int32_t patternIndex) {
  for (const SaveFilter& entry : parseFilterList(patternList)) {
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, entry.name.c_str());
    for (const std::string& pattern : entry.patterns)
      gtk_file_filter_add_pattern(filter, pattern.c_str());
    gtk_file_chooser_add_filter(chooser, filter);
    if (entry.index == patternIndex) gtk_file_chooser_set_filter(chooser, filter);
  }
}

}  // namespace

std::string runSaveDialog(const std::string& title, const std::string& defaultPath,
                          const std::string& patternList, int32_t patternIndex) {
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      toToolkitText(title.c_str()).c_str(), nullptr, GTK_FILE_CHOOSER_ACTION_SAVE,
      GTK_STOCK_CANCEL, GTK_RESPONSE_CANCEL, GTK_STOCK_SAVE, GTK_RESPONSE_ACCEPT, nullptr);
  if (dialog == nullptr) return std::string();
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  // Replacing an existing file needs a yes; declining returns to the dialog.
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
  placeAt(chooser, defaultPath);
  addFilters(chooser, toToolkitText(patternList.c_str()), patternIndex);

  std::string chosen;
  if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
    GSList* names = gtk_file_chooser_get_filenames(chooser);
    if (names != nullptr) chosen = static_cast<const char*>(names->data);
    g_slist_free_full(names, g_free);
  }
  gtk_widget_destroy(dialog);
  return chosen;
}
