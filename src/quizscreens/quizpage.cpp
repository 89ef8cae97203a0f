#include "quizpage.h"

#include "brand/branding.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QString keyName(int index)
{
    return QuizPage::tr("Key %1").arg(index + 1);
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

void QuizPage::addKeyLabels(QGridLayout *grid, int firstRow, int width, int indent)
{
    for (int i = 0; i < OptionCount; ++i) {
        QAbstractButton *box = optionBox(i);
        auto *key = new QLabel(QString::number(i + 1), this);
        key->setObjectName(QStringLiteral("lblKey_%1").arg(i));
        key->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        key->setIndent(indent);
        key->setMinimumWidth(width);
        Branding::setTextColour(key, Branding::designedTextColour(box));
        grid->addWidget(key, firstRow + i, 1);
        box->setAccessibleDescription(keyName(i));
        m_keys[i] = key;
    }
    showKeyLabels();
}

void QuizPage::showKeyLabels()
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

void QuizPage::describeQuestion(const QString &news)
{
    optionBox(0)->setAccessibleDescription(news + QLatin1Char(' ') + keyName(0));
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

QFont boldFont()
{
    QFont bold;
    bold.setBold(true);
    return bold;
}
