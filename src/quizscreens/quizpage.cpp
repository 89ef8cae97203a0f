#include "quizpage.h"

#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "quiz/quizscoring.h"
#include "quiz/quizspeech.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Wide enough for the widest of the texts it takes turns to show, so that the column it stands in
// keeps its width from question to question instead of jumping, and is never laid out too narrow
// for a text that has just arrived.
class SteadyLabel : public QLabel
{
public:
    SteadyLabel(QStringList texts, QWidget *parent)
        : QLabel(parent)
        , m_texts(std::move(texts))
    {}

    QSize minimumSizeHint() const override
    {
        QSize size = QLabel::minimumSizeHint();
        const int chrome = contentsMargins().left() + contentsMargins().right() + 2 * margin();
        for (const QString &text : m_texts)
            size.setWidth(std::max(size.width(), fontMetrics().size(0, text).width() + chrome));
        return size;
    }
    QSize sizeHint() const override { return QLabel::sizeHint().expandedTo(minimumSizeHint()); }

private:
    QStringList m_texts;
};

QStringList questionNumbers()
{
    QStringList numbers;
    for (int number = 1; number <= QuestionCount; ++number)
        numbers << QuizPage::tr("Question %1").arg(number);
    return numbers;
}

// Bold; a screen reader speaks what the label shows, so it carries no name of its own.
QLabel *label(const QColor &colour, Qt::Alignment alignment, QWidget *parent,
              const QStringList &texts = {})
{
    auto *label = new SteadyLabel(texts, parent);
    label->setFont(boldFont());
    label->setAlignment(alignment);
    Branding::setTextColour(label, colour);
    return label;
}

} // namespace

QList<int> QuizPage::tickedBoxes() const
{
    QList<int> ticked;
    for (int i = 0; i < OptionCount; ++i) {
        if (!optionBox(i)->isHidden() && optionBox(i)->isChecked())
            ticked << i;
    }
    return ticked;
}

QuizPage::QuizPage(QWidget *parent)
    : QWidget(parent)
    , m_stoneName(label(QColor(128, 0, 128), Qt::AlignCenter, this,
                        QStringList(loadRuneCatalogue().stoneNames.begin(),
                                    loadRuneCatalogue().stoneNames.end())))
    , m_picture(new StonePictureBox(this))
    , m_caption(label(QColor(255, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, this))
    , m_questionNumber(label(QColor(0, 0, 255), Qt::AlignCenter, this, questionNumbers()))
{
    m_caption->setWordWrap(true);
    m_picture->setFixedSize(113, 151);
}

void QuizPage::addStone(QGridLayout *grid, const Design &design)
{
    m_stoneName->setObjectName(QLatin1String(design.names[0]));
    m_caption->setObjectName(QLatin1String(design.names[1]));
    m_picture->setObjectName(QLatin1String(design.names[2]));
    m_questionNumber->setObjectName(QLatin1String(design.names[3]));
    m_next = new QPushButton(tr("Next"), this);
    m_next->setObjectName(QLatin1String(design.names[4]));
    m_next->setAccessibleName(m_next->text());
    m_next->setMinimumHeight(25);

    grid->setContentsMargins(design.margins);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(design.boxSpacing);
    grid->setRowMinimumHeight(0, design.headingHeight);
    grid->addWidget(m_stoneName, 0, 0);
    grid->addWidget(m_caption, 0, 2);
    // The stone beside the boxes, its number and "Next" below it.
    auto *stone = new QVBoxLayout;
    stone->setSpacing(0);
    stone->addSpacing(design.pictureTop);
    stone->addWidget(m_picture);
    stone->addSpacing(design.numberGap);
    stone->addWidget(m_questionNumber);
    stone->addSpacing(43);
    stone->addWidget(m_next);
    stone->addStretch(1);
    grid->addLayout(stone, 1, 0, design.stoneRows, 1);
    for (int i = 0; i < OptionCount; ++i) {
        QAbstractButton *box = optionBox(i);
        auto *key = new QLabel(QString::number(i + 1), this);
        key->setObjectName(QStringLiteral("lblKey_%1").arg(i));
        key->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        key->setIndent(design.keyIndent);
        key->setMinimumWidth(design.keyWidth);
        Branding::setTextColour(key, Branding::designedTextColour(box));
        grid->addWidget(key, 1 + i, 1);
        box->setAccessibleDescription(tr("Key %1").arg(i + 1));
        m_keys[i] = key;
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(OptionCount + 1, 1);
}

void QuizPage::showStone(int number, StoneIndex stone, QuizLevel level)
{
    const QString &name = loadRuneCatalogue().stoneNames[static_cast<size_t>(stone)];
    m_stoneName->setText(name);
    m_picture->setPictureNumber(pictureNumberOf(stone));
    m_picture->setAccessibleName(name);
    m_caption->setText(QuizScoring::instruction(level));
    m_questionNumber->setText(tr("Question %1").arg(number));
    showKeys();
    optionBox(0)->setAccessibleDescription(QuizSpeech::questionNews(number, name, level) +
                                           QLatin1Char(' ') + tr("Key %1").arg(1));
}

void QuizPage::showKeys()
{
    for (int i = 0; i < OptionCount; ++i)
        m_keys[i]->setVisible(!optionBox(i)->isHidden());
}

void QuizPage::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        nextButton()->isEnabled()) {
        nextButton()->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QFont boldFont()
{
    QFont bold;
    bold.setBold(true);
    return bold;
}

QFont scaledFont(QFont font, qreal factor, bool bold)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}
