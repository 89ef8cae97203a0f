#pragma once

#include <QWidget>

class QLabel;

// Room for a text longer than the English one a window was drawn for, as translations often are.
// For a one-line label at a fixed place whose text changes: as wide to the right as its text
// needs, as far as its parent reaches. It never narrows again, so it keeps its place as drawn
// while the texts fit. Call it after each new text.
void widenForText(QLabel *label);
