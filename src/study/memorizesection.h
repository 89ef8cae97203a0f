#pragma once

#include "catalogue/runecatalogue.h"

#include <QWidget>

#include <array>
#include <optional>

class GuardedTextBox;
class Platform;
class QLabel;
class StonePictureBox;
class StudyController;
class QPushButton;

// The Memorize Stones section: one stone at a time with its pictures upright and turned, its
// three meanings, keywords and alternative names; "<< Back" and "Next >>" move the controller's
// walk.
class MemorizeSection : public QWidget
{
    Q_OBJECT

public:
    // Built while a walk is under way, it shows the walk's stone, with only "Next" to go on.
    MemorizeSection(Platform &platform, StudyController &controller, QWidget *parent = nullptr);

    // The stone's name, its pictures upright and turned, its meanings, keywords and
    // alternative names.
    void showStone(StoneIndex stone);

private:
    // An unset state leaves its button as it is.
    void setBackNextEnabled(std::optional<bool> back, std::optional<bool> next);

    QLabel *m_stoneName = nullptr;
    std::array<StonePictureBox *, 3> m_pictures{};
    std::array<GuardedTextBox *, 3> m_meanings{};
    GuardedTextBox *m_keywords = nullptr;
    GuardedTextBox *m_alternativeNames = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_next = nullptr;
};
