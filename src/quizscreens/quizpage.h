#pragma once

#include "quiz/quizrecords.h"

#include <QWidget>

#include <array>

class QAbstractButton;
class QGridLayout;
class QLabel;
class QPushButton;

// A rune test's page as its driver sees it: it shows one question at a time in the first five
// (Beginner) or all eight (Advanced) of its option boxes, and tells which of them are ticked.
// "Next", the ticks and the digit keys are the driver's.
class QuizPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int OptionCount = 8;

    using QWidget::QWidget;

    // Puts question `number` on screen: its stone, the level's instruction, and the level's boxes
    // unticked and captioned with the question's options in order; the other boxes hidden.
    virtual void showQuestion(int number, const AnsweredQuestion &question, QuizLevel level) = 0;
    virtual QAbstractButton *optionBox(int index) const = 0;
    virtual QPushButton *nextButton() const = 0;

    // The numbers of the ticked boxes in use, in box order.
    QList<int> tickedBoxes() const;

protected:
    // Enter answers the question wherever the focus stands on the page, as "Next" does.
    void keyPressEvent(QKeyEvent *event) override;
    // The first box, where the focus arrives with a new question, tells a screen reader what
    // the labels show: QuizSpeech::questionNews, then its key.
    void describeQuestion(const QString &news);
    // The key of each box, for the digit keys, beside it rather than in its caption, which
    // scoring compares and a screen reader speaks; a description tells the key instead. The keys
    // go in column 1 of `grid` from `firstRow` on, one a row, `width` wide and `indent` clear of
    // the box (or its frame) to their right.
    void addKeyLabels(QGridLayout *grid, int firstRow, int width, int indent);
    // Each key shows while its box does.
    void showKeyLabels();

private:
    std::array<QLabel *, OptionCount> m_keys{};
};

// Bold, and otherwise the font of the widget it is given to, following it when it changes.
QFont boldFont();
// `font` bold or not and `factor` times as large, in the unit it is given in, so that a larger
// desktop font makes it larger too.
QFont scaledFont(QFont font, qreal factor, bool bold);
