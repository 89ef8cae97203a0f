#pragma once

#include "quizpage.h"
#include "widgets/wrappingcheckbox.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class StonePictureBox;

// The meanings test window: borderless, the only child of the frame window. It shows one question
// at a time; what a press of Next or a tick does is wired from outside.
class MeaningsQuizPage : public QuizPage
{
    Q_OBJECT

public:
    static constexpr QSize FixedSize{1000, 807}; // 15000 x 12105 twips

    explicit MeaningsQuizPage(QWidget *parent = nullptr);

    // At Beginner the three boxes not in use are hidden with their frames.
    void showQuestion(int number, const AnsweredQuestion &question, QuizLevel level) override;
    WrappingCheckBox *optionBox(int index) const override
    {
        return m_options[static_cast<size_t>(index)];
    }
    QPushButton *nextButton() const override { return m_next; }

private:
    QLabel *m_stoneName = nullptr;
    QLabel *m_caption = nullptr;
    StonePictureBox *m_picture = nullptr;
    QLabel *m_questionNumber = nullptr;
    QPushButton *m_next = nullptr;
    std::array<QFrame *, OptionCount> m_frames{};
    std::array<WrappingCheckBox *, OptionCount> m_options{};
};
