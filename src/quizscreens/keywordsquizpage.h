#pragma once

#include "quizpage.h"

#include <QCheckBox>

#include <array>

// The keywords test page of the study window: a stone's name and picture and five or eight
// keywords to tick. What a press of Next or a tick does is its driver's.
class KeywordsQuizPage : public QuizPage
{
    Q_OBJECT

public:
    // As drawn, at the program's font: the room the page asks for.
    static constexpr QSize DesignedSize{686, 350};

    explicit KeywordsQuizPage(QWidget *parent = nullptr);

    void showQuestion(int number, const AnsweredQuestion &question, QuizLevel level) override;
    QSize sizeHint() const override;
    QCheckBox *optionBox(int index) const override { return m_options[index]; }

private:
    std::array<QCheckBox *, OptionCount> m_options{};
};
