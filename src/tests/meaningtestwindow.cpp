#include "meaningtestwindow.h"

MeaningTestWindow::MeaningTestWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMeaningTest"));
    setAccessibleName(QStringLiteral("Meanings test"));
    setFixedSize(FixedSize);
    setAutoFillBackground(true);
}
