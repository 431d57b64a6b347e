// A GTK module for the end-to-end tests, loaded into gantrell-gtk through GTK_MODULES (the program
// knows nothing of it): for each top-level window mapped or unmapped, one line to the file named
// by GANTRELL_PROBE_LOG. Fields are TAB-separated, with CR, LF, TAB and backslash escaped:
//   map|unmap  TITLE  then items: label=TEXT pad=X,Y | button=LABEL | focus=LABEL |
//   bar=LOWER..UPPER@VALUE | folder=PATH | filter=NAME | current-filter=NAME
#include <gtk/gtk.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

FILE* logFile = nullptr;

std::string escaped(const char* text) {
  std::string out;
  for (const char* p = text ? text : ""; *p; ++p) {
    static const char kSpecial[] = "\r\n\t\\", kLetter[] = "rnt\\";
    const char* special = std::strchr(kSpecial, *p);
    if (special != nullptr) out += {'\\', kLetter[special - kSpecial]};
    else out.push_back(*p);
  }
  return out;
}

void describe(GtkWidget* widget, gpointer data) {
  std::string* line = static_cast<std::string*>(data);
  if (GTK_IS_LABEL(widget)) {
    gint xpad = 0, ypad = 0;
    gtk_misc_get_padding(GTK_MISC(widget), &xpad, &ypad);
    *line += "\tlabel=" + escaped(gtk_label_get_text(GTK_LABEL(widget))) + "\tpad=" +
             std::to_string(xpad) + "," + std::to_string(ypad);
  } else if (GTK_IS_BUTTON(widget)) {
    *line += "\tbutton=" + escaped(gtk_button_get_label(GTK_BUTTON(widget)));
    return;  // its inner label is part of the button
  } else if (GTK_IS_PROGRESS(widget)) {
    GtkAdjustment* a = GTK_PROGRESS(widget)->adjustment;
    char range[96];
    std::snprintf(range, sizeof range, "\tbar=%g..%g@%g", gtk_adjustment_get_lower(a),
                  gtk_adjustment_get_upper(a), gtk_adjustment_get_value(a));
    *line += range;
  }
  if (GTK_IS_CONTAINER(widget)) gtk_container_forall(GTK_CONTAINER(widget), describe, data);
}

void describeChooser(GtkFileChooser* chooser, std::string* line) {
  gchar* folder = gtk_file_chooser_get_current_folder(chooser);
  *line += "\tfolder=" + escaped(folder);
  g_free(folder);
  GSList* filters = gtk_file_chooser_list_filters(chooser);
  for (GSList* f = filters; f; f = f->next)
    *line += "\tfilter=" + escaped(gtk_file_filter_get_name(GTK_FILE_FILTER(f->data)));
  g_slist_free(filters);
  GtkFileFilter* current = gtk_file_chooser_get_filter(chooser);
  if (current != nullptr) *line += "\tcurrent-filter=" + escaped(gtk_file_filter_get_name(current));
}

gboolean onWindowMapping(GSignalInvocationHint* hint, guint, const GValue* values, gpointer) {
  GObject* object = static_cast<GObject*>(g_value_get_object(&values[0]));
  GtkWindow* window = GTK_IS_WINDOW(object) ? GTK_WINDOW(object) : nullptr;
  if (window == nullptr || gtk_window_get_window_type(window) != GTK_WINDOW_TOPLEVEL) return TRUE;
  std::string line =
      g_signal_name(hint->signal_id) + ("\t" + escaped(gtk_window_get_title(window)));
  if (GTK_IS_FILE_CHOOSER(window)) {
    describeChooser(GTK_FILE_CHOOSER(window), &line);
  } else {
    gtk_container_forall(GTK_CONTAINER(window), describe, &line);
    GtkWidget* focus = gtk_window_get_focus(window);
    if (focus && GTK_IS_BUTTON(focus))
      line += "\tfocus=" + escaped(gtk_button_get_label(GTK_BUTTON(focus)));
  }
  std::fprintf(logFile, "%s\n", line.c_str());
  std::fflush(logFile);
  return TRUE;
}

}  // namespace

extern "C" G_MODULE_EXPORT void gtk_module_init(gint*, gchar***) {
  const char* path = g_getenv("GANTRELL_PROBE_LOG");
  if (path == nullptr || (logFile = std::fopen(path, "a")) == nullptr) return;
  g_type_class_ref(GTK_TYPE_WIDGET);  // its signals exist once the class does
  for (const char* signal : {"map", "unmap"})
    g_signal_add_emission_hook(g_signal_lookup(signal, GTK_TYPE_WIDGET), 0, onWindowMapping,
                               nullptr, nullptr);
}
