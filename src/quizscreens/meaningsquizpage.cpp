#include "meaningsquizpage.h"

#include "brand/branding.h"
#include "catalogue/stonepicturebox.h"
#include "platform/twips.h"
#include "quiz/quizscoring.h"
#include "quiz/quizspeech.h"
#include "widgets/roomfortext.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QFont boldFont(int pixelSize)
{
    QFont font = Branding::programFont();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

// A screen reader speaks what the label shows, so the labels carry no name of their own.
QLabel *label(const QString &name, const QRect &geometry, const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(boldFont(11));
    Branding::setTextColour(label, colour);
    return label;
}

} // namespace

MeaningsQuizPage::MeaningsQuizPage(QWidget *parent)
    : QuizPage(parent)
{
    setObjectName(QStringLiteral("frmMeaningTest"));
    setAccessibleName(tr("Meanings test"));
    setFixedSize(FixedSize);
    setAutoFillBackground(true);
    setFont(Branding::programFont());

    m_stoneName = label(QStringLiteral("lblMeaningTestStoneName"), twipsRect(1380, 120, 1335, 240),
                        QColor(128, 0, 128), this);
    m_stoneName->setFont(boldFont(13)); // 9.75 points
    m_stoneName->setAlignment(Qt::AlignCenter);
    m_caption = label(QStringLiteral("lblMeaningTestCaption"), twipsRect(3120, 120, 3180, 195),
                      QColor(255, 0, 0), this);

    m_picture = new StonePictureBox(this);
    m_picture->setObjectName(QStringLiteral("picMeaningTest"));
    m_picture->setGeometry(twipsRect(1200, 600, 1695, 2265));

    // As wide as the picture above it and centred under it, where the number stood centred in
    // a narrower box: "Question 24" needs the room.
    m_questionNumber = label(QStringLiteral("lblMeaningTestQuestion"),
                             twipsRect(1200, 3120, 1695, 195), QColor(0, 0, 255), this);
    m_questionNumber->setAlignment(Qt::AlignCenter);

    const QColor frameColour(133, 62, 18);
    for (int i = 0; i < OptionCount; ++i) {
        auto *frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("shaMeaning_%1").arg(i));
        frame->setGeometry(twipsRect(3120, 480 + 1440 * i, 11175, 1335));
        frame->setFrameShape(QFrame::Box);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        Branding::setTextColour(frame, frameColour);
        m_frames[static_cast<size_t>(i)] = frame;

        auto *box = new WrappingCheckBox(this);
        box->setObjectName(QStringLiteral("chkMeaning_%1").arg(i));
        box->setGeometry(twipsRect(3240, 600 + 1440 * i, 11000, 1100));
        Branding::setTextColour(box, QColor(0, 64, 0));
        m_options[static_cast<size_t>(i)] = box;
    }

    m_next = new QPushButton(tr("Next"), this);
    m_next->setObjectName(QStringLiteral("cmdNextQuestion1"));
    m_next->setAccessibleName(m_next->text());
    m_next->setGeometry(twipsRect(1200, 3960, 1695, 375));
    m_next->setFont(boldFont(11));
    addKeyLabels();
}

void MeaningsQuizPage::showQuestion(int number, const AnsweredQuestion &question, QuizLevel level)
{
    const int inUse = QuizScoring::optionCount(level);
    for (int i = 0; i < OptionCount; ++i) {
        WrappingCheckBox *box = m_options[static_cast<size_t>(i)];
        box->setVisible(i < inUse);
        m_frames[static_cast<size_t>(i)]->setVisible(i < inUse);
        box->setChecked(false);
        // Hidden boxes keep their old captions; nobody sees them.
        if (i < inUse && i < question.options.size())
            box->setCaption(question.options[i]);
    }
    showKeyLabels();
    m_caption->setText(QuizScoring::instruction(level));
    widenForText(m_caption);
    m_questionNumber->setText(tr("Question %1").arg(number));
    const QString &name = loadRuneCatalogue().stoneNames[static_cast<size_t>(question.stone)];
    m_stoneName->setText(name);
    m_picture->setPictureNumber(pictureNumberOf(question.stone));
    m_picture->setAccessibleName(name);
    describeQuestion(QuizSpeech::questionNews(number, name, level));
}
