#pragma once

#include "quizpage.h"

#include <QCheckBox>

#include <array>

class Platform;
class QLabel;
class QPushButton;
class QuizPageDriver;
class QuizSession;
class StonePictureBox;

// The keywords test page of the study window: a stone's name and picture and five or eight
// keywords to tick.
class KeywordsQuizPage : public QuizPage
{
    Q_OBJECT

public:
    KeywordsQuizPage(QuizSession &session, Platform &platform, QWidget *parent = nullptr);

    // Shows question 1 of a test that QuizSession::startTest has just set up.
    void start();

    void showQuestion(int number, const AnsweredQuestion &question, QuizLevel level) override;
    QCheckBox *optionBox(int index) const override { return m_options[index]; }
    QPushButton *nextButton() const override { return m_next; }

signals:
    void finished();

private:
    QLabel *m_stoneName = nullptr;
    QLabel *m_caption = nullptr;
    StonePictureBox *m_picture = nullptr;
    QLabel *m_questionNumber = nullptr;
    std::array<QCheckBox *, OptionCount> m_options{};
    QPushButton *m_next = nullptr;
    QuizPageDriver *m_driver = nullptr;
};
