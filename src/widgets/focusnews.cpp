#include "focusnews.h"

#include <QWidget>

void focusWithNews(QWidget *target, QWidget *via)
{
    if (target->hasFocus()) {
        if (!via)
            via = target->parentWidget();
        if (via)
            via->setFocus(Qt::OtherFocusReason);
    }
    target->setFocus(Qt::OtherFocusReason);
}
