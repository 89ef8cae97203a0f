#pragma once

#include "studysettings.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QPushButton;
class StudyController;

// The Settings section: the eight study ticks in their three frames and the two buttons, which
// hand the ticks to the controller. The boxes are the only copy of the choices while the window
// is open.
class SettingsSection : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsSection(StudyController &controller, QWidget *parent = nullptr);

    StudySettings ticks() const;
    void setTicks(const StudySettings &settings);

private:
    std::array<QCheckBox *, 3> m_groups{};
    std::array<QCheckBox *, 3> m_meanings{};
    std::array<QCheckBox *, 2> m_objects{};
    QPushButton *m_memorize = nullptr;
    QPushButton *m_save = nullptr;
};
