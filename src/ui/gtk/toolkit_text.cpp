#include "ui/gtk/toolkit_text.h"

#include <glib.h>

std::string toToolkitText(const char* text) {
  if (text == nullptr) return std::string();
  gsize written = 0;
  gchar* converted = g_convert(text, -1, "UTF-8", "ISO-8859-15", nullptr, &written, nullptr);
  if (converted == nullptr) return text;
  std::string result(converted, written);
  g_free(converted);
  return result;
}
