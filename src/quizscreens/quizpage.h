#pragma once

#include "quiz/quizrecords.h"

#include <QMargins>
#include <QWidget>

#include <array>

class QAbstractButton;
class QGridLayout;
class QLabel;
class QPushButton;
class StonePictureBox;

// A rune test's page as its driver sees it: it shows one question at a time in the first five
// (Beginner) or all eight (Advanced) of its option boxes, and tells which of them are ticked.
// "Next", the ticks and the digit keys are the driver's.
class QuizPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int OptionCount = 8;

    // The stone's name and picture, the instruction and the question's number, made before the
    // boxes so that a screen reader going through the page meets them first.
    explicit QuizPage(QWidget *parent = nullptr);

    // Puts question `number` on screen: its stone, the level's instruction, and the level's boxes
    // unticked and captioned with the question's options in order; the other boxes hidden.
    virtual void showQuestion(int number, const AnsweredQuestion &question, QuizLevel level) = 0;
    virtual QAbstractButton *optionBox(int index) const = 0;
    QPushButton *nextButton() const { return m_next; }

    // The numbers of the ticked boxes in use, in box order.
    QList<int> tickedBoxes() const;

protected:
    // How a page sets out what both pages show around their boxes: the object names of the
    // stone's name, the instruction, the picture, the question's number and "Next", and the
    // room between them, as drawn.
    struct Design {
        std::array<const char *, 5> names;
        QMargins margins;
        int boxSpacing;    // between two boxes
        int headingHeight; // of the row of the stone's name and the instruction
        int pictureTop;    // below the first box's top
        int numberGap;     // between the picture and the question's number
        int keyWidth;      // of the column of keys beside the boxes
        int keyIndent;     // between a key and its box
        int stoneRows;     // the rows it spans: the boxes', and one below where it is longer
    };

    // The stone's column, the instruction above the boxes and the key of each box, for the digit
    // keys, beside it rather than in its caption, which scoring compares and a screen reader
    // speaks (a description tells the key instead). The boxes stand in column 2 of `grid` from
    // row 1 on; made after them, so that Tab reaches "Next" after the boxes.
    void addStone(QGridLayout *grid, const Design &design);
    // The question's stone, its number and the level's instruction, and the keys of the boxes in
    // use; the first box, where the focus arrives with a new question, tells a screen reader what
    // the labels show: QuizSpeech::questionNews, then its key.
    void showStone(int number, StoneIndex stone, QuizLevel level);
    // Each key shows while its box does.
    void showKeys();
    // Enter answers the question wherever the focus stands on the page, as "Next" does.
    void keyPressEvent(QKeyEvent *event) override;

    QLabel *m_stoneName;
    StonePictureBox *m_picture;
    QPushButton *m_next = nullptr;

private:
    QLabel *m_caption;
    QLabel *m_questionNumber;
    std::array<QLabel *, OptionCount> m_keys{};
};

// Bold, and otherwise the font of the widget it is given to, following it when it changes.
QFont boldFont();
// `font` bold or not and `factor` times as large, in the unit it is given in, so that a larger
// desktop font makes it larger too.
QFont scaledFont(QFont font, qreal factor, bool bold);
