#pragma once

#include "quiz/quizrecords.h"

#include <QDialog>
#include <QList>

#include <vector>

class QCheckBox;
class QLabel;
class QScrollArea;

// The review of a finished test or practice round: every question in the order asked with its
// stone, its score line and its options, each marked by how it was answered. Read-only; it shows a
// copy of the answers, so a new test does not change a review already open.
class ReviewWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ReviewWindow(const AnswerSheet &sheet, QWidget *parent = nullptr);
    explicit ReviewWindow(const PracticeRound &round, QWidget *parent = nullptr);

    QCheckBox *mistakesOnlyBox() const { return m_mistakesOnly; }
    // The row of question `number` (1 to 24, or to the round's count), filled.
    QWidget *row(int number);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ReviewWindow(const QString &title, QList<AnsweredQuestion> answers, qint16 level,
                 QWidget *parent);
    void showMistakesOnly(bool only);
    void fillLater();
    void fillNextRow();
    void fillRowsInView();

    const QList<AnsweredQuestion> m_answers;
    const qint16 m_level;
    QCheckBox *m_mistakesOnly = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_noMistakes = nullptr;
    std::vector<QWidget *> m_rows;
    // Rows 1 to m_filled have their picture, heading and options.
    int m_filled = 0;
    bool m_fillingLater = false;
};
