#pragma once

#include "quizrecords.h"

#include <QWidget>

#include <array>

class Platform;
class QCheckBox;
class QLabel;
class QPushButton;
class StonePictureBox;
class QuizPageDriver;

// The keywords test page of the study window: a stone's name and picture and five or eight
// keywords to tick.
class KeywordsQuizPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int OptionCount = 8;

    KeywordsQuizPage(QuizRecords &records, Platform &platform, QWidget *parent = nullptr);

    // Shows question 1 of a test that QuizRules::startTest has just set up.
    void start();

    // Puts question `number` about `stone` on screen: name, picture, instruction, and the level's
    // boxes unticked and captioned with the question's options in order, the others hidden.
    void showQuestion(int number, StoneIndex stone, qint16 level, const Question &question);

    QCheckBox *optionBox(int index) const { return m_options[index]; }
    QPushButton *nextButton() const { return m_next; }

signals:
    void finished(const QString &resultText);

private:
    QLabel *m_stoneName = nullptr;
    QLabel *m_caption = nullptr;
    StonePictureBox *m_picture = nullptr;
    QLabel *m_questionNumber = nullptr;
    std::array<QCheckBox *, OptionCount> m_options{};
    QPushButton *m_next = nullptr;
    QuizPageDriver *m_driver = nullptr;
};
