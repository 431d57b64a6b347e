#include "ui/gtk/save_dialog.h"

#include <gtk/gtk.h>

#include <memory>

#include "ui/gtk/filter_list.h"
#include "ui/gtk/glib_text.h"
#include "ui/gtk/toolkit_text.h"

namespace {

// The chooser goes with its owner, also when building its filters runs out of memory.
struct DestroyWidget {
  void operator()(GtkWidget* widget) const { gtk_widget_destroy(widget); }
};

// The chosen names: the list and each name in it.
struct FreeNames {
  void operator()(GSList* names) const { g_slist_free_full(names, g_free); }
};

// The path is the file system's own bytes, as GLib's file name calls take them; only the name
// proposed in the name field is shown, so only that one is converted.
// The chooser takes absolute paths only: a relative one (a source given as `main.pb` or
// `sub/main.pb`) is taken from the current folder, which is also where no path at all points.
// GLib's current folder, not text/path's absoluteFolder: GLib gives $PWD where that names the
// folder (its spelling through a link, as the user typed it) and "/" where there is none.
std::string absolutePath(const std::string& path) {
  if (g_path_is_absolute(path.c_str())) return path;
  std::string absolute = OwnedGlibText(g_get_current_dir()).get();
  if (absolute.empty() || absolute.back() != '/') absolute += '/';
  return absolute + path;
}

void placeAt(GtkFileChooser* chooser, const std::string& relativeOrAbsolute) {
  const std::string path = absolutePath(relativeOrAbsolute);
  if (path.back() == '/') {
    gtk_file_chooser_set_current_folder(chooser, path.c_str());
  } else if (!gtk_file_chooser_select_filename(chooser, path.c_str())) {
    const OwnedGlibText shown(g_filename_display_name(path.c_str()));
    gtk_file_chooser_set_current_name(chooser, shown.get());
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
  const std::unique_ptr<GtkWidget, DestroyWidget> owned(gtk_file_chooser_dialog_new(
      toToolkitText(title.c_str()).c_str(), nullptr, GTK_FILE_CHOOSER_ACTION_SAVE,
      GTK_STOCK_CANCEL, GTK_RESPONSE_CANCEL, GTK_STOCK_SAVE, GTK_RESPONSE_ACCEPT, nullptr));
  GtkWidget* dialog = owned.get();
  if (dialog == nullptr) return std::string();
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  // Replacing an existing file needs a yes; declining returns to the dialog.
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
  placeAt(chooser, defaultPath);
  addFilters(chooser, toToolkitText(patternList.c_str()), patternIndex);

  std::string chosen;
  if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
    const std::unique_ptr<GSList, FreeNames> names(gtk_file_chooser_get_filenames(chooser));
    if (names != nullptr) chosen = static_cast<const char*>(names->data);
  }
  return chosen;
}
