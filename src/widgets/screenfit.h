#pragma once

class QScreen;
class QSize;
class QWidget;

// Sizes a window that is not shown yet to `wanted`, but no larger than the screen's room for
// windows, so that every part of it, its buttons at the bottom too, is on the screen.
void fitToScreen(QWidget *window, const QSize &wanted, const QScreen *screen);

// True where the window system alone decides where windows go and which screen they are on
// (Wayland): there a window asks neither for a place nor for a screen.
bool windowSystemPlacesWindows();
