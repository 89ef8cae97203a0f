#pragma once

class QWidget;

// Where the program's windows go and what they wear, kept apart from the run that hands them over.
namespace WindowPlacement {

// Centres the window, at its present size, on its screen, where the window system lets the
// program place windows.
void centre(QWidget *window);
// Puts a window that is not shown yet on the screen that `other` is on, where the window system
// lets the program choose.
void putOnScreenOf(QWidget *window, const QWidget *other);
// Gives the keyboard to a window that the user's last action brought up. On Wayland the request
// carries that action, which is what lets the compositor grant it.
void handKeyboardTo(QWidget *window);

// The program's icon for every window. Decoding it costs more than drawing the first window, and
// nobody needs the icon to see that window, so start-up can leave it until the window is painted.
void applyWindowIcon();
void applyWindowIconOnceShown(QWidget *window);

} // namespace WindowPlacement
