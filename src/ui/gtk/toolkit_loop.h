// Letting GTK handle its pending events without ever waiting for new ones.
#ifndef GANTRELL_UI_GTK_TOOLKIT_LOOP_H_
#define GANTRELL_UI_GTK_TOOLKIT_LOOP_H_

/// Handles one pending toolkit event, if there is one; tells whether there was.
bool handleOneToolkitEvent();

/// Handles toolkit events while any are pending.
void handlePendingToolkitEvents();

#endif  // GANTRELL_UI_GTK_TOOLKIT_LOOP_H_
