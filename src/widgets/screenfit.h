#pragma once

class QScrollArea;
class QScreen;
class QSize;
class QWidget;

// Sizes a window that is not shown yet to `wanted`, but no larger than the screen's room for
// windows, so that every part of it, its buttons at the bottom too, is on the screen.
void fitToScreen(QWidget *window, const QSize &wanted, const QScreen *screen);

// True where the window system alone decides where windows go and which screen they are on
// (Wayland): there a window asks neither for a place nor for a screen.
bool windowSystemPlacesWindows();

// Scrolls `now`, a control inside `content`, into view in `scroller`: up and down the whole of it
// with a margin, sideways only as far as its left edge, where a box's tick is, so that the left
// column stays in view on any screen wide enough for both.
void scrollIntoView(QScrollArea *scroller, QWidget *content, QWidget *now);
