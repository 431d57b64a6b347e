#include "ui/gtk/toolkit_loop.h"

#include <gtk/gtk.h>

bool handleOneToolkitEvent() {
  if (!gtk_events_pending()) return false;
  gtk_main_iteration_do(FALSE);
  return true;
}

void handlePendingToolkitEvents() {
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}
