#pragma once

#include <QWidget>

#include <array>

class GuardedTextBox;
class Platform;
class QLabel;
class StonePictureBox;
class QPushButton;

// The Memorize Stones section: one stone at a time with its pictures upright and turned, its
// three meanings, keywords and alternative names.
class MemorizeSection : public QWidget
{
    Q_OBJECT

public:
    explicit MemorizeSection(Platform &platform, QWidget *parent = nullptr);

    QLabel *stoneName() const { return m_stoneName; }
    StonePictureBox *stonePicture(int index) const { return m_pictures[index]; }
    GuardedTextBox *meaning(int index) const { return m_meanings[index]; }
    GuardedTextBox *keywords() const { return m_keywords; }
    GuardedTextBox *alternativeNames() const { return m_alternativeNames; }
    QPushButton *backButton() const { return m_back; }
    QPushButton *nextButton() const { return m_next; }

private:
    QLabel *m_stoneName = nullptr;
    std::array<StonePictureBox *, 3> m_pictures{};
    std::array<GuardedTextBox *, 3> m_meanings{};
    GuardedTextBox *m_keywords = nullptr;
    GuardedTextBox *m_alternativeNames = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_next = nullptr;
};
