#include "meaningsquizpage.h"

#include "brand/branding.h"
#include "catalogue/stonepicturebox.h"
#include "quiz/quizscoring.h"
#include "quiz/quizspeech.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A screen reader speaks what the label shows, so the labels carry no name of their own.
QLabel *label(const QString &name, const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(boldFont());
    Branding::setTextColour(label, colour);
    return label;
}

} // namespace

MeaningsQuizPage::MeaningsQuizPage(QWidget *parent)
    : QuizPage(parent)
{
    setObjectName(QStringLiteral("frmMeaningTest"));
    setAccessibleName(tr("Meanings test"));
    setAutoFillBackground(true);
    setFont(Branding::programFont());

    m_stoneName = label(QStringLiteral("lblMeaningTestStoneName"), QColor(128, 0, 128), this);
    m_stoneName->setFont(scaledFont(font(), 13.0 / 11, true)); // 9.75 points beside 8.25
    m_stoneName->setAlignment(Qt::AlignCenter);
    m_caption = label(QStringLiteral("lblMeaningTestCaption"), QColor(255, 0, 0), this);
    m_caption->setWordWrap(true);

    m_picture = new StonePictureBox(this);
    m_picture->setObjectName(QStringLiteral("picMeaningTest"));
    m_picture->setFixedSize(113, 151);

    m_questionNumber = label(QStringLiteral("lblMeaningTestQuestion"), QColor(0, 0, 255), this);
    m_questionNumber->setAlignment(Qt::AlignCenter);

    // Each box in a brown frame, the frames a little apart; a box as tall as its text needs.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(80, 8, 47, 14);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(7);
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

    m_next = new QPushButton(tr("Next"), this);
    m_next->setObjectName(QStringLiteral("cmdNextQuestion1"));
    m_next->setAccessibleName(m_next->text());
    m_next->setFont(boldFont());
    m_next->setMinimumHeight(25);

    // The stone stands level with the first box, its number and "Next" below it.
    auto *stone = new QVBoxLayout;
    stone->setSpacing(0);
    stone->addSpacing(8);
    stone->addWidget(m_picture);
    stone->addSpacing(17);
    stone->addWidget(m_questionNumber);
    stone->addSpacing(43);
    stone->addWidget(m_next);
    stone->addStretch(1);
    grid->addWidget(m_stoneName, 0, 0);
    grid->addWidget(m_caption, 0, 2);
    grid->addLayout(stone, 1, 0, OptionCount, 1);
    grid->setRowMinimumHeight(0, 17);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(OptionCount + 1, 1);
    addKeyLabels(grid, 1, 15, 2);
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
    showKeyLabels();
}

void MeaningsQuizPage::showQuestion(int number, const AnsweredQuestion &question, QuizLevel level)
{
    showLevel(level);
    // Hidden boxes keep their old captions; nobody sees them.
    for (int i = 0; i < QuizScoring::optionCount(level) && i < question.options.size(); ++i)
        m_options[static_cast<size_t>(i)]->setCaption(question.options[i]);
    m_caption->setText(QuizScoring::instruction(level));
    m_questionNumber->setText(tr("Question %1").arg(number));
    const QString &name = loadRuneCatalogue().stoneNames[static_cast<size_t>(question.stone)];
    m_stoneName->setText(name);
    m_picture->setPictureNumber(pictureNumberOf(question.stone));
    m_picture->setAccessibleName(name);
    describeQuestion(QuizSpeech::questionNews(number, name, level));
    // As tall as the new options need at once, also where nothing lays the page out again, as
    // in a window of its own or a scroll area that keeps its widget's size.
    resize(width(), heightForWidth(width()));
    layout()->activate();
}
