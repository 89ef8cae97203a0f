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
            Refused,      // tell the user `text`; question, ticks and scores stay as they were
            Finished,     // the test is over: show the result `text`
        };
        Kind kind = Kind::ShowQuestion;
        QString text;
    };

    // Every question is drawn from `engine`.
    explicit QuizSession(RandomEngine &engine);
    Q_DISABLE_COPY_MOVE(QuizSession)

    // The kinds of meaning a meanings test started from now on asks. Only the stone-type page's
    // "Next" sets them, so a keywords test leaves them as they were.
    const std::array<bool, 3> &stoneTypes() const { return m_stoneTypes; }
    void setStoneTypes(const std::array<bool, 3> &types) { m_stoneTypes = types; }

    // The start of a test: a new question order, the level, no answer scored and the question
    // counter at 0, so that the first press of "Next" shows question 1 and nothing of an
    // abandoned test counts.
    void startTest(QuizSubject subject, qint16 level);

    // One press of "Next", given the numbers of the ticked boxes (0 to 7; boxes beyond the
    // level's are not in use and count for nothing). The first press after the start only builds
    // question 1; every later one checks the number of ticks, scores the question and builds the
    // next, and the one that scores question 24 writes the result and makes the test the last
    // finished one.
    NextStep pressNext(const QList<int> &tickedBoxes);

    // A test of this subject has started and not yet finished.
    bool runs(QuizSubject subject) const { return m_running && m_sheet.subject == subject; }
    // Of the test started last.
    QuizSubject subject() const { return m_sheet.subject; }
    qint16 level() const { return m_sheet.level; }
    // 0 before the first question, then the question on screen; 24 stays once the test is over.
    int questionNo() const { return m_questionNo; }
    // The question on screen, while a test runs and questionNo() is not 0.
    const AnsweredQuestion &question() const { return m_sheet.answers[m_questionNo - 1]; }
    // The test started last: every question's stone from the start, each question's options and
    // right answers once it is built, its ticks and score once it is scored. Its answers are
    // cleared when it finishes, so its total is 0 then.
    const AnswerSheet &sheet() const { return m_sheet; }

    // The last test that ran to its end in this run, whichever its subject; an abandoned test
    // leaves it as it was.
    const std::optional<AnswerSheet> &lastFinished() const { return m_lastFinished; }
    // Called with every test that runs to its end, as it finishes: where it is kept.
    void setFinishedListener(std::function<void(const AnswerSheet &)> listener)
    {
        m_finishedListener = std::move(listener);
    }

private:
    // A uniform random order of the 24 stones, into the sheet.
    void shuffleQuestionOrder();
    void buildQuestion();

    RandomEngine &m_engine;
    std::array<bool, 3> m_stoneTypes{};
    AnswerSheet m_sheet;
    int m_questionNo = 0;
    bool m_running = false;
    std::optional<AnswerSheet> m_lastFinished;
    std::function<void(const AnswerSheet &)> m_finishedListener;
};
