#pragma once

#include "outlinedlabel.h"

// A label that reads as a link and opens its page: clicked with the mouse, or reached with Tab
// and opened with Enter or Space. Screen readers see a link they can press.
class LinkLabel : public OutlinedLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

public slots:
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
