#pragma once

class QWidget;

// Where the program's windows go and what they wear, kept apart from the run that hands them over.
namespace WindowPlacement {

// Centres the window, at its present size, on its screen.
void centre(QWidget *window);

// The program's icon for every window. Decoding it costs more than drawing the first window, and
// nobody needs the icon to see that window, so start-up can leave it until the window is painted.
void applyWindowIcon();
void applyWindowIconOnceShown(QWidget *window);

} // namespace WindowPlacement
