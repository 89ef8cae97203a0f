#pragma once

#include "quizpage.h"
#include "widgets/wrappingcheckbox.h"

#include <array>

class QFrame;

// The meanings test page: borderless, the only child of the frame window. It shows one question
// at a time; what a press of Next or a tick does is wired from outside. A box as tall as its
// option needs at the page's width, the page as tall as its boxes: a host scrolls it up and down.
class MeaningsQuizPage : public QuizPage
{
    Q_OBJECT

public:
    // As drawn, at the program's font with eight boxes: the width the page asks for.
    static constexpr QSize FixedSize{1000, 807};

    explicit MeaningsQuizPage(QWidget *parent = nullptr);

    // At Beginner the three boxes not in use are hidden with their frames.
    void showLevel(QuizLevel level);
    void showQuestion(int number, const AnsweredQuestion &question, QuizLevel level) override;
    QSize sizeHint() const override;
    WrappingCheckBox *optionBox(int index) const override
    {
        return m_options[static_cast<size_t>(index)];
    }

private:
    std::array<QFrame *, OptionCount> m_frames{};
    std::array<WrappingCheckBox *, OptionCount> m_options{};
};
