#pragma once

#include "quiz/quizrecords.h"

#include <QDialog>

class Platform;
class QCheckBox;
class QDateTime;
class QDialogButtonBox;
class QFrame;
class QLabel;
class QListView;

namespace AnswerReview {
class MistakesFilter;
class Model;
} // namespace AnswerReview

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
    // "Print..." and "Save as PDF..." beside "Close": the test, taken at `taken`, with its review.
    void offerPaper(Platform &platform, const QDateTime &taken);

private:
    // Takes `review` for its own.
    ReviewWindow(const QString &title, AnswerReview::Model *review, QWidget *parent);
    void showMistakesOnly(bool only);

    AnswerReview::MistakesFilter *m_rows = nullptr;
    QCheckBox *m_mistakesOnly = nullptr;
    QListView *m_answers = nullptr;
    QFrame *m_noMistakesFrame = nullptr;
    QLabel *m_noMistakes = nullptr;
    AnswerReview::Model *m_review = nullptr;
    QString m_heading;
    QDialogButtonBox *m_buttons = nullptr;
};
