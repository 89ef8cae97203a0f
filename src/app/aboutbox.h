#pragma once

#include "platform/webpages.h"

#include <QDialog>

class QPushButton;

// The About box: the program's title and icon, what it is for, and two links. Built anew each
// time it is asked for and gone once closed; "OK", Enter and Esc close it.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);

signals:
    void webPageRequested(WebPages::Page page);

private:
    QPushButton *m_ok = nullptr;
};
