#pragma once

#include "catalogue/runecatalogue.h"
#include "quizrecords.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class StonePictureBox;
class WrappingCheckBox;

// The meanings test window: borderless, the only child of the frame window. It shows one question
// at a time; what a press of Next or a tick does is wired from outside.
class MeaningsQuizPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize FixedSize{1000, 807}; // 15000 x 12105 twips
    static constexpr int OptionCount = 8;

    explicit MeaningsQuizPage(QWidget *parent = nullptr);

    // Puts question `number` about `stone` on screen: its name, picture and instruction, the
    // level's boxes (five at Beginner, the other three hidden with their frames) unticked and
    // captioned with the question's options in order.
    void showQuestion(int number, StoneIndex stone, qint16 level, const Question &question);

    WrappingCheckBox *optionBox(int index) const { return m_options[static_cast<size_t>(index)]; }
    QPushButton *nextButton() const { return m_next; }

private:
    QLabel *m_stoneName = nullptr;
    QLabel *m_caption = nullptr;
    StonePictureBox *m_picture = nullptr;
    QLabel *m_questionNumber = nullptr;
    QPushButton *m_next = nullptr;
    std::array<QFrame *, OptionCount> m_frames{};
    std::array<WrappingCheckBox *, OptionCount> m_options{};
};
