// The progress window's size and where its two controls lie, the same on every toolkit.
#ifndef GANTRELL_UI_PROGRESS_LAYOUT_H_
#define GANTRELL_UI_PROGRESS_LAYOUT_H_

/// A control's place inside the window's client area, in pixels.
struct ControlPlace {
  int x;
  int y;
  int width;
  int height;
};

/// The client area of the progress window.
constexpr int kProgressWindowWidth = 400;
constexpr int kProgressWindowHeight = 70;

/// The status line, above the bar.
constexpr ControlPlace kStatusLinePlace{10, 10, 380, 20};

/// The progress bar.
constexpr ControlPlace kProgressBarPlace{10, 30, 380, 20};

#endif  // GANTRELL_UI_PROGRESS_LAYOUT_H_
