#include "ui/win32/window_events.h"

namespace {

void queueSize(WPARAM kind, const void* window, SizeState* sizeState, EventQueue* queue) {
  switch (kind) {
    case SIZE_MINIMIZED:
      queue->push(MinimisedEvent, window);
      *sizeState = SizeState::Minimised;
      return;
    case SIZE_MAXIMIZED:
      queue->push(MaximisedEvent, window);
      queue->push(ResizedEvent, window);
      *sizeState = SizeState::Maximised;
      return;
    case SIZE_RESTORED:
      if (*sizeState != SizeState::Normal) queue->push(RestoredEvent, window);
      queue->push(ResizedEvent, window);
      *sizeState = SizeState::Normal;
      return;
    default:  // another window was maximised or restored: this one keeps its size
      return;
  }
}

}  // namespace

bool queueWindowEvents(UINT message, WPARAM wParam, const void* window, SizeState* sizeState,
                       EventQueue* queue) {
  switch (message) {
    case WM_CLOSE:
      queue->push(CloseWindowEvent, window);
      return true;
    case WM_MOVE:
      queue->push(MovedEvent, window);
      break;
    case WM_ERASEBKGND:
      queue->push(RepaintEvent, window);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) queue->push(ActivatedEvent, window);
      break;
    case WM_SIZE:
      queueSize(wParam, window, sizeState, queue);
      break;
    default:
      break;
  }
  return false;
}
