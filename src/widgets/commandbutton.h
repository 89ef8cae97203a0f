#pragma once

class QPushButton;
class QString;
class QWidget;

// A push button with its object name, and as its accessible name the caption as spoken: without
// the mnemonic "&", the arrows of "<< Back" and "Next >>" or the "..." of a button that asks more.
QPushButton *commandButton(const QString &caption, const QString &objectName, QWidget *parent);
