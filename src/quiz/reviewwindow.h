#pragma once

#include "quizrecords.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QScrollArea;

// The review of a finished test: every question in test order with its stone, its score line and
// its options, each marked by how it was answered. Read-only; it shows a copy of the answers, so
// a new test does not change a review already open.
class ReviewWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ReviewWindow(const AnswerSheet &sheet, QWidget *parent = nullptr);

    QCheckBox *mistakesOnlyBox() const { return m_mistakesOnly; }
    // The row of question `number` (1 to 24).
    QWidget *row(int number) const { return m_rows[static_cast<size_t>(number - 1)]; }

private:
    void showMistakesOnly(bool only);

    const AnswerSheet m_sheet;
    QCheckBox *m_mistakesOnly = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_noMistakes = nullptr;
    std::vector<QWidget *> m_rows;
};
