#pragma once

#include "studysettings.h"

#include <functional>

class Platform;
class QMenu;
class QuizSession;
class QWidget;

// The File menu's entries that put the stones and a test on paper: the study sheet, full or
// compact, printed or saved as a PDF; flash cards; a test to hand out. `ticks` gives the Settings
// section's choices as they stand when an entry is chosen.
void addPaperEntries(QMenu *file, Platform &platform, std::function<StudySettings()> ticks,
                     const QuizSession &session, QWidget *parent);
