#include "meaningsquizpage.h"

#include "brand/branding.h"
#include "quiz/quizscoring.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

MeaningsQuizPage::MeaningsQuizPage(QWidget *parent)
    : QuizPage(parent)
{
    setObjectName(QStringLiteral("frmMeaningTest"));
    setAccessibleName(tr("Meanings test"));
    setAutoFillBackground(true);
    setFont(Branding::programFont());

    // Each box in a brown frame, the frames a little apart; a box as tall as its text needs.
    auto *grid = new QGridLayout(this);
    const QColor frameColour(133, 62, 18);
    for (int i = 0; i < OptionCount; ++i) {
        auto *frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("shaMeaning_%1").arg(i));
        frame->setFrameShape(QFrame::Box);
        Branding::setTextColour(frame, frameColour);
        m_frames[static_cast<size_t>(i)] = frame;

        // The box fills the frame, its text clear of the frame's line.
        auto *box = new WrappingCheckBox(this);
        box->setObjectName(QStringLiteral("chkMeaning_%1").arg(i));
        box->setContentsMargins(8, 8, 4, 8);
        box->setMinimumHeight(89);
        Branding::setTextColour(box, QColor(0, 64, 0));
        m_options[static_cast<size_t>(i)] = box;
        grid->addWidget(frame, 1 + i, 2);
        grid->addWidget(box, 1 + i, 2);
    }

    addStone(grid, {.names = {"lblMeaningTestStoneName", "lblMeaningTestCaption", "picMeaningTest",
                              "lblMeaningTestQuestion", "cmdNextQuestion1"},
                    .margins = QMargins(80, 8, 47, 14),
                    .boxSpacing = 7,
                    .headingHeight = 17,
                    .pictureTop = 8,
                    .numberGap = 17,
                    .keyWidth = 15,
                    .keyIndent = 2,
                    .stoneRows = OptionCount});
    m_stoneName->setFont(scaledFont(font(), 13.0 / 11, true)); // 9.75 points beside 8.25
    m_next->setFont(boldFont());
}

QSize MeaningsQuizPage::sizeHint() const
{
    const int width = std::max(FixedSize.width(), layout()->minimumSize().width());
    return {width, heightForWidth(width)};
}

void MeaningsQuizPage::showLevel(QuizLevel level)
{
    for (int i = 0; i < OptionCount; ++i) {
        const bool inUse = i < QuizScoring::optionCount(level);
        m_frames[static_cast<size_t>(i)]->setVisible(inUse);
        m_options[static_cast<size_t>(i)]->setVisible(inUse);
        m_options[static_cast<size_t>(i)]->setChecked(false);
    }
    showKeys();
}

void MeaningsQuizPage::showQuestion(int number, const AnsweredQuestion &question, QuizLevel level)
{
    showLevel(level);
    // Hidden boxes keep their old captions; nobody sees them.
    for (int i = 0; i < QuizScoring::optionCount(level) && i < question.options.size(); ++i)
        m_options[static_cast<size_t>(i)]->setCaption(question.options[i]);
    showStone(number, question.stone, level);
    // As tall as the new options need at once, also where nothing lays the page out again, as
    // in a window of its own or a scroll area that keeps its widget's size.
    resize(width(), heightForWidth(width()));
    layout()->activate();
}
