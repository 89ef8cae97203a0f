#pragma once

#include <QWidget>

class GuardedTextBox;
class Platform;
class QPushButton;

// The result section of the study window: the text of the last finished test, either subject,
// and saving it to a text file.
class TestResultSection : public QWidget
{
    Q_OBJECT

public:
    explicit TestResultSection(Platform &platform, QWidget *parent = nullptr);

    void setResultText(const QString &text);
    GuardedTextBox *resultBox() const { return m_result; }
    QPushButton *saveButton() const { return m_save; }

    // "Save Current Result": asks for a file and writes the box's text into it.
    void saveResult();

private:
    Platform &m_platform;
    GuardedTextBox *m_result = nullptr;
    QPushButton *m_save = nullptr;
};
