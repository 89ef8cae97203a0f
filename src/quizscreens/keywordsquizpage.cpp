#include "keywordsquizpage.h"

#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "platform/twips.h"
#include "quiz/quizscoring.h"
#include "quiz/quizspeech.h"
#include "widgets/roomfortext.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

// Bold, as the labels of the meanings test; a screen reader speaks what they show.
QLabel *label(const QString &name, const QRect &geometry, const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
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
    m_picture->setGeometry(twipsRect(240, 600, 1695, 2265));
    m_picture->setPictureNumber(BlankPictureNumber);

    const struct {
        QLabel **label;
        const char *name;
        QRect geometry;
        QColor colour;
        Qt::Alignment alignment;
    } labels[] = {
        {&m_stoneName, "lblTestStone", twipsRect(420, 240, 1335, 240), QColor(128, 0, 128),
         Qt::AlignCenter},
        {&m_caption, "lblCaption", twipsRect(2640, 240, 3210, 195), QColor(255, 0, 0),
         Qt::AlignLeft | Qt::AlignVCenter},
        // As wide as the picture above it, where the number stood centred in a narrower box:
        // "Question 24" needs the room.
        {&m_questionNumber, "lblIndex", twipsRect(240, 3240, 1695, 195), QColor(0, 0, 255),
         Qt::AlignCenter},
    };
    for (const auto &design : labels) {
        *design.label = label(QLatin1String(design.name), design.geometry, design.colour, this);
        (*design.label)->setAlignment(design.alignment);
    }

    for (int i = 0; i < OptionCount; ++i) {
        auto *box = new QCheckBox(tr("Keywords"), this);
        box->setObjectName(QStringLiteral("chkKeywords_%1").arg(i));
        box->setAccessibleName(box->text());
        box->setGeometry(twipsRect(2640, 600 + 360 * i, 7335, 280));
        Branding::setTextColour(box, QColor(0, 128, 0));
        m_options[i] = box;
    }
    // Made after the boxes, so Tab runs through the keywords first and then to "Next".
    m_next = new QPushButton(tr("Next"), this);
    m_next->setObjectName(QStringLiteral("cmdNextQuestion"));
    m_next->setAccessibleName(m_next->text());
    m_next->setGeometry(twipsRect(240, 4080, 1695, 375));

    addKeyLabels();
}

void KeywordsQuizPage::showQuestion(int number, const AnsweredQuestion &question, QuizLevel level)
{
    const QString &name = loadRuneCatalogue().stoneNames[question.stone];
    m_stoneName->setText(name);
    m_picture->setPictureNumber(pictureNumberOf(question.stone));
    m_picture->setAccessibleName(name);
    m_caption->setText(QuizScoring::instruction(level));
    widenForText(m_caption);
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
