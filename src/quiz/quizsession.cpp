#include "quizsession.h"

#include "keywordquestion.h"
#include "meaningquestion.h"
#include "quizscoring.h"

#include <algorithm>
#include <numeric>
#include <utility>

QuizSession::QuizSession(RandomEngine &engine)
    : m_engine(engine)
{}

void QuizSession::startTest(QuizSubject subject, QuizLevel level)
{
    m_sheet = AnswerSheet{subject, level, {}, {}};
    if (subject == QuizSubject::Meanings)
        m_sheet.stoneTypes = m_stoneTypes;
    shuffleQuestionOrder();
    m_questionNo = 0;
    m_running = true;
    m_practising = false;
}

void QuizSession::startPractice(const QList<PracticeAnswer> &questions, QuizLevel level)
{
    m_round = PracticeRound{level, m_stoneTypes, {}};
    // Only what to ask: whatever else a caller's answers hold is built afresh.
    for (const PracticeAnswer &question : questions) {
        PracticeAnswer asked{question.subject, {}};
        asked.question.stone = question.question.stone;
        m_round.answers.append(asked);
    }
    m_questionNo = 0;
    m_running = !m_round.answers.isEmpty();
    m_practising = true;
}

QuizSubject QuizSession::subject() const
{
    if (!m_practising)
        return m_sheet.subject;
    return m_round.answers.value(std::max(m_questionNo, 1) - 1).subject;
}

int QuizSession::questionCount() const
{
    return m_practising ? int(m_round.answers.size()) : QuestionCount;
}

const AnsweredQuestion &QuizSession::question() const
{
    return m_practising ? m_round.answers[m_questionNo - 1].question
                        : m_sheet.answers[m_questionNo - 1];
}

AnsweredQuestion &QuizSession::answer()
{
    return m_practising ? m_round.answers[m_questionNo - 1].question
                        : m_sheet.answers[m_questionNo - 1];
}

void QuizSession::shuffleQuestionOrder()
{
    std::array<StoneIndex, QuestionCount> order{};
    std::iota(order.begin(), order.end(), StoneIndex{0});
    // Fisher-Yates from the back: each position takes one of the stones not yet placed.
    for (int i = QuestionCount - 1; i > 0; --i)
        std::swap(order[i], order[randomBelow(m_engine, i + 1)]);
    for (int i = 0; i < QuestionCount; ++i)
        m_sheet.answers[i].stone = order[i];
}

QuizSession::NextStep QuizSession::pressNext(const QList<int> &tickedBoxes)
{
    // Nothing runs: nothing to press.
    if (!m_running)
        return {NextStep::Kind::Refused, {}};
    if (m_questionNo == 0) {
        m_questionNo = 1;
        buildQuestion();
        return {};
    }
    const QuizLevel level = this->level();
    QList<bool> ticked(QuizScoring::optionCount(level), false);
    for (int box : tickedBoxes) {
        if (box >= 0 && box < ticked.size())
            ticked[box] = true;
    }
    const QString refusal = QuizScoring::tickCountMessage(level, int(ticked.count(true)));
    if (!refusal.isEmpty())
        return {NextStep::Kind::Refused, refusal};

    AnsweredQuestion &answer = this->answer();
    QStringList tickedTexts;
    for (int i = 0; i < ticked.size(); ++i) {
        if (ticked[i])
            tickedTexts << answer.options[i];
    }
    answer.ticked = std::move(ticked);
    answer.score = QuizScoring::score(tickedTexts, answer.correctAnswers);
    if (m_questionNo < questionCount()) {
        ++m_questionNo;
        buildQuestion();
        return {};
    }
    if (m_practising) {
        m_running = false;
        return {NextStep::Kind::Finished, {}};
    }
    m_running = false;
    m_lastFinished = m_sheet;
    m_sheet.answers = {};
    if (m_finishedListener)
        m_finishedListener(*m_lastFinished);
    return {NextStep::Kind::Finished, {}};
}

void QuizSession::buildQuestion()
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    AnsweredQuestion &answer = this->answer();
    const auto &stoneTypes = m_practising ? m_round.stoneTypes : m_sheet.stoneTypes;
    Question built = subject() == QuizSubject::Keywords
                         ? buildKeywordQuestion(catalogue, answer.stone, level(), m_engine)
                         : buildMeaningQuestion(catalogue, answer.stone,
                                                QuizSetup{level(), stoneTypes}, m_engine);
    answer.meaningKinds = std::move(built.meaningKinds);
    answer.options = std::move(built.options);
    answer.correctAnswers = std::move(built.correctAnswers);
}
