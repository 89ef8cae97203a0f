#include "keywordsquizpage.h"

#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "quiz/quizscoring.h"

#include <QCheckBox>
#include <QGridLayout>

KeywordsQuizPage::KeywordsQuizPage(QWidget *parent)
    : QuizPage(parent)
{
    setObjectName(QStringLiteral("picTestKeywords"));
    setAccessibleName(tr("Keywords test"));

    auto *grid = new QGridLayout(this);
    for (int i = 0; i < OptionCount; ++i) {
        auto *box = new QCheckBox(tr("Keywords"), this);
        box->setObjectName(QStringLiteral("chkKeywords_%1").arg(i));
        box->setAccessibleName(box->text());
        box->setMinimumHeight(19);
        Branding::setTextColour(box, QColor(0, 128, 0));
        m_options[i] = box;
        grid->addWidget(box, 1 + i, 2);
    }
    addStone(grid,
             {.names = {"lblTestStone", "lblCaption", "picTest", "lblIndex", "cmdNextQuestion"},
              .margins = QMargins(16, 16, 21, 16),
              .boxSpacing = 5,
              .headingHeight = 19,
              .pictureTop = 0,
              .numberGap = 25,
              .keyWidth = 47,
              .keyIndent = 10,
              .stoneRows = OptionCount + 1});
    m_picture->setPictureNumber(BlankPictureNumber);
}

QSize KeywordsQuizPage::sizeHint() const
{
    return QuizPage::sizeHint().expandedTo(DesignedSize);
}

void KeywordsQuizPage::showQuestion(int number, const AnsweredQuestion &question, QuizLevel level)
{
    const int inUse = QuizScoring::optionCount(level);
    for (int i = 0; i < OptionCount; ++i) {
        m_options[i]->setChecked(false);
        m_options[i]->setVisible(i < inUse);
        if (i < inUse) {
            m_options[i]->setText(question.options[i]);
            m_options[i]->setAccessibleName(question.options[i]);
        }
    }
    showStone(number, question.stone, level);
}
