#include "commandbutton.h"

#include <QPushButton>

QPushButton *commandButton(const QString &caption, const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    QString spoken = caption;
    for (const char *mark : {"&", "<<", ">>", "..."})
        spoken.remove(QLatin1String(mark));
    button->setAccessibleName(spoken.trimmed());
    return button;
}
