#pragma once

#include "platform/random.h"
#include "quizrecords.h"

#include <functional>
#include <optional>
#include <utility>

// A rune test from its start to its result, whichever its subject: the choices it runs with,
// the question order, the question on screen and the answers scored so far, all in one answer
// sheet from which the score lines, the total, the result text and the review are worked out.
// Program-wide for the whole run, beside the study walk: the meanings test hands back to a study
// window built afresh, and the session must outlive both windows. Plain logic; the pages only
// show it.
class QuizSession
{
public:
    // What a press of a test's "Next" asks of its page.
    struct NextStep {
        enum class Kind {
            ShowQuestion, // show question questionNo()
            Refused,      // tell the user `refusal`; question, ticks and scores stay as they were
            Finished,     // the test is over: show the result of lastFinished()
        };
        Kind kind = Kind::ShowQuestion;
        QString refusal;
    };

    // Every question is drawn from `engine`.
    explicit QuizSession(RandomEngine &engine);
    Q_DISABLE_COPY_MOVE(QuizSession)

    // The kinds of meaning a meanings test started from now on asks. Only the stone-type page's
    // "Next" sets them, so a keywords test leaves them as they were.
    StoneTypes stoneTypes() const { return m_stoneTypes; }
    void setStoneTypes(StoneTypes types) { m_stoneTypes = types; }

    // The start of a test: a new question order, the level, no answer scored and the question
    // counter at 0, so that the first press of "Next" shows question 1 and nothing of an
    // abandoned test counts.
    void startTest(QuizSubject subject, QuizLevel level);
    // The start of a practice round: `questions` in this order, each naming its stone and subject
    // (the rest is built as it is asked), at `level`, the meanings ones of the kinds stoneTypes()
    // names. It runs as a test does, with questionCount() questions, but no test is abandoned for
    // it and it never becomes lastFinished(): round() keeps it. An empty round does not run.
    void startPractice(const QList<PracticeAnswer> &questions, QuizLevel level);

    // One press of "Next", given the numbers of the ticked boxes (0 to 7; boxes beyond the
    // level's are not in use and count for nothing). The first press after the start only builds
    // question 1; every later one checks the number of ticks, scores the question and builds the
    // next, and the one that scores question 24 makes the test the last finished one.
    NextStep pressNext(const QList<int> &tickedBoxes);

    // A test of this subject has started and not yet finished; in a practice round, the question
    // on screen is of this subject.
    bool runs(QuizSubject subject) const { return m_running && this->subject() == subject; }
    // Of the test started last; in a practice round, of the question on screen (the first one
    // before it is shown).
    QuizSubject subject() const;
    QuizLevel level() const { return m_practising ? m_round.level : m_sheet.level; }
    // 24 in a test, as many as it asks in a practice round.
    int questionCount() const;
    // 0 before the first question, then the question on screen; the last stays once it is over.
    int questionNo() const { return m_questionNo; }
    // The question on screen, while a test runs and questionNo() is not 0.
    const AnsweredQuestion &question() const;
    // The test started last: every question's stone from the start, each question's options and
    // right answers once it is built, its ticks and score once it is scored. Its answers are
    // cleared when it finishes, so its total is 0 then.
    const AnswerSheet &sheet() const { return m_sheet; }

    // The last test that ran to its end in this run, whichever its subject; an abandoned test
    // leaves it as it was.
    const std::optional<AnswerSheet> &lastFinished() const { return m_lastFinished; }
    // The practice round started last, with every question answered once it has ended.
    const PracticeRound &round() const { return m_round; }
    // Called with every test that runs to its end, as it finishes: where it is kept.
    void setFinishedListener(std::function<void(const AnswerSheet &)> listener)
    {
        m_finishedListener = std::move(listener);
    }

private:
    // A uniform random order of the 24 stones, into the sheet.
    void shuffleQuestionOrder();
    void buildQuestion();
    AnsweredQuestion &answer();

    RandomEngine &m_engine;
    StoneTypes m_stoneTypes;
    AnswerSheet m_sheet;
    PracticeRound m_round;
    // The run started last is a practice round.
    bool m_practising = false;
    int m_questionNo = 0;
    bool m_running = false;
    std::optional<AnswerSheet> m_lastFinished;
    std::function<void(const AnswerSheet &)> m_finishedListener;
};
