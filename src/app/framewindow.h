#pragma once

#include <QMainWindow>

class LinkLabel;
class MeaningTestWindow;
class QPushButton;

// The frame window that hosts the meanings test: a top bar with "Start Again" and "Donate", a
// bottom bar with "Exit" and the two offers, and the test window in between.
class FrameWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrameWindow(QWidget *parent = nullptr);

    MeaningTestWindow *meaningTest() const { return m_test; }

signals:
    void startAgainRequested();
    // Emitted whenever the window closes, by the user or by the program.
    void closing();
    void aboutRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void keepButtonsRight();

    QPushButton *m_start = nullptr;
    QPushButton *m_donate = nullptr;
    QPushButton *m_exit = nullptr;
    MeaningTestWindow *m_test = nullptr;
};
