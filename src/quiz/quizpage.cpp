#include "quizpage.h"

#include "brand/branding.h"

#include <QAbstractButton>
#include <QLabel>

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
        box->setAccessibleDescription(QStringLiteral("Key %1").arg(i + 1));
        m_keys[i] = key;
    }
    showKeyLabels();
}

void QuizPage::showKeyLabels()
{
    for (int i = 0; i < OptionCount; ++i)
        m_keys[i]->setVisible(!optionBox(i)->isHidden());
}
