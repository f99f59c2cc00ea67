#pragma once
// Where the window goes on a screen: its layout has a fixed size, which a
// small screen (1024 × 600 and less) cannot show whole. There the window
// takes what the screen has and scroll bars reach the rest, the layout kept
// at its size so that nothing is shrunk to an unreadable scale.
#include <QMargins>
#include <QRect>
#include <QSize>

namespace kavero::app {

struct WindowPlace {
  QRect client;          // the window without its frame, in screen coordinates
  bool scrolls = false;  // the layout does not fit: scroll bars are needed
};

// `frame`: what the window manager adds around the window; `scroll_bar`: the
// breadth of a scroll bar. Centred in `available` when the layout fits,
// otherwise at its top left corner.
WindowPlace FitWindow(QSize layout, QRect available, QMargins frame, int scroll_bar);

}  // namespace kavero::app
