#include "keywordsquizpage.h"

#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "quiz/quizscoring.h"
#include "quiz/quizspeech.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Bold, as the labels of the meanings test; a screen reader speaks what they show.
QLabel *label(const QString &name, const QColor &colour, Qt::Alignment alignment, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(boldFont());
    label->setAlignment(alignment);
    Branding::setTextColour(label, colour);
    return label;
}

} // namespace

KeywordsQuizPage::KeywordsQuizPage(QWidget *parent)
    : QuizPage(parent)
{
    setObjectName(QStringLiteral("picTestKeywords"));
    setAccessibleName(tr("Keywords test"));

    m_picture = new StonePictureBox(this);
    m_picture->setObjectName(QStringLiteral("picTest"));
    m_picture->setFixedSize(113, 151);
    m_picture->setPictureNumber(BlankPictureNumber);

    m_stoneName = label(QStringLiteral("lblTestStone"), QColor(128, 0, 128), Qt::AlignCenter, this);
    m_caption = label(QStringLiteral("lblCaption"), QColor(255, 0, 0),
                      Qt::AlignLeft | Qt::AlignVCenter, this);
    m_caption->setWordWrap(true);
    m_questionNumber = label(QStringLiteral("lblIndex"), QColor(0, 0, 255), Qt::AlignCenter, this);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 21, 16);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(5);
    for (int i = 0; i < OptionCount; ++i) {
        auto *box = new QCheckBox(tr("Keywords"), this);
        box->setObjectName(QStringLiteral("chkKeywords_%1").arg(i));
        box->setAccessibleName(box->text());
        box->setMinimumHeight(19);
        Branding::setTextColour(box, QColor(0, 128, 0));
        m_options[i] = box;
        grid->addWidget(box, 1 + i, 2);
    }
    // Made after the boxes, so Tab runs through the keywords first and then to "Next".
    m_next = new QPushButton(tr("Next"), this);
    m_next->setObjectName(QStringLiteral("cmdNextQuestion"));
    m_next->setAccessibleName(m_next->text());
    m_next->setMinimumHeight(25);

    // The stone beside the keywords, its number and "Next" below it.
    auto *stone = new QVBoxLayout;
    stone->setSpacing(0);
    stone->addWidget(m_picture);
    stone->addSpacing(25);
    stone->addWidget(m_questionNumber);
    stone->addSpacing(43);
    stone->addWidget(m_next);
    stone->addStretch(1);
    grid->addWidget(m_stoneName, 0, 0);
    grid->addWidget(m_caption, 0, 2);
    grid->addLayout(stone, 1, 0, OptionCount + 1, 1);
    grid->setRowMinimumHeight(0, 19);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(OptionCount + 1, 1);
    addKeyLabels(grid, 1, 47, 10);
}

QSize KeywordsQuizPage::sizeHint() const
{
    return QuizPage::sizeHint().expandedTo(DesignedSize);
}

void KeywordsQuizPage::showQuestion(int number, const AnsweredQuestion &question, QuizLevel level)
{
    const QString &name = loadRuneCatalogue().stoneNames[question.stone];
    m_stoneName->setText(name);
    m_picture->setPictureNumber(pictureNumberOf(question.stone));
    m_picture->setAccessibleName(name);
    m_caption->setText(QuizScoring::instruction(level));
    m_questionNumber->setText(tr("Question %1").arg(number));
    const int inUse = QuizScoring::optionCount(level);
    for (int i = 0; i < OptionCount; ++i) {
        m_options[i]->setChecked(false);
        m_options[i]->setVisible(i < inUse);
        if (i < inUse) {
            m_options[i]->setText(question.options[i]);
            m_options[i]->setAccessibleName(question.options[i]);
        }
    }
    showKeyLabels();
    describeQuestion(QuizSpeech::questionNews(number, name, level));
}
