#include "ui/gtk/toolkit_text.h"

#include <glib.h>

#include "ui/gtk/glib_text.h"

std::string toToolkitText(const char* text) {
  if (text == nullptr) return std::string();
  // The program's text is UTF-8; only bytes that are no UTF-8 (a Latin-1 file name, say) are
  // read as the 8-bit text that the toolkit was once given.
  if (g_utf8_validate(text, -1, nullptr)) return text;
  gsize written = 0;
  const OwnedGlibText converted(
      g_convert(text, -1, "UTF-8", "ISO-8859-15", nullptr, &written, nullptr));
  if (converted == nullptr) return text;
  return std::string(converted.get(), written);
}
