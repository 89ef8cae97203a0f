#pragma once

#include "platform/paper.h"
#include "platform/random.h"
#include "quiz/quizrecords.h"

#include <QCoreApplication>
#include <QDateTime>

namespace AnswerReview {
class Model;
} // namespace AnswerReview

// A test to hand out: its 24 questions built as the program would ask them, each option numbered
// with a box to tick, and the answer key on a page of its own at the end, to be kept back.
class TestPaper final : public PaperDocument
{
    Q_DECLARE_TR_FUNCTIONS(TestPaper)

public:
    // The questions are drawn from `engine` when the paper is made.
    TestPaper(const RuneCatalogue &catalogue, QuizSubject subject, const QuizSetup &setup,
              RandomEngine &engine);

    QString title() const override;
    void paint(QPagedPaintDevice &device, QPainter &painter) const override;

    const AnswerSheet &sheet() const { return m_sheet; }

private:
    const RuneCatalogue &m_catalogue;
    AnswerSheet m_sheet;
};

// A finished test or practice round with its review: the score, when it was taken, and every
// question with its options, each marked by a symbol and a word as well as by colour, so that a
// page printed in black and white says the same.
class ResultPaper final : public PaperDocument
{
    Q_DECLARE_TR_FUNCTIONS(ResultPaper)

public:
    // `heading` names the kind, the level and the score, as the review's title does.
    ResultPaper(const AnswerReview::Model &review, const QString &heading, const QDateTime &taken);

    QString title() const override;
    void paint(QPagedPaintDevice &device, QPainter &painter) const override;

private:
    const AnswerReview::Model &m_review;
    QString m_heading;
    QDateTime m_taken;
};
