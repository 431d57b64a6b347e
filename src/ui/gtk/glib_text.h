// Texts that GLib allocates and hands to the caller.
#ifndef GANTRELL_UI_GTK_GLIB_TEXT_H_
#define GANTRELL_UI_GTK_GLIB_TEXT_H_

#include <glib.h>

#include <memory>

/// Frees a block that GLib allocated.
struct GlibFree {
  void operator()(gpointer block) const { g_free(block); }
};

/// A text of GLib's with one owner, freed however the owner goes (copying it into a
/// std::string may throw).
using OwnedGlibText = std::unique_ptr<gchar, GlibFree>;

#endif  // GANTRELL_UI_GTK_GLIB_TEXT_H_
