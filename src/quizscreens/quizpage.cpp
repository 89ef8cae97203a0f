#include "quizpage.h"

#include "brand/branding.h"

#include <QAbstractButton>
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

void QuizPage::addKeyLabels()
{
    for (int i = 0; i < OptionCount; ++i) {
        QAbstractButton *box = optionBox(i);
        auto *key = new QLabel(QString::number(i + 1), box->parentWidget());
        key->setObjectName(QStringLiteral("lblKey_%1").arg(i));
        key->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Branding::setTextColour(key, Branding::designedTextColour(box));
        key->setGeometry(box->x() - 24, box->y(), 14, box->height());
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
