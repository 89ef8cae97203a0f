#pragma once

class Platform;
class QWidget;

namespace Links {

// Makes every menu entry, button and link label of the window that stands for a page open it.
// Elements are found by name, so one table serves the study window, the frame and the About box.
void connectLinks(QWidget *window, Platform &platform);

} // namespace Links
